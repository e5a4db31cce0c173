#include "app/end.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "app/engine_state.h"
#include "app/frame_steps.h"
#include "files/runtime_log.h"
#include "files/system_commands.h"
#include "runtime/number_text.h"

namespace vdr {
namespace {

void WriteLogNumber(int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  WriteLogLine(text);
}

[[noreturn]] void ExitProcess() {
  std::fflush(nullptr);
  std::exit(EndingOnFatalError() ? 1 : 0);
}

}  // namespace

void End() {
  if (EndingOnFatalError()) {
    const RuntimeString line = FatalErrorLine();
    std::fprintf(stderr, "%s\n", line.c_str());
    WriteLogLine(line.c_str());
  }
  if (Settings().traceRun != 0) {
    const RuntimeErrorStatus& status = ErrorStatus();
    WriteLogLine("-End On Line");
    WriteLogNumber(status.code);
    WriteLogNumber(status.line - 1);
    WriteLogNumber(status.currentLine);
    WriteLogNumber(status.currentModule);
  }
  EngineShutdown();
  ExitProcess();
}

void ShutdownAndRun(const RuntimeString& commandLine) {
  EngineShutdown();
  int32_t exitCode = 0;
  CallProcess(commandLine, 0, 1, exitCode);
  ExitProcess();
}

void OpenDocumentAndEnd(const RuntimeString& document) {
  // Shutdown makes the executable's folder current again.
  const RuntimeString target = DocumentPath(document);
  EngineShutdown();
  OpenDocument(target);
  End();
}

Procedure LookupProcedure(const char* name) {
  const ProcedureEntry* entry = Engine().procedures;
  if (entry == nullptr || name == nullptr) return nullptr;
  for (; entry->procedure != nullptr; ++entry) {
    if (std::strcmp(entry->name, name) == 0) return entry->procedure;
  }
  return nullptr;
}

int32_t CallByName(const RuntimeString& name) {
  const Procedure procedure = LookupProcedure(name.c_str());
  if (procedure != nullptr) {
    procedure();
    return 1;
  }
  if (name != "VDR_ON_QUIT" && name != "VDR_WIN32_MSG") {
    const std::string line = std::string("TXCALLBYNAME \"") + name.c_str() + "\" *** failed ***\n";
    DebuggerOutput(line.c_str());
  }
  return 0;
}

bool DebuggerAttached() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("TracerPid:", 0) == 0) return std::atoi(line.c_str() + 10) != 0;
  }
  return false;
}

void DebuggerOutput(const char* text) {
  if (!DebuggerAttached()) return;
  std::fputs(text, stderr);
  std::fflush(stderr);
}

void DebugPrint(const RuntimeString& text) {
  const std::string line = std::string("TX") + text.c_str();
  DebuggerOutput(line.c_str());
}

void AssertValue(double value) {
  if (value != 0) return;
  DebuggerOutput("TXAssertion: Value = 0\n");
  FatalError(kErrorAssertion);
}

int32_t DebugBreak(double value) {
  if (!DebuggerAttached()) return 0;
  char text[32];
  std::snprintf(text, sizeof text, "BP%x", static_cast<unsigned>(ToInt(value)));
  DebuggerOutput(text);
  EngineState& engine = Engine();
  engine.paused = 0;
  PollInput();
  engine.activateRequest = 1;
  return 1;
}

void SetSourcePosition(double module, double line) {
  RuntimeErrorStatus& status = ErrorStatus();
  status.currentModule = ToInt(module);
  status.currentLine = ToInt(line);
}

}  // namespace vdr
