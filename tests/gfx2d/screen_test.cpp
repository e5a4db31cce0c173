// Offscreen screens, grabbing, reading pixels and the frame cycle's part.
// This program runs twice: with framebuffer objects, and with
// VENDRIL_NO_FRAMEBUFFER set, where screens copy through the back buffer.

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/frame_cycle.h"
#include "gfx2d/capture_commands.h"
#include "gfx2d/drawing_commands.h"
#include "gfx2d/render_context.h"
#include "gfx2d/sprite_commands.h"
#include "gfx2d/view_commands.h"
#include "tests/gfx2d/gfx2d_test_support.h"

namespace vdr {
namespace {

using test::FreshFrame;
using test::Pixel;

constexpr int32_t kScreenSlot = 200;

class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FreshFrame(test::kBlue);
    CreateScreen(0, kScreenSlot, 100, 50);
  }
  static bool Copying() { return std::getenv("VENDRIL_NO_FRAMEBUFFER") != nullptr; }
};

TEST_F(ScreenTest, TheRunUsesThePathItWasStartedFor) {
  EXPECT_EQ(ActiveRenderContext()->Screen(0).HasFramebuffer(), !Copying());
}

TEST_F(ScreenTest, EndingWithoutAScreenOnlyResetsTheViewport) {
  OpenGLLumet& context = *ActiveRenderContext();
  SetViewport(10, 10, 50, 50);
  AlphaMode(0.5);
  UseScreen(-1);
  EXPECT_EQ(context.Screens().CurrentScreen(), -1);
  EXPECT_EQ(context.Viewport(), (Rect{0, 0, context.Width(), context.Height()}));
  EXPECT_EQ(context.AlphaLevel(), 1.0f);
  EXPECT_EQ(Pixel(20, 20), test::kBlue);
  EXPECT_EQ(Pixel(0, 0), test::kBlue);
}

TEST_F(ScreenTest, ScreenDrawsFromItsTopLeftAndClipsAtItsSize) {
  UseScreen(0);
  EXPECT_EQ(ActiveRenderContext()->Screens().CurrentScreen(), 0);
  DrawRect(-10, -10, 300, 300, test::kRed);
  SetPixel(0, 0, test::kGreen);
  SetPixel(99, 49, test::kWhite);
  EXPECT_EQ(GetPixel(0, 0), test::kGreen);  // read from the screen
  EXPECT_EQ(GetPixel(99, 49), test::kWhite);
  UseScreen(-1);
  // The window is as it was.
  EXPECT_EQ(Pixel(0, 0), test::kBlue);
  EXPECT_EQ(Pixel(150, 100), test::kBlue);

  DrawSprite(kScreenSlot, 50, 60);
  EXPECT_EQ(Pixel(50, 60), test::kGreen);
  EXPECT_EQ(Pixel(51, 60), test::kRed);
  EXPECT_EQ(Pixel(149, 109), test::kWhite);
  EXPECT_EQ(Pixel(148, 109), test::kRed);
  EXPECT_EQ(Pixel(150, 60), test::kBlue);
  EXPECT_EQ(Pixel(50, 110), test::kBlue);
  EXPECT_EQ(Pixel(49, 60), test::kBlue);
}

TEST_F(ScreenTest, KeyColourOnAScreenMakesTransparentPixels) {
  UseScreen(0);
  DrawRect(0, 0, 100, 50, test::kRed);
  DrawRect(10, 10, 5, 5, test::kKey);
  SetPixel(30, 30, test::kKey);
  UseScreen(-1);
  ClearScreen(test::kGreen);
  DrawSprite(kScreenSlot, 0, 0);
  EXPECT_EQ(Pixel(9, 10), test::kRed);
  EXPECT_EQ(Pixel(10, 10), test::kGreen);
  EXPECT_EQ(Pixel(14, 14), test::kGreen);
  EXPECT_EQ(Pixel(15, 14), test::kRed);
  EXPECT_EQ(Pixel(30, 30), test::kGreen);
  EXPECT_EQ(Pixel(31, 30), test::kRed);
}

TEST_F(ScreenTest, TinyScreensKeepTheirTransparency) {
  // Too small for the copying path's probe of how the key colour is stored.
  CreateScreen(2, kScreenSlot + 4, 3, 3);
  UseScreen(2);
  DrawRect(0, 0, 3, 3, test::kRed);
  SetPixel(1, 1, test::kKey);
  UseScreen(-1);
  ClearScreen(test::kGreen);
  DrawSprite(kScreenSlot + 4, 10, 10);
  EXPECT_EQ(Pixel(10, 10), test::kRed);
  EXPECT_EQ(Pixel(11, 11), test::kGreen);
}

