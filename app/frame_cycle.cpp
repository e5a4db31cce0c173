#include "app/frame_steps.h"

#include <SDL2/SDL.h>

#include <cmath>
#include <cstdio>

#include "app/end.h"
#include "app/event_pump.h"
#include "app/engine_state.h"
#include "app/frame_pacing.h"
#include "app/window_events.h"
#include "audio/music_player.h"
#include "gfx2d/render_context.h"
#include "gfx3d/scene_frame_steps.h"
#include "input/input_context.h"
#include "input/scan_codes.h"
#include "runtime/clock.h"

namespace vdr {
namespace {

// Brings the window to the front after a debugger break.
void ActivateWindow() {
  EngineState& engine = Engine();
  ConsoleNote("activate");
  if (engine.Window() != nullptr) {
    SDL_ShowWindow(engine.Window());
    SDL_RaiseWindow(engine.Window());
  }
  ConsoleNote("ok");
  engine.activateRequest = 0;
}

void PauseLoop() {
  EngineState& engine = Engine();
  ConsoleNote("pause loop in showscreen");
  // The window procedure clears `paused` from inside the wait step's pump.
  while (engine.paused != 0 && engine.activateRequest == 0) WaitStep(200);
  ConsoleNote("pause ended");
}

}  // namespace

void ConsoleNote(const char* text) {
  if (!Engine().consoleOpen) return;
  std::printf("%s\n", text);
  std::fflush(stdout);
}

MessageCallback ResolveMessageCallback() {
  EngineState& engine = Engine();
  if (engine.win32MsgLookup < 0) {
    engine.win32MsgProc = LookupProcedure("VDR_WIN32_MSG");
    engine.win32MsgLookup = engine.win32MsgProc != nullptr ? 1 : 0;
  }
  return engine.win32MsgProc;
}

void CheckEndKeys(bool altF4) {
  EngineState& engine = Engine();
  if (engine.input == nullptr) return;
  InputContext& input = *engine.input;
  // Every key is looked at in every frame, so a press made while it would
  // not end the program does not end it later.
  const bool escape = input.HeldOrPressedSinceLastLook(kKeyEscape) | input.HeldOrPressedSinceLastLook(kKeyEscapeExtended);
  const bool altAndF4 = input.HeldOrPressedSinceLastLook(kKeyLeftAlt) & input.HeldOrPressedSinceLastLook(kKeyF4);
  if (engine.escapeEnds != 0 && escape) RunEnd();
  if (altF4 && altAndF4) RunEnd();
}

void PollInput() {
  EngineState& engine = Engine();
  if (engine.input == nullptr) return;
  engine.input->PollKeyboard();
  engine.input->MarkFreshRead();
}

void WaitStep(int32_t sleepMs) {
  CheckMusicRestart();
  PumpMessages(ResolveMessageCallback());
  if (sleepMs > 0) SleepMs(sleepMs);
}

void PresentAndPace(MessageCallback callback) {
  EngineState& engine = Engine();
  OpenGLLumet* context = engine.renderContext.get();
  if (context == nullptr) return;
  context->PresentFrame();
  PacingHooks hooks{
      [] { return Clock(); },
      [](int ms) { SDL_Delay(static_cast<Uint32>(ms)); },
      [callback] { PumpMessages(callback); },
  };
  FrameSchedule& schedule = engine.schedule;
  const double now = WaitForFrameSlot(schedule.nextFrameTime, hooks);
  if (schedule.framePeriod <= 0) return;
  schedule.nextFrameTime = AdvanceSchedule(schedule.nextFrameTime, schedule.framePeriod, now);
}

void ShowScreen() {
  EngineState& engine = Engine();
  if (engine.activateRequest != 0) ActivateWindow();
  engine.previousFrameTime = engine.currentFrameTime;
  engine.currentFrameTime = Clock();
  if (engine.paused != 0) PauseLoop();
  if (engine.input != nullptr) engine.input->BeginFrame();
  PollInput();
  CheckEndKeys();
  EndShadowMode();
  CheckMusicRestart();
  PumpMessages(ResolveMessageCallback());
  PresentAndPace(ResolveMessageCallback());
  if (engine.renderContext != nullptr) engine.renderContext->StartFrame();
  ResetSceneFrame();
}

void SetFps(double framesPerSecond) { Engine().schedule.framePeriod = FramePeriodFor(framesPerSecond); }

double ElapsedMs() { return Clock() - Engine().startTime; }

double FrameTime() {
  const EngineState& engine = Engine();
  const double frame = engine.currentFrameTime - engine.previousFrameTime;
  return frame > 0 ? frame : 1;
}

void SetEscapeEnds(double flag) { Engine().escapeEnds = flag != 0 ? 1 : 0; }  // NaN counts as nonzero

int32_t EscapeEnds() { return Engine().escapeEnds; }

void OpenConsole() {
  Engine().consoleOpen = true;
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
}

}  // namespace vdr
