#pragma once
// Helpers for tests that run the real engine in a window (under the private
// Xvfb that tests/run-isolated.sh starts).

#include <SDL2/SDL_events.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/program.h"

namespace vdr::test {

struct EngineOptions {
  int width = 320;
  int height = 240;
  int traceRun = 0;
  int captureMouse = 0;
  int showMode = 10;
  const char* title = "Vendril test";
  const ProcedureEntry* procedures = nullptr;
};

// Starts the engine in this process: EngineInit with the options.
void StartEngine(const EngineOptions& options = {});
// Starts it once per process and keeps it for the following tests.
void EnsureEngine();

std::vector<std::string> ReadRuntimeLog();

// One pixel of the window's back buffer, top-down coordinates: red + green
// * 256 + blue * 65536.
int32_t ReadBackPixel(int x, int y);

// Runs xdotool with the given arguments, "%w" replaced by the game window.
int Xdotool(const std::string& arguments);
// The text with every "%w" replaced by the game window's X id (for scripts
// run on other threads, which must not ask SDL).
std::string WithWindowId(std::string text);

// Puts a window event for the game window into the queue.
void PushWindowEvent(SDL_WindowEventID event);

}  // namespace vdr::test
