// The turning rings example in its own process: the lit rings show over the
// fog, Space switches the shader on and the caption says so, the mouse over
// a ring names it, Escape ends.

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

// Pixels of the "Pointing at ring" line at the bottom.
int PointingPixels(const WindowPicture& p) {
  return CountPixels(p, 0, 448, 320, 480, [](uint32_t c) { return c == 0xFFFFFF; });
}

// The middle of the ring pixels in the row with most of them.
bool RingPixel(const WindowPicture& p, int& x, int& y) {
  int best = 0;
  for (int row = 60; row < 440; row += 4) {
    int count = 0, sum = 0;
    for (int column = 0; column < p.width; ++column) {
      const uint32_t c = p.At(column, row);
      if ((c & 0xFF) > 0x90 && c != kFog) ++count, sum += column;
    }
    if (count > best) best = count, x = sum / count, y = row;
  }
  return best > 0 && (p.At(x, y) & 0xFF) > 0x90;
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
  // The mouse on a ring pixel: the ray through it finds the ring. The rings
  // turn, so the pointer follows a ring pixel until the line shows.
  bool named = false;
  for (int attempt = 0; attempt < 20 && !named; ++attempt) {
    int x = 0, y = 0;
    if (!RingPixel(example.Capture(), x, y)) continue;
    example.MoveTo(x, y);
    named = example.WaitFor([](const WindowPicture& p) { return PointingPixels(p) > 0; }, 3).width > 0;
  }
  EXPECT_TRUE(named) << "no ring named under the mouse";
  example.Xdotool("keydown Escape");
  EXPECT_EQ(example.WaitForExit(60), 0);
  example.Xdotool("keyup Escape");
}

}  // namespace
}  // namespace vdr::test
