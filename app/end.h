#pragma once
// END, the one way the program ends, with calling game procedures by name and
// the small aids that talk to an attached debugger.

#include <cstdint>

#include "app/program.h"
#include "runtime/error_status.h"
#include "runtime/runtime_string.h"

namespace vdr {

// The orderly end: after a fatal error its line on standard error and in the
// log, the position report when tracing, the shutdown sequence, then exit
// code 0, or 1 after a fatal error. Installed as the runtime's end handler at
// start-up.
[[noreturn]] void End();
// Runs the shutdown sequence, starts the command line, exits with code 0.
[[noreturn]] void ShutdownAndRun(const RuntimeString& commandLine);
// Runs the shutdown sequence, opens the document with the desktop's program
// for it (files/system_commands.h), then ends through END.
[[noreturn]] void OpenDocumentAndEnd(const RuntimeString& document);

using Procedure = void (*)();
// The game procedure with exactly this name (case matters), or null.
Procedure LookupProcedure(const char* name);
// Calls the named procedure: 1 if found, 0 if not.
int32_t CallByName(const RuntimeString& name);

void DebugPrint(const RuntimeString& text);
void AssertValue(double value);
int32_t DebugBreak(double value);
void SetSourcePosition(double module, double line);

// True while a debugger traces the process.
bool DebuggerAttached();
// Sends text to the debugger output (standard error), only while one is attached.
void DebuggerOutput(const char* text);

}  // namespace vdr
