// The turning rings example in its own process: the lit rings show over the
// fog, Space switches the shader on and the caption says so, Escape ends.

#include <gtest/gtest.h>

#include "files/platform_paths.h"
#include "tests/support/program_driver.h"

namespace vdr::test {
namespace {

constexpr uint32_t kFog = 0x402818;

// Pixels of the rings: lit gold or white, far from the fog's dark blue.
int RingPixels(const WindowPicture& p) {
  return CountPixels(p, 0, 40, 640, 480, [](uint32_t c) { return (c & 0xFF) > 0x90 && c != kFog; });
}

// Caption pixels: the font's white over the fog.
int CaptionPixels(const WindowPicture& p) {
  return CountPixels(p, 0, 0, 240, 32, [](uint32_t c) { return c == 0xFFFFFF; });
}

TEST(TurningRingsExample, RingsShowAndSpaceSwitchesTheShader) {
  ProgramDriver example(TURNING_RINGS_EXECUTABLE, "", TempFolder() + "turning-rings");
  ASSERT_TRUE(example.WaitForWindow(60));
  const WindowPicture fixed = example.WaitFor([](const WindowPicture& p) { return RingPixels(p) > 2000; });
  ASSERT_GT(fixed.width, 0) << "no rings shown";
  const int caption = CaptionPixels(fixed);
  ASSERT_GT(caption, 0);
  // Keys are held until the program has seen them: it reads them once a frame.
  example.Xdotool("keydown space");
  // "Space: shader off" is longer than "Space: shader on".
  const WindowPicture banded = example.WaitFor(
      [caption](const WindowPicture& p) { return CaptionPixels(p) > caption && RingPixels(p) > 2000; });
  example.Xdotool("keyup space");
  EXPECT_GT(banded.width, 0) << "the caption did not change";
  example.Xdotool("keydown Escape");
  EXPECT_EQ(example.WaitForExit(60), 0);
  example.Xdotool("keyup Escape");
}

}  // namespace
}  // namespace vdr::test
