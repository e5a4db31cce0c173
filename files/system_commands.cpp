#include "files/system_commands.h"

#include <sys/stat.h>

#include <string>

#include "files/file_replace.h"
#include "files/library_cache.h"
#include "files/platform_info.h"
#include "files/platform_paths.h"
#include "files/system_services.h"
#include "runtime/number_text.h"

namespace vdr {

RuntimeString PlatformInfo(const RuntimeString& key) { return RuntimeString(PlatformAnswer(key.view()).c_str()); }

RuntimeString GetEnv(const RuntimeString& name) {
  return RuntimeString((name.empty() ? EnvironmentListing() : EnvironmentValue(name.c_str())).c_str());
}

void PutEnv(const RuntimeString& name, const RuntimeString& value) { SetEnvironmentValue(name.c_str(), value.c_str()); }

int32_t CallProcess(const RuntimeString& commandLine, double wait, double, int32_t& exitCode) {
  exitCode = 0;
  if (commandLine.empty()) return 0;
  const pid_t pid = StartProcess({"/bin/sh", "-c", commandLine.c_str()});
  if (pid < 0) return 0;
  if (ToInt(wait) != 0) {
    exitCode = WaitForProcess(pid);
  } else {
    ReapWhenEnded(pid);
  }
  return 1;
}

int32_t CallProcess(const RuntimeString& commandLine, double wait, double show, double& exitCode) {
  int32_t code = 0;
  const int32_t started = CallProcess(commandLine, wait, show, code);
  exitCode = code;
  return started;
}

void OpenDocument(const RuntimeString& document) {
  const pid_t pid = StartProcess({"xdg-open", document.c_str()});
  if (pid >= 0) ReapWhenEnded(pid);
}

RuntimeString DocumentPath(const RuntimeString& document) {
  struct stat info {};
  if (document.empty() || ::stat(NativePath(document.c_str()).c_str(), &info) != 0) return document;
  return RuntimeString(AbsolutePath(document.c_str()).c_str());
}

void BindLibraryFunction(const RuntimeString& module, const RuntimeString& function, void*& pointer) {
  pointer = Libraries().Bind(module, function);
}

void ReleaseLibrariesAndProcesses() {
  Libraries().UnloadAll();
  StopReaping();
}

}  // namespace vdr
