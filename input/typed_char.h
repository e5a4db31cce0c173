#pragma once
// The rules that turn held keys into typed characters: the lowest held scan
// code that types something wins, each press types once, nothing repeats.
// The keyboard layout comes in as a lookup, so the rules run without a window.

#include <SDL2/SDL_keycode.h>

#include <cstdint>
#include <functional>

namespace vdr {

// The character a key of the layout types, as a runtime byte (Latin-1
// range); 0 for keys that type nothing. Keypad digits and the keypad point
// type only while Num Lock is on.
uint8_t LayoutCharacter(SDL_Keycode keycode, bool numLock);

// Set-1 scan code -> the layout's character for that key (0 for none).
using LayoutLookup = std::function<uint8_t(uint8_t code)>;

class TypedCharRules {
 public:
  // The character typed now from a key snapshot (bit 7 set = held), or 0.
  // Letters are remembered in lower case and come out in upper case while a
  // Shift key is held; Backspace gives 8 and both Enter keys 10; control
  // characters and modifier keys give nothing, and so does any key while Ctrl
  // is held without Alt. A character equal to the one remembered from the
  // last call gives nothing, so a held key types once.
  uint8_t Next(const uint8_t (&keyState)[256], const LayoutLookup& layout);
  // Every key was let go (perhaps between two snapshots): the next press of
  // the same key types again.
  void Forget() { remembered_ = 0; }

 private:
  uint8_t remembered_ = 0;
};

}  // namespace vdr
