#pragma once
// Platform information, the environment, processes and dynamic libraries as
// programs call them. None of these commands ends the program.

#include <cstdint>
#include <type_traits>

#include "runtime/runtime_string.h"

namespace vdr {

// The answer for a key (files/platform_info.h), or "NO_DATA".
RuntimeString PlatformInfo(const RuntimeString& key);

// The value of the variable, or "" when unset; an empty name gives every
// entry as "name=value", each followed by "\n".
RuntimeString GetEnv(const RuntimeString& name);
// Sets the variable for this process and the programs it starts.
void PutEnv(const RuntimeString& name, const RuntimeString& value);

// Runs the command line through "/bin/sh -c" (passed whole, however long);
// `show` has no meaning here. With `wait` not 0 it waits and gives the exit
// code (128 + the signal when a signal ended it); otherwise it returns at
// once, the exit code stays 0, and the process is reaped when it ends.
// 1 when it started, 0 otherwise (also for an empty command line).
int32_t CallProcess(const RuntimeString& commandLine, double wait, double show, int32_t& exitCode);
int32_t CallProcess(const RuntimeString& commandLine, double wait, double show, double& exitCode);

// Opens a document or address with the desktop's program for it (xdg-open),
// without waiting. OpenDocumentAndEnd (app/end.h) shuts down first.
void OpenDocument(const RuntimeString& document);
// The document named as OpenDocument should get it after the current folder
// changes: the absolute path when it names a file here, else unchanged.
RuntimeString DocumentPath(const RuntimeString& document);

// The address of the function in the dynamic library, or null
// (files/library_cache.h).
void BindLibraryFunction(const RuntimeString& module, const RuntimeString& function, void*& pointer);
template <typename Function>
  requires std::is_function_v<Function>
void BindLibraryFunction(const RuntimeString& module, const RuntimeString& function, Function*& pointer) {
  void* address = nullptr;
  BindLibraryFunction(module, function, address);
  pointer = reinterpret_cast<Function*>(address);
}

// Shutdown: libraries unloaded, processes started without waiting no longer watched.
void ReleaseLibrariesAndProcesses();

}  // namespace vdr
