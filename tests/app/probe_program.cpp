// A small program of the runtime for end-to-end tests of the application
// frame. What its main program does depends on its first argument:
//   return      returns at once (the program ends through END)
//   callbyname  calls procedures by name, then returns
//   fatal       reads from a file channel that was never opened (a fatal error)

#include <cstring>

#include "vendril.h"

namespace {

int g_calls = 0;
void Known() { ++g_calls; }

void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = 160;
  settings.screenHeight = 120;
  settings.captureMouse = 0;
  settings.windowTitle = "probe";
}

void Main() {
  const vdr::RuntimeString commandLine = vdr::CommandLine();
  if (std::strstr(commandLine.c_str(), "callbyname") != nullptr) {
    vdr::CallByName("known");
    vdr::CallByName("nothing");
    vdr::CallByName("VDR_ON_QUIT");
    vdr::CallByName("VDR_WIN32_MSG");
    vdr::DebugPrint("calls: " + vdr::IntegerText(g_calls) + "\n");
  }
  if (std::strstr(commandLine.c_str(), "fatal") != nullptr) vdr::ReadByte(5);
}

const vdr::ProcedureEntry kProcedures[] = {{Known, "known"}, {nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
