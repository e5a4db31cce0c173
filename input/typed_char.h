#pragma once
// The rules that turn held keys into typed characters: the lowest held scan
// code that types something wins, each press types once, nothing repeats.
// The keyboard layout comes in as a lookup, so the rules run without a window.
// Keys type what the layout gives them with the modifiers held: Shift+1 is
// "!" on a US board, AltGr+Q "@" on a German one.

#include <SDL2/SDL_keycode.h>

#include <cstdint>
#include <functional>

namespace vdr {

// The character a key of the layout types, as a runtime byte (Latin-1
// range); 0 for keys that type nothing. Keypad digits and the keypad point
// type only while Num Lock is on.
uint8_t LayoutCharacter(SDL_Keycode keycode, bool numLock);

// The shift levels of a layout: which modifiers choose a key's character.
enum LayoutLevel : uint8_t {
  kLevelPlain = 0,
  kLevelShift = 1,
  kLevelAltGr = 2,  // right Alt, or Ctrl with Alt
  kLevelShiftAltGr = 3,
};
constexpr int kLayoutLevels = 4;

// The level that the modifiers held in a key snapshot (bit 7 set = held) choose.
LayoutLevel LevelOfKeys(const uint8_t (&keyState)[256]);

// Set-1 scan code and level -> the layout's character for that key (0 for none).
using LayoutLookup = std::function<uint8_t(uint8_t code, LayoutLevel level)>;

// What the keys typed on each level other than the plain one, learnt from the
// characters the system reports as they are typed: the layout itself can only
// be asked for a key's plain character. Unknown entries are 0.
class LearntLevels {
 public:
  void Learn(uint8_t code, LayoutLevel level, uint8_t character) { characters_[code][level] = character; }
  uint8_t Character(uint8_t code, LayoutLevel level) const { return characters_[code][level]; }
  // The layout changed: everything learnt is stale.
  void Forget();

 private:
  uint8_t characters_[256][kLayoutLevels] = {};
};

class TypedCharRules {
 public:
  // The character typed now from a key snapshot (bit 7 set = held), or 0.
  // Each key is looked up on the level its modifiers choose. Letters are
  // remembered in lower case and come out in upper case while a Shift key is
  // held; Backspace gives 8 and both Enter keys 10; control
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
