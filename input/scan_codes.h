#pragma once
// The runtime's key codes are PC set-1 scan codes (extended keys at 128 + code);
// SDL reports USB-style scancodes. This table translates once, in one place.

#include <SDL2/SDL_scancode.h>

#include <cstdint>

#include "input/key_codes.h"

namespace vdr {

// The set-1 code of an SDL scancode; 0 for keys without one.
uint8_t ScanCodeFromSdl(SDL_Scancode scancode);
// The SDL scancode of a set-1 code; SDL_SCANCODE_UNKNOWN for codes without a key.
SDL_Scancode SdlScancodeFor(uint8_t code);

}  // namespace vdr
