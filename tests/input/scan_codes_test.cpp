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

}  // namespace
}  // namespace vdr
