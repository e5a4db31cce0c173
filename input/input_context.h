#pragma once
// InputContext: every way the program reads the user, in one record owned by
// the runtime. Set up once the window exists, polled once per frame by the
// frame cycle, released at shutdown. SDL is the device layer: its key events
// give the keyboard snapshot, its mouse events and pointer the mouse, its
// joystick and haptic APIs the joysticks.

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_video.h>

#include <cstdint>

#include "input/joysticks.h"
#include "input/mouse_tracker.h"
#include "input/typed_char.h"

namespace vdr {

// The part of a mouse reading that tells whether the mouse changed.
struct MouseSample {
  MousePoint position;
  int16_t left = 0;
  int16_t right = 0;
  bool operator==(const MouseSample&) const = default;
};

class InputContext;
// Where the context takes the key and mouse events that have arrived since it
// last looked (the application's event pump).
using InputEventSource = void (*)(InputContext& input);
// The size of the screen that mouse positions are clamped to.
using ScreenSizeSource = void (*)(int32_t& width, int32_t& height);
// Where the screen shows in the window now: the system pointer and clicks
// come in window pixels and are read in screen pixels.
using PointerMappingSource = PointerMapping (*)();

class InputContext {
 public:
  InputContext() = default;
  InputContext(const InputContext&) = delete;
  InputContext& operator=(const InputContext&) = delete;

  // Set before the devices: the events come from `source`.
  void SetEventSource(InputEventSource source) { eventSource_ = source; }
  void SetScreenSizeSource(ScreenSizeSource source) { screenSize_ = source; }
  void SetPointerMappingSource(PointerMappingSource source) { pointerMapping_ = source; }
  // Device set-up for the game window: the joystick layer, the tracked
  // position from the system pointer, captured mode when captureMouse (else
  // pointer mode), the joysticks. Failures fall back and are only logged.
  void SetUpDevices(SDL_Window* window, bool captureMouse);
  // After a display-mode change: the mouse mode applied again, then the
  // (possibly new) window taken.
  void WindowChanged(SDL_Window* window);
  // Gives the pointer back (shown at the tracked position) and closes the
  // joysticks.
  void ReleaseDevices();

  // Keyboard. PollKeyboard takes the events waiting for the window and
  // updates the snapshot; while the window is not active the snapshot keeps
  // its last contents. A key pressed and released before any poll saw it
  // held (a quick tap) reads as held until the end of the next frame, so the
  // tap is never lost, whichever poll of that frame looks first.
  void PollKeyboard();
  // The frame cycle's poll marks a new frame: taps of the frame before last expire.
  void BeginFrame();
  // Taps that a poll has seen no longer read as held: a blocking wait starts
  // with this, so that a tap the program saw before the wait does not end it.
  void ForgetSeenTaps();
  // The frame cycle's look at a key: held now, or pressed at any moment
  // since its last look at that key. A press that the program's own polls
  // saw held and that ended before the frame cycle looked still counts, so
  // the keys that end the program are not missed on a busy machine.
  bool HeldOrPressedSinceLastLook(uint8_t code);
  // A key event from the event pump.
  void ApplyKeyEvent(const SDL_KeyboardEvent& event);
  // The text the system typed for the key event before it: teaches what the
  // key gives on the level its modifiers chose.
  void ApplyTextEvent(const SDL_TextInputEvent& event);
  // The keyboard layout changed.
  void LayoutChanged() { learntLevels_.Forget(); }
  // Focus changes. When the window comes back, keys and buttons are taken
  // afresh, since they may have changed while it was away.
  void SetWindowActive(bool active);
  // Bit 7 of the snapshot: the key with that code is held.
  bool KeyHeld(uint8_t code) const { return (keyState_[code] & 0x80) != 0; }
  bool AnyKeyHeld() const;
  // Polls, then the character typed now (0 for none); see TypedCharRules.
  // Letting go of every key resets the rules' memory even when it happened
  // between two polls, so a key tapped twice types twice.
  uint8_t TypedChar();

  // Mouse.
  // A mouse event from the event pump.
  void ApplyMouseEvent(const SDL_Event& event);
  // Marks the mouse for a fresh read this frame.
  void MarkFreshRead() { mouse_.MarkFreshRead(); }
  // A read (all zero while the window is not active).
  MouseReading ReadMouse();
  // A read, reduced to the tracked position and the two main buttons.
  MouseSample SampleMouse();
  // How often the left button went down before the last read (two for a
  // double click that fell within one frame).
  int32_t LeftPressesAtLastRead() const { return mouse_.PressesAtLastRead(kMouseLeft); }
  MousePoint MousePosition() const { return mouse_.Position(); }
  MousePoint ClampMouseToScreen(int32_t width, int32_t height) { return mouse_.ClampToScreen(width, height); }
  // Into the screen the size source tells.
  MousePoint ClampMouseToScreen();
  // The system pointer is not moved.
  void SetMousePosition(MousePoint position) { mouse_.SetPosition(position); }
  // Pointer mode (shown) or captured mode (hidden, relative movement). A
  // pointer shown after capture appears at the tracked position.
  void ShowPointer(bool shown);
  bool PointerShown() const { return pointerShown_; }
  int32_t activeMouse = 0;  // only mouse 0 exists; every index reads it

  // Joysticks.
  JoystickSet& Joysticks() { return joysticks_; }

 private:
  void TakeEvents();
  uint8_t LayoutCharacterOf(uint8_t code, LayoutLevel level) const;
  PointerMapping Mapping() const;
  // The system pointer in screen pixels.
  MousePoint SystemPointer() const;

  InputEventSource eventSource_ = nullptr;
  ScreenSizeSource screenSize_ = nullptr;
  PointerMappingSource pointerMapping_ = nullptr;
  SDL_Window* window_ = nullptr;
  bool windowActive_ = true;
  bool joystickLayer_ = false;
  bool hapticLayer_ = false;

  uint8_t keyState_[256] = {};  // the snapshot the commands read
  bool held_[256] = {};         // what the key events say now
  bool unseenPress_[256] = {};    // pressed, and no poll has seen it held yet
  bool tapsThisFrame_[256] = {};  // taps found since the frame began
  bool tapsLastFrame_[256] = {};  // taps found during the frame before
  bool pressedSinceLook_[256] = {};  // presses since the frame cycle's last look
  TypedCharRules typed_;
  bool allKeysLetGo_ = false;  // since the last TypedChar
  LearntLevels learntLevels_;
  uint8_t textKeyCode_ = 0;  // the last key pressed, until its text arrives
  LayoutLevel textKeyLevel_ = kLevelPlain;

  MouseTracker mouse_;
  bool pointerShown_ = false;

  JoystickSet joysticks_;
};

// The process-wide input context (owned by the engine state), or null.
InputContext* ActiveInput();
void SetActiveInput(InputContext* input);

}  // namespace vdr
