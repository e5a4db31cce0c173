// Key positions translate to set-1 codes, whatever the layout calls the key.

#include "input/scan_codes.h"

#include <SDL2/SDL_keyboard.h>
#include <gtest/gtest.h>

namespace vdr {
namespace {

TEST(ScanCodesTest, KeysByPosition) {
  const struct {
    SDL_Scancode sdl;
    uint8_t code;
  } cases[] = {
      {SDL_SCANCODE_ESCAPE, 1},   {SDL_SCANCODE_1, 2},        {SDL_SCANCODE_0, 11},     {SDL_SCANCODE_BACKSPACE, 14},
      {SDL_SCANCODE_TAB, 15},     {SDL_SCANCODE_Q, 16},       {SDL_SCANCODE_Y, 21},     {SDL_SCANCODE_P, 25},
      {SDL_SCANCODE_RETURN, 28},  {SDL_SCANCODE_LCTRL, 29},   {SDL_SCANCODE_A, 30},     {SDL_SCANCODE_S, 31},
      {SDL_SCANCODE_L, 38},       {SDL_SCANCODE_LSHIFT, 42},  {SDL_SCANCODE_Z, 44},     {SDL_SCANCODE_M, 50},
      {SDL_SCANCODE_RSHIFT, 54},  {SDL_SCANCODE_LALT, 56},    {SDL_SCANCODE_SPACE, 57}, {SDL_SCANCODE_CAPSLOCK, 58},
      {SDL_SCANCODE_F1, 59},      {SDL_SCANCODE_F4, 62},      {SDL_SCANCODE_F10, 68},     {SDL_SCANCODE_F11, 87},   {SDL_SCANCODE_F12, 88},
      {SDL_SCANCODE_NONUSBACKSLASH, 86}, {SDL_SCANCODE_KP_ENTER, 156}, {SDL_SCANCODE_RCTRL, 157},
      {SDL_SCANCODE_KP_DIVIDE, 181}, {SDL_SCANCODE_RALT, 184}, {SDL_SCANCODE_HOME, 199}, {SDL_SCANCODE_UP, 200},
      {SDL_SCANCODE_PAGEUP, 201}, {SDL_SCANCODE_LEFT, 203},   {SDL_SCANCODE_RIGHT, 205}, {SDL_SCANCODE_END, 207},
      {SDL_SCANCODE_DOWN, 208},   {SDL_SCANCODE_PAGEDOWN, 209}, {SDL_SCANCODE_INSERT, 210},
      {SDL_SCANCODE_DELETE, 211}, {SDL_SCANCODE_LGUI, 219},   {SDL_SCANCODE_APPLICATION, 221},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScanCodeFromSdl(c.sdl), c.code) << SDL_GetScancodeName(c.sdl);
    EXPECT_EQ(SdlScancodeFor(c.code), c.sdl) << int(c.code);
  }
}

TEST(ScanCodesTest, EveryKeyOfTheStandardBoardHasACode) {
  // Set-1 codes 1-83: every key of the standard board.
  for (int code = 1; code <= 83; ++code) {
    const SDL_Scancode sdl = SdlScancodeFor(static_cast<uint8_t>(code));
    ASSERT_NE(sdl, SDL_SCANCODE_UNKNOWN) << code;
    EXPECT_EQ(ScanCodeFromSdl(sdl), code);
  }
  EXPECT_EQ(SdlScancodeFor(0), SDL_SCANCODE_UNKNOWN);
  EXPECT_EQ(ScanCodeFromSdl(SDL_SCANCODE_UNKNOWN), 0);
  EXPECT_EQ(ScanCodeFromSdl(static_cast<SDL_Scancode>(-1)), 0);
  EXPECT_EQ(ScanCodeFromSdl(SDL_NUM_SCANCODES), 0);
}

// The names programs use (input/key_codes.h) are the codes of the keys they
// name.
TEST(ScanCodesTest, EveryNamedKeyIsTheKeyItNames) {
#define KEY(name, sdl) {kKey##name, SDL_SCANCODE_##sdl, #name}
  const struct {
    KeyCode code;
    SDL_Scancode sdl;
    const char* name;
  } cases[] = {
      KEY(Escape, ESCAPE), KEY(1, 1), KEY(2, 2), KEY(3, 3), KEY(4, 4), KEY(5, 5), KEY(6, 6), KEY(7, 7), KEY(8, 8),
      KEY(9, 9), KEY(0, 0), KEY(Minus, MINUS), KEY(Equals, EQUALS), KEY(Backspace, BACKSPACE), KEY(Tab, TAB),
      KEY(Q, Q), KEY(W, W), KEY(E, E), KEY(R, R), KEY(T, T), KEY(Y, Y), KEY(U, U), KEY(I, I), KEY(O, O), KEY(P, P),
      KEY(LeftBracket, LEFTBRACKET), KEY(RightBracket, RIGHTBRACKET), KEY(Enter, RETURN), KEY(LeftCtrl, LCTRL),
      KEY(A, A), KEY(S, S), KEY(D, D), KEY(F, F), KEY(G, G), KEY(H, H), KEY(J, J), KEY(K, K), KEY(L, L),
      KEY(Semicolon, SEMICOLON), KEY(Apostrophe, APOSTROPHE), KEY(Grave, GRAVE), KEY(LeftShift, LSHIFT),
      KEY(Backslash, BACKSLASH), KEY(Z, Z), KEY(X, X), KEY(C, C), KEY(V, V), KEY(B, B), KEY(N, N), KEY(M, M),
      KEY(Comma, COMMA), KEY(Period, PERIOD), KEY(Slash, SLASH), KEY(RightShift, RSHIFT),
      KEY(PadMultiply, KP_MULTIPLY), KEY(LeftAlt, LALT), KEY(Space, SPACE), KEY(CapsLock, CAPSLOCK), KEY(F1, F1),
      KEY(F2, F2), KEY(F3, F3), KEY(F4, F4), KEY(F5, F5), KEY(F6, F6), KEY(F7, F7), KEY(F8, F8), KEY(F9, F9),
      KEY(F10, F10), KEY(NumLock, NUMLOCKCLEAR), KEY(ScrollLock, SCROLLLOCK), KEY(Pad7, KP_7), KEY(Pad8, KP_8),
      KEY(Pad9, KP_9), KEY(PadMinus, KP_MINUS), KEY(Pad4, KP_4), KEY(Pad5, KP_5), KEY(Pad6, KP_6),
      KEY(PadPlus, KP_PLUS), KEY(Pad1, KP_1), KEY(Pad2, KP_2), KEY(Pad3, KP_3), KEY(Pad0, KP_0),
      KEY(PadPeriod, KP_PERIOD), KEY(NonUsBackslash, NONUSBACKSLASH), KEY(F11, F11), KEY(F12, F12),
      KEY(F13, F13), KEY(F14, F14), KEY(F15, F15), KEY(PadEquals, KP_EQUALS), KEY(PadEnter, KP_ENTER),
      KEY(RightCtrl, RCTRL), KEY(PadDivide, KP_DIVIDE), KEY(PrintScreen, PRINTSCREEN), KEY(RightAlt, RALT),
      KEY(Pause, PAUSE), KEY(Home, HOME), KEY(Up, UP), KEY(PageUp, PAGEUP), KEY(Left, LEFT), KEY(Right, RIGHT),
      KEY(End, END), KEY(Down, DOWN), KEY(PageDown, PAGEDOWN), KEY(Insert, INSERT), KEY(Delete, DELETE),
      KEY(LeftSuper, LGUI), KEY(RightSuper, RGUI), KEY(Apps, APPLICATION),
  };
#undef KEY
  for (const auto& c : cases) EXPECT_EQ(ScanCodeFromSdl(c.sdl), c.code) << "kKey" << c.name;
}

}  // namespace
}  // namespace vdr
