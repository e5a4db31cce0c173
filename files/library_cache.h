#pragma once
// Functions of dynamic libraries bound by name, for a program's declarations
// of foreign functions. Each library is loaded once and kept until the
// program ends.

#include <string>
#include <utility>
#include <vector>

#include "runtime/runtime_string.h"

namespace vdr {

class LibraryCache {
 public:
  static constexpr const char* kProcessObjectName = "the library cache";
  LibraryCache() = default;
  LibraryCache(const LibraryCache&) = delete;
  LibraryCache& operator=(const LibraryCache&) = delete;
  ~LibraryCache() { UnloadAll(); }

  // The address of `function` in `module`, or null. Modules are known by
  // their lower-cased name; one not yet loaded is loaded by that name, or by
  // the name as written when the lower-cased one finds nothing (library file
  // names have capitals here). A module that cannot be loaded is reported as
  // "DECLARE module not found: " + the lower-cased name, in the runtime log
  // and, with "TX" before it, to an attached debugger.
  void* Bind(const RuntimeString& module, const RuntimeString& function);
  // Program end: every loaded module is unloaded.
  void UnloadAll();

 private:
  void* Module(const RuntimeString& module);

  std::vector<std::pair<std::string, void*>> modules_;
};

LibraryCache& Libraries();

// Where the application frame sends text for an attached debugger.
using DebuggerOutputHandler = void (*)(const char* text);
void SetDebuggerOutputHandler(DebuggerOutputHandler handler);

}  // namespace vdr
