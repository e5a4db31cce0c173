#include "app/window_events.h"

#include <SDL2/SDL.h>

#include "app/end.h"
#include "app/engine_state.h"
#include "input/input_context.h"

namespace vdr {
namespace {

bool FocusPauses() {
  const EngineState& engine = Engine();
  return Settings().traceRun == 0 && engine.autoPause != 0;
}

void SetCaption(const RuntimeString& caption) {
  if (Engine().Window() != nullptr) SDL_SetWindowTitle(Engine().Window(), caption.c_str());
}

void HandleWindowEvent(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST:
      WindowDeactivated();
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      WindowActivated();
      break;
    case SDL_WINDOWEVENT_CLOSE:
      RunEnd();
    default:
      break;
  }
}

}  // namespace

void WindowDeactivated() {
  EngineState& engine = Engine();
  if (engine.input != nullptr) engine.input->SetWindowActive(false);
  if (!FocusPauses()) return;
  SetCaption(engine.windowTitle + " <pause>");
  if (engine.paused != 1) {
    engine.paused = 1;
    CallByName("VDR_ON_PAUSE");
  }
  engine.paused = 1;
}

void WindowActivated() {
  EngineState& engine = Engine();
  if (engine.input != nullptr) engine.input->SetWindowActive(true);
  if (!FocusPauses()) return;
  SetCaption(engine.windowTitle);
  if (engine.paused != 0) {
    engine.paused = 0;
    CallByName("VDR_ON_RESUME");
  }
  engine.paused = 0;
}

void DispatchWindowEvent(const SDL_Event& event) {
  EngineState& engine = Engine();
  switch (event.type) {
    case SDL_QUIT:
      RunEnd();
    case SDL_WINDOWEVENT:
      HandleWindowEvent(event.window);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (engine.input != nullptr) engine.input->ApplyKeyEvent(event.key);
      break;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL:
      if (engine.input != nullptr) engine.input->ApplyMouseEvent(event);
      break;
    default:
      break;
  }
}

void SetPaused(double flag) {
  EngineState& engine = Engine();
  const int32_t state = flag != 0 ? 1 : 0;
  if (state != engine.paused) CallByName(state != 0 ? "VDR_ON_PAUSE" : "VDR_ON_RESUME");
  engine.paused = state;
}

}  // namespace vdr
