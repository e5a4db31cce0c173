#pragma once
// EngineState: the one process-wide record that owns the runtime's singletons
// from start-up to shutdown, with the clock and the flags of the frame cycle.

#include <cstdint>
#include <memory>

#include "app/engine_commands.h"
#include "app/frame_pacing.h"
#include "app/program.h"
#include "runtime/runtime_string.h"

struct SDL_Window;

namespace vdr {

class OpenGLLumet;
class InputContext;
class SoundSystem;

// Something a command shows while it runs (a movie with its player), owned
// by the engine so that shutdown ends it even when the program ends in the
// middle of it.
class ShownMedia {
 public:
  virtual ~ShownMedia() = default;
};

// Show mode of a normal start; 0 starts hidden.
constexpr int32_t kShowDefault = 10;

struct EngineState {
  EngineState();
  ~EngineState();

  std::unique_ptr<OpenGLLumet> renderContext;
  SDL_Window* window = nullptr;
  RuntimeString windowTitle;
  std::unique_ptr<InputContext> input;
  std::unique_ptr<SoundSystem> sound;  // the sound device and its slots
  std::unique_ptr<ShownMedia> shownMedia;

  // Frame times (milliseconds of the runtime clock) and the frame schedule.
  double currentFrameTime = 0;
  double previousFrameTime = 0;
  double startTime = 0;
  FrameSchedule schedule;

  int32_t paused = 0;
  uint8_t autoPause = 1;
  uint8_t escapeEnds = 1;
  int32_t activateRequest = 0;
  uint8_t quitStarted = 0;
  bool consoleOpen = false;

  // The "VDR_WIN32_MSG" callback: -1 not looked up yet, 1 found, 0 absent.
  int32_t win32MsgLookup = -1;
  void (*win32MsgProc)() = nullptr;

  const ProcedureEntry* procedures = nullptr;
  RuntimeString commandLine;
};

EngineState& Engine();

// Start-up steps 3 to 30: window, render context, input, sound, file
// resolvers and default font, in their fixed order.
void EngineInit(int32_t showMode, const RuntimeString& title);
// The shutdown sequence; safe to call again and after a partial start-up.
void EngineShutdown();

}  // namespace vdr