TEST_F(ScreenTest, DrawingContinuesOnTheScreensPicture) {
  UseScreen(0);
  DrawRect(0, 0, 10, 10, test::kRed);
  UseScreen(-1);
  DrawRect(0, 0, 20, 20, test::kWhite);  // the window, not the screen
  UseScreen(0);
  DrawRect(20, 0, 10, 10, test::kGreen);
  UseScreen(-1);
  FreshFrame(test::kBlue);
  DrawSprite(kScreenSlot, 0, 100);
  EXPECT_EQ(Pixel(5, 105), test::kRed);
  EXPECT_EQ(Pixel(15, 105), test::kBlue);  // still transparent
  EXPECT_EQ(Pixel(25, 105), test::kGreen);
}

TEST_F(ScreenTest, TheFrameCycleEndsTheScreenBeforePresenting) {
  UseScreen(0);
  DrawRect(0, 0, 100, 50, test::kRed);
  ShowScreen();
  EXPECT_EQ(ActiveRenderContext()->Screens().CurrentScreen(), -1);
  DrawSprite(kScreenSlot, 10, 10);
  EXPECT_EQ(Pixel(10, 10), test::kRed);
}

TEST_F(ScreenTest, UnusableScreensLeaveTheWindowAsTarget) {
  UseScreen(40);
  EXPECT_EQ(ActiveRenderContext()->Screens().CurrentScreen(), -1);
  CreateScreen(1, 201, 0, 10);  // no picture
  UseScreen(1);
  EXPECT_EQ(ActiveRenderContext()->Screens().CurrentScreen(), -1);
  DrawRect(0, 0, 5, 5, test::kRed);
  EXPECT_EQ(Pixel(2, 2), test::kRed);
}

TEST_F(ScreenTest, GrabSpriteTakesAWindowRectangle) {
  DrawRect(0, 0, 20, 10, test::kRed);
  SetPixel(19, 9, test::kGreen);
  SetPixel(3, 3, test::kKey);
  test::MakeSolidSprite(kScreenSlot + 1, 1, 1, test::kWhite);
  SetSpriteAnim(kScreenSlot + 1, 1, 1);
  AlphaMode(0.5);  // blending does not disturb how the key is recognised
  EXPECT_EQ(GrabSprite(kScreenSlot + 1, 0, 0, 20, 10), 1);
  const SpriteRecord& s = ActiveRenderContext()->Sprite(kScreenSlot + 1);
  EXPECT_EQ(s.width, 20);
  EXPECT_EQ(s.height, 10);
  EXPECT_EQ(s.textureWidth, 32);
  EXPECT_EQ(s.textureHeight, 16);
  EXPECT_EQ(s.frameWidth, 0);
  EXPECT_EQ(s.frameHeight, 0);
  FreshFrame(test::kBlue);
  DrawSprite(kScreenSlot + 1, 100, 100);
  EXPECT_EQ(Pixel(100, 100), test::kRed);
  EXPECT_EQ(Pixel(119, 109), test::kGreen);
  EXPECT_EQ(Pixel(120, 109), test::kBlue);
  EXPECT_EQ(Pixel(103, 103), test::kBlue);  // the key colour grabs as transparent
  EXPECT_EQ(GrabSprite(kScreenSlot + 1, 0, 0, 0, 10), 0);
}

TEST_F(ScreenTest, SpriteToMemReadsThePictureBack) {
  test::MakeSprite(kScreenSlot + 2, 3, 2, [](int32_t x, int32_t y) {
    return x == 1 ? 0u : test::Opaque(x * 50 + y * 0x3000 + 0x10000);
  });
  RuntimeArray<int32_t> pixels;
  EXPECT_EQ(SpriteToMem(pixels, kScreenSlot + 2), 1);
  ASSERT_EQ(pixels.Count(), 6);
  EXPECT_EQ(pixels.Capacity(), 6);
  EXPECT_EQ(static_cast<uint32_t>(pixels[0]), test::Opaque(0x10000));
  EXPECT_EQ(pixels[1] >> 24, 0);  // transparent
  EXPECT_EQ(static_cast<uint32_t>(pixels[5]), test::Opaque(100 + 0x3000 + 0x10000));
  ActiveRenderContext()->Sprites().FreeSprite(kScreenSlot + 3);
  EXPECT_EQ(SpriteToMem(pixels, kScreenSlot + 3), 0);
  EXPECT_EQ(pixels.Count(), 6);

  // A screen's picture reads back what was drawn on it.
  UseScreen(0);
  DrawRect(0, 0, 100, 50, test::kRed);
  SetPixel(0, 0, test::kGreen);
  UseScreen(-1);
  EXPECT_EQ(SpriteToMem(pixels, kScreenSlot), 1);
  ASSERT_EQ(pixels.Count(), 5000);
  EXPECT_EQ(static_cast<uint32_t>(pixels[0]), test::Opaque(test::kGreen));
  EXPECT_EQ(static_cast<uint32_t>(pixels[4999]), test::Opaque(test::kRed));
}

}  // namespace
}  // namespace vdr
