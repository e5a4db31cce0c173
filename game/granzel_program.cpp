// Granzel as a program of the runtime: its configuration and its
// procedure-name table.

#include <string>

#include "game/procedures.h"
#include "gfx2d/frame_fit.h"
#include "vendril.h"

namespace {

// "--scale N" on the command line: the whole factor the window enlarges the
// game by; 0 (none given, or not a factor) leaves the choice to the runtime.
int ScaleArgument(const std::string& commandLine) {
  const std::string option = " --scale ";
  const size_t at = commandLine.find(option);
  if (at == std::string::npos) return 0;
  const size_t start = at + option.size();
  return vdr::ParseScale(commandLine.substr(start, commandLine.find(' ', start) - start).c_str());
}

void ConfigureGranzel(vdr::ProjectSettings& settings) {
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  settings.framesPerSecond = 60;
  settings.fullScreen = 0;
  settings.captureMouse = 1;
  settings.windowTitle = "Granzel";
  settings.windowScale = ScaleArgument(vdr::CommandLine().c_str());
}

// Sorted by name, as call by name expects.
const vdr::ProcedureEntry kProcedures[] = {
    {granzel::clipea, "clipea"},       {granzel::leecolor, "leecolor"},   {granzel::menu1, "menu1"},
    {granzel::menu2, "menu2"},         {granzel::menu3, "menu3"},         {granzel::miramouse, "miramouse"},
    {granzel::opciones, "opciones"},   {granzel::pintafondo, "pintafondo"}, {nullptr, nullptr},
};

}  // namespace

const vdr::Program vdr::kProgram = {ConfigureGranzel, granzel::GameMain, kProcedures};
