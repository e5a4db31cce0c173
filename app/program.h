#pragma once
// What a program built with the runtime supplies: its configuration step, its
// main program and its procedure-name table. The runtime supplies main().

#include "app/project_settings.h"

namespace vdr {

struct ProcedureEntry {
  void (*procedure)();
  const char* name;
};

struct Program {
  void (*configure)(ProjectSettings& settings);
  void (*main)();
  // Sorted by name, closed by an entry with a null procedure.
  const ProcedureEntry* procedures;
};

// Defined by every program that links the runtime's process entry.
extern const Program kProgram;

// The whole life of the process: stores the command line, configures, starts
// the engine, runs the main program and ends through END. Never returns.
[[noreturn]] void RunProgram(const Program& program, int argc, char** argv);

}  // namespace vdr
