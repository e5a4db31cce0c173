#include "runtime/error_status.h"

#include <cstdio>
#include <cstdlib>

namespace vdr {
namespace {

RuntimeErrorStatus g_status;
bool g_fatal = false;

[[noreturn]] void EndWithoutFrame() {
  if (g_fatal) std::fprintf(stderr, "%s\n", FatalErrorLine().c_str());
  std::fflush(nullptr);
  std::exit(g_fatal ? 1 : 0);
}

EndHandler g_endHandler = nullptr;

}  // namespace

RuntimeErrorStatus& ErrorStatus() { return g_status; }

void RecordError(int32_t code) {
  g_status.line = g_status.currentLine;
  g_status.code = code;
}

void ClearErrorCode() { g_status.code = 0; }

void ResetErrorStatus() {
  g_status.code = 0;
  g_status.line = 0;
  g_status.currentLine = 0;
}

const char* ErrorCodeText(int32_t code) {
  switch (code) {
    case kErrorNone: return "success";
    case kErrorNoSuchFile: return "no such file";
    case kErrorOutOfMemory: return "out of memory";
    case kErrorOutOfBounds: return "out of bounds";
    case kErrorOutOfData: return "out of data";
    default: return "unknown error";
  }
}

RuntimeString ErrorText() {
  char text[64];
  std::snprintf(text, sizeof text, "%.4d %s", static_cast<int>(g_status.code), ErrorCodeText(g_status.code));
  return RuntimeString(text);
}

void FatalError(int32_t code) {
  RecordError(code);
  g_fatal = true;
  RunEnd();
}

bool EndingOnFatalError() { return g_fatal; }

RuntimeString FatalErrorLine() {
  char text[128];
  std::snprintf(text, sizeof text, "Vendril: fatal error %s (line %d, module %d)", ErrorText().c_str(),
                static_cast<int>(g_status.line), static_cast<int>(g_status.currentModule));
  return RuntimeString(text);
}

void SetEndHandler(EndHandler handler) { g_endHandler = handler; }

void RunEnd() {
  if (g_endHandler != nullptr) g_endHandler();
  // An end handler returns only when it could not end the process itself.
  EndWithoutFrame();
}

}  // namespace vdr
