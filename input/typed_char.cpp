#include "input/typed_char.h"

#include <algorithm>
#include <iterator>

#include "input/scan_codes.h"

namespace vdr {
namespace {

bool Held(const uint8_t (&keyState)[256], uint8_t code) { return (keyState[code] & 0x80) != 0; }

bool IsLowerLetter(uint8_t c) { return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7); }
bool IsUpperLetter(uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7); }

// What one held key types on a level, before the letter and memory rules.
uint8_t CharacterOfKey(uint8_t code, LayoutLevel level, const LayoutLookup& layout) {
  switch (code) {
    case kKeyBackspace:
      return 8;
    case kKeyEnter:
    case kKeyPadEnter:
      return 10;
    case kKeyLeftCtrl:
    case kKeyLeftShift:
    case kKeyRightShift:
    case kKeyLeftAlt:
    case kKeyCapsLock:
    case kKeyNumLock:
    case kKeyApps:
      return 0;
    default:
      break;
  }
  const uint8_t c = layout(code, level);
  if (c < 32 && c != 8 && c != 10) return 0;
  return c;
}

}  // namespace

uint8_t LayoutCharacter(SDL_Keycode keycode, bool numLock) {
  if (keycode > 0 && keycode < 127) return static_cast<uint8_t>(keycode);
  if (keycode >= 160 && keycode <= 255) return static_cast<uint8_t>(keycode);
  switch (keycode) {
    case SDLK_KP_DIVIDE:
      return '/';
    case SDLK_KP_MULTIPLY:
      return '*';
    case SDLK_KP_MINUS:
      return '-';
    case SDLK_KP_PLUS:
      return '+';
    case SDLK_KP_PERIOD:
      return numLock ? '.' : 0;
    case SDLK_KP_0:
      return numLock ? '0' : 0;
    default:
      break;
  }
  if (keycode >= SDLK_KP_1 && keycode <= SDLK_KP_9) return numLock ? static_cast<uint8_t>('1' + keycode - SDLK_KP_1) : 0;
  return 0;
}

LayoutLevel LevelOfKeys(const uint8_t (&keyState)[256]) {
  const bool shift = Held(keyState, kKeyLeftShift) || Held(keyState, kKeyRightShift);
  const bool ctrl = Held(keyState, kKeyLeftCtrl) || Held(keyState, kKeyRightCtrl);
  const bool altGr = Held(keyState, kKeyRightAlt) || (ctrl && Held(keyState, kKeyLeftAlt));
  return static_cast<LayoutLevel>((shift ? kLevelShift : 0) | (altGr ? kLevelAltGr : 0));
}

void LearntLevels::Forget() {
  for (auto& levels : characters_) std::fill(std::begin(levels), std::end(levels), 0);
}

uint8_t TypedCharRules::Next(const uint8_t (&keyState)[256], const LayoutLookup& layout) {
  const bool ctrl = Held(keyState, kKeyLeftCtrl) || Held(keyState, kKeyRightCtrl);
  const bool alt = Held(keyState, kKeyLeftAlt) || Held(keyState, kKeyRightAlt);
  const LayoutLevel level = LevelOfKeys(keyState);
  uint8_t typed = 0;
  for (int code = 0; code < 255 && typed == 0; ++code) {
    if (!Held(keyState, static_cast<uint8_t>(code))) continue;
    typed = CharacterOfKey(static_cast<uint8_t>(code), level, layout);
    // Ctrl turns keys into control characters, which type nothing; Enter and
    // Backspace keep their codes.
    if (ctrl && !alt && typed != 8 && typed != 10) typed = 0;
  }
  if (IsUpperLetter(typed)) typed += 0x20;
  if (typed == remembered_) return 0;
  remembered_ = typed;
  const bool shift = Held(keyState, kKeyLeftShift) || Held(keyState, kKeyRightShift);
  return shift && IsLowerLetter(typed) ? static_cast<uint8_t>(typed - 0x20) : typed;
}

}  // namespace vdr
