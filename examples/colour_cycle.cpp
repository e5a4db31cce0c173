// A first program: opens the window and clears it in slowly changing colours
// until Escape is pressed or the window is closed.

#include <cmath>

#include "vendril.h"

namespace {

void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  settings.framesPerSecond = 60;
  settings.captureMouse = 0;
  settings.windowTitle = "Vendril colours";
}

int Channel(double t, double phase) { return static_cast<int>(127.5 + 127.5 * std::sin(t + phase)); }

void Main() {
  for (;;) {
    const double t = vdr::ElapsedMs() / 1000.0;
    vdr::ClearScreen(vdr::Rgb(Channel(t, 0), Channel(t, 2.1), Channel(t, 4.2)));
    vdr::ShowScreen();
  }
}

const vdr::ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
