#pragma once
// InputContext: every way the program reads the user, in one record owned by
// the runtime. Polled once per frame by the frame cycle.

#include <SDL2/SDL_events.h>

#include <cstdint>

namespace vdr {

class InputContext {
 public:
  // Takes the key events waiting for the window and updates the snapshot.
  // While the window is not active the snapshot keeps its last contents.
  // A key pressed and released between two polls reads as held for one poll,
  // so a quick tap is never lost.
  void PollKeyboard();
  // A key event taken from the queue elsewhere (the message pump).
  void ApplyKeyEvent(const SDL_KeyboardEvent& event);
  void SetWindowActive(bool active) { windowActive_ = active; }
  bool WindowActive() const { return windowActive_; }

  // Bit 7 of the snapshot: the key with that code is held.
  bool KeyHeld(uint8_t code) const { return (keyState_[code] & 0x80) != 0; }
  bool AnyKeyHeld() const;
  void ReleaseAllKeys();

  // Marks the mouse for a fresh read this frame.
  void MarkFreshRead() { needsFreshRead_ = true; }

 private:
  uint8_t keyState_[256] = {};      // the snapshot the commands read
  bool held_[256] = {};             // what the key events say now
  bool pressedSincePoll_[256] = {};
  bool windowActive_ = true;
  bool needsFreshRead_ = true;
};

// The process-wide input context (owned by the engine state), or null.
InputContext* ActiveInput();
void SetActiveInput(InputContext* input);

}  // namespace vdr
