#include "input/input_context.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <iterator>

#include "files/runtime_log.h"
#include "input/scan_codes.h"

namespace vdr {
namespace {
InputContext* g_input = nullptr;

// The one character of UTF-8 text when it has a runtime byte (Latin-1), else 0.
uint8_t SingleLatin1Character(const char* text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  if (bytes[0] < 0x80) return bytes[1] == 0 ? bytes[0] : 0;
  if (bytes[0] != 0xC2 && bytes[0] != 0xC3) return 0;
  if ((bytes[1] & 0xC0) != 0x80 || bytes[2] != 0) return 0;
  return static_cast<uint8_t>(((bytes[0] & 0x1F) << 6) | (bytes[1] & 0x3F));
}

uint32_t ButtonsDown(uint32_t sdlButtons) {
  return ((sdlButtons & SDL_BUTTON_LMASK) != 0 ? 1u : 0u) | ((sdlButtons & SDL_BUTTON_RMASK) != 0 ? 2u : 0u) |
         ((sdlButtons & SDL_BUTTON_MMASK) != 0 ? 4u : 0u);
}

// The system pointer in window coordinates.
MousePoint WindowPointer() {
  // SDL follows the pointer through the window's own motion events: over the
  // window its position, once it has left the point where it left (at the
  // window's edge), and while a button is held, when SDL captures the mouse,
  // positions outside too. SDL's desktop-wide position is refreshed only by
  // relative device motion, so it would miss absolute pointers and pointers
  // placed by other programs.
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  return MousePoint{x, y};
}

}  // namespace

InputContext* ActiveInput() { return g_input; }
void SetActiveInput(InputContext* input) { g_input = input; }

PointerMapping InputContext::Mapping() const {
  return pointerMapping_ != nullptr ? pointerMapping_() : PointerMapping{};
}

MousePoint InputContext::SystemPointer() const { return Mapping().ToLogical(WindowPointer()); }

void InputContext::SetUpDevices(SDL_Window* window, bool captureMouse) {
  activeMouse = 0;
  joystickLayer_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
  if (!joystickLayer_) WriteLogLine("No DX_Input");
  hapticLayer_ = joystickLayer_ && SDL_InitSubSystem(SDL_INIT_HAPTIC) == 0;

  window_ = window;
  // Text events tell what the keys type with their modifiers.
  SDL_StartTextInput();
  TakeEvents();  // SDL's pointer position is up to date
  mouse_.SetPosition(SystemPointer());
  for (int code = 0; code < 256; ++code) {
    keyState_[code] = 0;
    held_[code] = unseenPress_[code] = tapsThisFrame_[code] = tapsLastFrame_[code] = pressedSinceLook_[code] = false;
  }

  pointerShown_ = false;
  if (captureMouse) {
    if (SDL_SetRelativeMouseMode(SDL_TRUE) != 0) WriteLogLine("No DX_Mouse");
    SDL_ShowCursor(SDL_DISABLE);
  } else {
    ShowPointer(true);
  }
  if (joystickLayer_) joysticks_.Open();
}

void InputContext::WindowChanged(SDL_Window* window) {
  ShowPointer(pointerShown_);
  window_ = window;
}

void InputContext::ReleaseDevices() {
  ShowPointer(true);
  joysticks_.Close();
  if (hapticLayer_) SDL_QuitSubSystem(SDL_INIT_HAPTIC);
  if (joystickLayer_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  hapticLayer_ = joystickLayer_ = false;
}

void InputContext::TakeEvents() {
  if (eventSource_ != nullptr) eventSource_(*this);
}

void InputContext::PollKeyboard() {
  if (!windowActive_) return;
  TakeEvents();
  for (int code = 0; code < 256; ++code) {
    if (!held_[code] && unseenPress_[code]) tapsThisFrame_[code] = true;
    unseenPress_[code] = false;
    keyState_[code] = held_[code] || tapsThisFrame_[code] || tapsLastFrame_[code] ? 0x80 : 0;
  }
}

void InputContext::BeginFrame() {
  for (int code = 0; code < 256; ++code) {
    tapsLastFrame_[code] = tapsThisFrame_[code];
    tapsThisFrame_[code] = false;
  }
}

void InputContext::ForgetSeenTaps() {
  for (int code = 0; code < 256; ++code) {
    tapsThisFrame_[code] = tapsLastFrame_[code] = false;
    keyState_[code] = held_[code] ? 0x80 : 0;
  }
}

bool InputContext::HeldOrPressedSinceLastLook(uint8_t code) {
  const bool pressed = pressedSinceLook_[code];
  pressedSinceLook_[code] = false;
  return pressed || KeyHeld(code);
}

void InputContext::ApplyKeyEvent(const SDL_KeyboardEvent& event) {
  textKeyCode_ = 0;
  if (!windowActive_) return;
  const uint8_t code = ScanCodeFromSdl(event.keysym.scancode);
  if (code == 0) return;
  held_[code] = event.state == SDL_PRESSED;
  if (held_[code]) {
    unseenPress_[code] = pressedSinceLook_[code] = true;
    uint8_t heldKeys[256];
    for (int c = 0; c < 256; ++c) heldKeys[c] = held_[c] ? 0x80 : 0;
    textKeyCode_ = code;
    textKeyLevel_ = LevelOfKeys(heldKeys);
  } else if (std::none_of(std::begin(held_), std::end(held_), [](bool held) { return held; })) {
    allKeysLetGo_ = true;
  }
}

void InputContext::ApplyTextEvent(const SDL_TextInputEvent& event) {
  const uint8_t code = textKeyCode_;
  textKeyCode_ = 0;
  if (code == 0 || textKeyLevel_ == kLevelPlain) return;
  const uint8_t character = SingleLatin1Character(event.text);
  if (character >= 32) learntLevels_.Learn(code, textKeyLevel_, character);
}

uint8_t InputContext::LayoutCharacterOf(uint8_t code, LayoutLevel level) const {
  const SDL_Scancode scancode = SdlScancodeFor(code);
  if (scancode == SDL_SCANCODE_UNKNOWN) return 0;
  const uint8_t plain = LayoutCharacter(SDL_GetKeyFromScancode(scancode), (SDL_GetModState() & KMOD_NUM) != 0);
  if (level == kLevelPlain) return plain;
  // Until the key has been typed on this level, its plain character.
  const uint8_t learnt = learntLevels_.Character(code, level);
  return learnt != 0 ? learnt : plain;
}

void InputContext::SetWindowActive(bool active) {
  if (active && !windowActive_) {
    int count = 0;
    const Uint8* sdlKeys = SDL_GetKeyboardState(&count);
    for (int scancode = 0; scancode < count; ++scancode) {
      const uint8_t code = ScanCodeFromSdl(static_cast<SDL_Scancode>(scancode));
      if (code != 0) held_[code] = sdlKeys[scancode] != 0;
    }
    mouse_.ResetDevice(ButtonsDown(SDL_GetMouseState(nullptr, nullptr)));
  }
  windowActive_ = active;
}

bool InputContext::AnyKeyHeld() const {
  for (int code = 0; code < 255; ++code) {
    if (KeyHeld(static_cast<uint8_t>(code))) return true;
  }
  return false;
}

uint8_t InputContext::TypedChar() {
  PollKeyboard();
  if (allKeysLetGo_) typed_.Forget();
  allKeysLetGo_ = false;
  return typed_.Next(keyState_, [this](uint8_t code, LayoutLevel level) { return LayoutCharacterOf(code, level); });
}

void InputContext::ApplyMouseEvent(const SDL_Event& event) {
  if (!windowActive_) return;
  switch (event.type) {
    case SDL_MOUSEMOTION:
      mouse_.AddMotion(event.motion.xrel, event.motion.yrel);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const bool down = event.button.state == SDL_PRESSED;
      const MousePoint at = Mapping().ToLogical(MousePoint{event.button.x, event.button.y});
      if (event.button.button == SDL_BUTTON_LEFT) mouse_.SetButton(kMouseLeft, down, at);
      if (event.button.button == SDL_BUTTON_RIGHT) mouse_.SetButton(kMouseRight, down, at);
      if (event.button.button == SDL_BUTTON_MIDDLE) mouse_.SetButton(kMouseMiddle, down, at);
      break;
    }
    case SDL_MOUSEWHEEL:
      mouse_.AddWheel(event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y);
      break;
    default:
      break;
  }
}

MouseReading InputContext::ReadMouse() {
  // A device of the foreground window: nothing to read while it is away.
  if (!windowActive_) return MouseReading{};
  TakeEvents();
  return mouse_.Read(pointerShown_, pointerShown_ ? SystemPointer() : MousePoint{});
}

MousePoint InputContext::ClampMouseToScreen() {
  int32_t width = 0, height = 0;
  if (screenSize_ != nullptr) screenSize_(width, height);
  return mouse_.ClampToScreen(width, height);
}

MouseSample InputContext::SampleMouse() {
  const MouseReading reading = ReadMouse();
  return MouseSample{mouse_.Position(), reading.left, reading.right};
}

void InputContext::ShowPointer(bool shown) {
  const bool wasHidden = !pointerShown_;
  SDL_SetRelativeMouseMode(shown ? SDL_FALSE : SDL_TRUE);
  // Movement made in one mode is not carried into the other.
  mouse_.ResetDevice(ButtonsDown(SDL_GetMouseState(nullptr, nullptr)));
  if (shown) {
    const MousePoint at = Mapping().ToWindow(mouse_.Position());
    if (wasHidden && window_ != nullptr) SDL_WarpMouseInWindow(window_, at.x, at.y);
    SDL_SetCursor(SDL_GetDefaultCursor());
    SDL_ShowCursor(SDL_ENABLE);
  } else {
    SDL_ShowCursor(SDL_DISABLE);
  }
  pointerShown_ = shown;
}

}  // namespace vdr
