#include "files/library_cache.h"

#include "files/runtime_log.h"
#include "files/system_services.h"
#include "runtime/string_commands.h"
#include "runtime/process_object.h"

namespace vdr {
namespace {

DebuggerOutputHandler g_debuggerOutput = nullptr;

void ReportMissingModule(const std::string& name) {
  const std::string line = "DECLARE module not found: " + name;
  if (g_debuggerOutput != nullptr) g_debuggerOutput(("TX" + line + "\n").c_str());
  WriteLogLine(line.c_str());
}

}  // namespace

void SetDebuggerOutputHandler(DebuggerOutputHandler handler) { g_debuggerOutput = handler; }

LibraryCache& Libraries() { return Registered<LibraryCache>(); }

void* LibraryCache::Module(const RuntimeString& module) {
  const std::string name(LowerText(module).view());
  for (const auto& [known, handle] : modules_) {
    if (known == name) return handle;
  }
  // An empty name would give the program itself.
  void* handle = name.empty() ? nullptr : LoadLibraryModule(name.c_str());
  if (handle == nullptr && name != module.view()) handle = LoadLibraryModule(module.c_str());
  if (handle == nullptr) {
    ReportMissingModule(name);
    return nullptr;
  }
  modules_.emplace_back(name, handle);
  return handle;
}

void* LibraryCache::Bind(const RuntimeString& module, const RuntimeString& function) {
  void* handle = Module(module);
  return handle != nullptr ? FindLibrarySymbol(handle, function.c_str()) : nullptr;
}

void LibraryCache::UnloadAll() {
  for (const auto& [name, handle] : modules_) UnloadLibraryModule(handle);
  modules_.clear();
}

}  // namespace vdr
