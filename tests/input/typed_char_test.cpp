// The typed-character rules over key snapshots, with a US layout.

#include "input/typed_char.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>

namespace vdr {
namespace {

// Scan code -> the key a US layout gives it.
const std::map<uint8_t, SDL_Keycode> kUsLayout = {
    {1, SDLK_ESCAPE}, {2, SDLK_1},      {14, SDLK_BACKSPACE}, {15, SDLK_TAB}, {16, SDLK_q},
    {28, SDLK_RETURN}, {30, SDLK_a},    {31, SDLK_s},         {44, SDLK_z},   {57, SDLK_SPACE},
    {71, SDLK_KP_7},  {156, SDLK_KP_ENTER}, {181, SDLK_KP_DIVIDE}, {200, SDLK_UP}, {211, SDLK_DELETE},
    {3, SDLK_2},      {12, SDLK_MINUS}, {39, SDLK_SEMICOLON}, {53, SDLK_SLASH},
};
// What the US keys type with Shift; the AltGr levels type what the plain one does.
const std::map<uint8_t, uint8_t> kUsShifted = {
    {2, '!'}, {3, '@'}, {12, '_'}, {39, ':'}, {53, '?'}, {16, 'Q'}, {30, 'A'},
};

uint8_t UsCharacter(uint8_t code, LayoutLevel level) {
  if ((level & kLevelShift) != 0) {
    const auto shifted = kUsShifted.find(code);
    if (shifted != kUsShifted.end()) return shifted->second;
  }
  const auto key = kUsLayout.find(code);
  return key != kUsLayout.end() ? LayoutCharacter(key->second, true) : 0;
}

class TypedCharTest : public testing::Test {
 protected:
  void Hold(std::initializer_list<uint8_t> codes) {
    for (uint8_t code : codes) keys_[code] = 0x80;
  }
  void Release(std::initializer_list<uint8_t> codes) {
    for (uint8_t code : codes) keys_[code] = 0;
  }
  int Next() { return rules_.Next(keys_, UsCharacter); }

