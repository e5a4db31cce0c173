#pragma once
// The runtime error status: one process-wide error code with the source line
// at which it was recorded, and the fatal-error path that ends the program.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

enum ErrorCode : int32_t {
  kErrorNone = 0,
  kErrorNoSuchFile = 3,
  kErrorOutOfMemory = 7,
  kErrorArrayOperation = 8,
  kErrorOutOfBounds = 9,
  kErrorOutOfData = 20,
  kErrorAssertion = 21,
};

struct RuntimeErrorStatus {
  int32_t code = 0;
  int32_t line = 0;         // current line when the code was recorded
  int32_t currentLine = 0;  // set by the program's line tracking
  int32_t currentModule = 0;
};

RuntimeErrorStatus& ErrorStatus();

// error line := current line, error code := code.
void RecordError(int32_t code);
// Sets the code to 0 (commands that start by clearing the status).
void ClearErrorCode();
// Code, line and current line back to 0 (start-up).
void ResetErrorStatus();
// "%.4d %s": "0009 out of bounds".
RuntimeString ErrorText();
const char* ErrorCodeText(int32_t code);

// Records the code and ends the program through END. Never returns.
[[noreturn]] void FatalError(int32_t code);
// True once a fatal error has started the end: the program ends with a
// non-zero exit code and says why.
bool EndingOnFatalError();
// "Vendril: fatal error 0009 out of bounds (line 12, module 0)".
RuntimeString FatalErrorLine();

// END: the application frame installs its orderly end here. Without one
// (programs and tests that run without the application frame), a fatal error
// writes its line to standard error and exits with code 1; any other end
// exits with code 0.
using EndHandler = void (*)();
void SetEndHandler(EndHandler handler);
[[noreturn]] void RunEnd();

}  // namespace vdr
