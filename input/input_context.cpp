#include "input/input_context.h"

#include <SDL2/SDL.h>

#include "input/scan_codes.h"

namespace vdr {
namespace {
InputContext* g_input = nullptr;
}  // namespace

InputContext* ActiveInput() { return g_input; }
void SetActiveInput(InputContext* input) { g_input = input; }

void InputContext::PollKeyboard() {
  if (!windowActive_) return;
  SDL_PumpEvents();
  SDL_Event events[32];
  int count;
  while ((count = SDL_PeepEvents(events, 32, SDL_GETEVENT, SDL_KEYDOWN, SDL_KEYUP)) > 0) {
    for (int i = 0; i < count; ++i) ApplyKeyEvent(events[i].key);
  }
  for (int code = 0; code < 256; ++code) {
    keyState_[code] = held_[code] || pressedSincePoll_[code] ? 0x80 : 0;
    pressedSincePoll_[code] = false;
  }
}

void InputContext::ApplyKeyEvent(const SDL_KeyboardEvent& event) {
  if (!windowActive_) return;
  const uint8_t code = ScanCodeFromSdl(event.keysym.scancode);
  if (code == 0) return;
  held_[code] = event.state == SDL_PRESSED;
  if (held_[code]) pressedSincePoll_[code] = true;
}

bool InputContext::AnyKeyHeld() const {
  for (int code = 0; code < 255; ++code) {
    if (KeyHeld(static_cast<uint8_t>(code))) return true;
  }
  return false;
}

void InputContext::ReleaseAllKeys() {
  for (int code = 0; code < 256; ++code) {
    keyState_[code] = 0;
    held_[code] = pressedSincePoll_[code] = false;
  }
}

}  // namespace vdr
