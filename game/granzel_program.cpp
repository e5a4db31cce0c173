// Granzel as a program of the runtime: its configuration and its
// procedure-name table.

#include "game/procedures.h"
#include "vendril.h"

namespace {

void ConfigureGranzel(vdr::ProjectSettings& settings) {
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  settings.framesPerSecond = 60;
  settings.fullScreen = 0;
  settings.captureMouse = 1;
  settings.windowTitle = "Granzel";
}

// Sorted by name, as call by name expects.
const vdr::ProcedureEntry kProcedures[] = {
    {granzel::clipea, "clipea"},       {granzel::leecolor, "leecolor"},   {granzel::menu1, "menu1"},
    {granzel::menu2, "menu2"},         {granzel::menu3, "menu3"},         {granzel::miramouse, "miramouse"},
    {granzel::opciones, "opciones"},   {granzel::pintafondo, "pintafondo"}, {nullptr, nullptr},
};

}  // namespace

const vdr::Program vdr::kProgram = {ConfigureGranzel, granzel::GameMain, kProcedures};
