#pragma once
// The runtime's key codes are PC set-1 scan codes (extended keys at 128 + code);
// SDL reports USB-style scancodes. This table translates once, in one place.

#include <SDL2/SDL_scancode.h>

#include <cstdint>

namespace vdr {

enum KeyCode : uint8_t {
  kKeyEscape = 1,
  kKeyBackspace = 14,
  kKeyTab = 15,
  kKeyEnter = 28,
  kKeyLeftCtrl = 29,
  kKeyLeftShift = 42,
  kKeyRightShift = 54,
  kKeyLeftAlt = 56,
  kKeyCapsLock = 58,
  kKeyF4 = 62,
  kKeyNumLock = 69,
  kKeyEscapeExtended = 129,
  kKeyPadEnter = 156,
  kKeyRightCtrl = 157,
  kKeyRightAlt = 184,
  kKeyHome = 199,
  kKeyUp = 200,
  kKeyPageUp = 201,
  kKeyEnd = 207,
  kKeyDown = 208,
  kKeyPageDown = 209,
  kKeyApps = 221,
};

// The set-1 code of an SDL scancode; 0 for keys without one.
uint8_t ScanCodeFromSdl(SDL_Scancode scancode);
// The SDL scancode of a set-1 code; SDL_SCANCODE_UNKNOWN for codes without a key.
SDL_Scancode SdlScancodeFor(uint8_t code);

}  // namespace vdr