  uint8_t keys_[256] = {};
  TypedCharRules rules_;
};

TEST_F(TypedCharTest, HeldLetterTypesOnceUntilAllKeysAreReleased) {
  Hold({30});
  EXPECT_EQ(Next(), 'a');
  EXPECT_EQ(Next(), 0);
  EXPECT_EQ(Next(), 0);
  Release({30});
  EXPECT_EQ(Next(), 0);
  Hold({30});
  EXPECT_EQ(Next(), 'a');
}

TEST_F(TypedCharTest, LowerScanCodeWinsAtOnceHigherWaitsForRelease) {
  Hold({30});  // a
  EXPECT_EQ(Next(), 'a');
  Hold({16});  // q, lower
  EXPECT_EQ(Next(), 'q');
  Release({16, 30});
  EXPECT_EQ(Next(), 0);

  Hold({16});
  EXPECT_EQ(Next(), 'q');
  Hold({31});  // s, higher
  EXPECT_EQ(Next(), 0);
  EXPECT_EQ(Next(), 0);
  Release({16});
  EXPECT_EQ(Next(), 's');
}

TEST_F(TypedCharTest, ShiftMakesLettersUpperCaseWithoutTypingAgain) {
  Hold({42, 30});
  EXPECT_EQ(Next(), 'A');
  Release({42});
  EXPECT_EQ(Next(), 0);  // still the same letter
  Release({30});
  Next();
  // Layout letters beyond ASCII follow the same rule.
  TypedCharRules rules;
  uint8_t keys[256] = {};
  keys[42] = keys[39] = 0x80;
  EXPECT_EQ(rules.Next(keys, [](uint8_t code, LayoutLevel) { return code == 39 ? LayoutCharacter(0xE4, true) : 0; }),
            0xC4);
}

TEST_F(TypedCharTest, ShiftedKeysTypeWhatTheLayoutGivesThem) {
  struct Case {
    std::initializer_list<uint8_t> held;
    int typed;
  };
  const Case cases[] = {
      {{42, 2}, '!'}, {{54, 2}, '!'}, {{42, 3}, '@'}, {{42, 12}, '_'}, {{42, 39}, ':'}, {{54, 53}, '?'},
      {{2}, '1'},     {{12}, '-'},
  };
  for (const Case& c : cases) {
    TypedCharRules rules;
    uint8_t keys[256] = {};
    for (uint8_t code : c.held) keys[code] = 0x80;
    EXPECT_EQ(rules.Next(keys, UsCharacter), c.typed) << "last held code " << int(*(c.held.end() - 1));
  }
  // The shifted character is the one remembered: letting go of Shift types the plain one.
  Hold({42, 2});
  EXPECT_EQ(Next(), '!');
  EXPECT_EQ(Next(), 0);
  Release({42});
  EXPECT_EQ(Next(), '1');
}

TEST(LayoutLevelTest, ModifiersChooseTheLevel) {
  struct Case {
    std::initializer_list<uint8_t> held;
    LayoutLevel level;
  };
  const Case cases[] = {
      {{}, kLevelPlain},          {{42}, kLevelShift},           {{54}, kLevelShift},
      {{184}, kLevelAltGr},       {{29, 56}, kLevelAltGr},       {{157, 56}, kLevelAltGr},
      {{29}, kLevelPlain},        {{56}, kLevelPlain},           {{42, 184}, kLevelShiftAltGr},
  };
  for (const Case& c : cases) {
    uint8_t keys[256] = {};
    for (uint8_t code : c.held) keys[code] = 0x80;
    EXPECT_EQ(LevelOfKeys(keys), c.level) << "held " << c.held.size();
  }
  // A German board: AltGr+Q types "@".
  TypedCharRules rules;
  uint8_t keys[256] = {};
  keys[184] = keys[16] = 0x80;
  const auto german = [](uint8_t code, LayoutLevel level) -> uint8_t {
    return code == 16 ? (level == kLevelAltGr ? '@' : 'q') : 0;
  };
  EXPECT_EQ(rules.Next(keys, german), '@');
}

TEST_F(TypedCharTest, KeysTypeTheirCodesOrNothing) {
  struct Case {
    std::initializer_list<uint8_t> held;
    int typed;
  };
  const Case cases[] = {
      {{14}, 8},          // Backspace
      {{28}, 10},         // Enter
      {{156}, 10},        // keypad Enter
      {{57}, ' '},
      {{71}, '7'},        // keypad 7 with Num Lock on
      {{181}, '/'},
      {{1}, 0},           // Escape: a control character
      {{15}, 0},          // Tab
      {{211}, 0},         // Delete
      {{200}, 0},         // Up
      {{29, 42, 54, 56, 58, 69, 221}, 0},  // modifiers, locks, Apps
      {{29, 30}, 0},      // Ctrl+a types a control character
      {{29, 28}, 10},     // Ctrl+Enter keeps its code
      {{29, 56, 16}, 'q'},  // Ctrl+Alt is the layout's third level
      {{1, 30}, 'a'},     // the first key that types something
  };
  for (const Case& c : cases) {
    TypedCharRules rules;
    uint8_t keys[256] = {};
    for (uint8_t code : c.held) keys[code] = 0x80;
    EXPECT_EQ(rules.Next(keys, UsCharacter), c.typed) << "first held code " << int(*c.held.begin());
  }
}

TEST(LayoutCharacterTest, KeysBecomeRuntimeBytes) {
  EXPECT_EQ(LayoutCharacter(SDLK_a, false), 'a');
  EXPECT_EQ(LayoutCharacter(SDLK_RETURN, false), '\r');  // a control character, dropped by the rules
  EXPECT_EQ(LayoutCharacter(SDLK_DELETE, false), 0);
  EXPECT_EQ(LayoutCharacter(0xE4, false), 0xE4);  // ä of a German layout
  EXPECT_EQ(LayoutCharacter(0x20AC, false), 0);   // € has no byte
  EXPECT_EQ(LayoutCharacter(SDLK_KP_9, true), '9');
  EXPECT_EQ(LayoutCharacter(SDLK_KP_9, false), 0);
  EXPECT_EQ(LayoutCharacter(SDLK_KP_PERIOD, false), 0);
  EXPECT_EQ(LayoutCharacter(SDLK_KP_MINUS, false), '-');
  EXPECT_EQ(LayoutCharacter(SDLK_F1, true), 0);
}

}  // namespace
}  // namespace vdr
