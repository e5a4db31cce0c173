// Background pictures and saving frames and sprites as files.

#include <gtest/gtest.h>

#include <vector>

#include "app/frame_cycle.h"
#include "gfx2d/capture_commands.h"
#include "gfx2d/drawing_commands.h"
#include "gfx2d/image/image_decoders.h"
#include "gfx2d/render_context.h"
#include "gfx2d/sprite_commands.h"
#include "runtime/error_status.h"
#include "tests/gfx2d/gfx2d_test_support.h"
#include "tests/gfx2d_image/image_fixtures.h"

namespace vdr {
namespace {

using test::FreshFrame;
using test::Pixel;


class CaptureTest : public ::testing::Test {
 protected:
  void SetUp() override { FreshFrame(0); }
  void TearDown() override { ClearScreen(0); }
};

// x and y in red and green, the 256-pixel block in blue.
std::string WritePicture(const std::string& name, int32_t width, int32_t height) {
  return test::SavePicture(name, width, height, [](int32_t x, int32_t y) {
    return test::Opaque((x & 0xFF) | (y & 0xFF) << 8 | (x / 256 * 100 + y / 256 * 50) << 16);
  });
}

TEST_F(CaptureTest, BackgroundLoadsInTilesAndStartsEveryFrame) {
  LoadBackground(WritePicture("bg.png", 1000, 600).c_str());
  EXPECT_EQ(ErrorStatus().code, 0);
  const BackgroundRecord& bg = ActiveRenderContext()->Background(0);
  EXPECT_EQ(bg.columns, 2);
  EXPECT_EQ(bg.rows, 2);
  EXPECT_EQ(bg.tiles[0].width, 512);
  EXPECT_EQ(bg.tiles[9].textureHeight, 512);  // column 1, row 1
  EXPECT_EQ(Pixel(7, 9), 7 | 9 << 8);  // drawn at once
  ShowScreen();
  EXPECT_EQ(Pixel(7, 9), 7 | 9 << 8);  // and at the start of the next frame
  EXPECT_EQ(Pixel(300, 200), 300 % 256 | 200 << 8 | 100 << 16);
  ClearScreen(test::kRed);
  ShowScreen();
  EXPECT_EQ(Pixel(7, 9), test::kRed);
}

TEST_F(CaptureTest, BackgroundsFailToBlack) {
  // More than 8 tiles across is refused, as are a missing file and a huge one.
  for (const std::string& file : {WritePicture("wide-bg.png", 8 * 512 + 1, 4), std::string("no such bg.png"),
                                  test::WriteHugeTempFile("huge-bg.png")}) {
    LoadBackground(WritePicture("good-bg.png", 64, 64).c_str());
    ClearScreen(test::kRed);
    LoadBackground(WritePicture("good-bg.png", 64, 64).c_str());
    LoadBackground(file.c_str());
    EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
    EXPECT_EQ(ActiveRenderContext()->Background(0).columns, 0);
    EXPECT_EQ(Pixel(5, 5), 0);
    ShowScreen();
    EXPECT_EQ(Pixel(5, 5), 0);
  }
}

TEST_F(CaptureTest, GrabBackgroundKeepsTheFrame) {
  DrawRect(0, 0, 10, 10, test::kGreen);
  SetPixel(319, 239, test::kWhite);
  GrabBackground();
  ShowScreen();
  EXPECT_EQ(Pixel(5, 5), test::kGreen);
  EXPECT_EQ(Pixel(319, 239), test::kWhite);
  EXPECT_EQ(Pixel(15, 5), 0);
}

TEST_F(CaptureTest, SavedScreenshotMatchesTheFrame) {
  test::MakeSprite(60, 64, 32, [](int32_t x, int32_t y) { return test::Opaque(x * 4 | y * 8 << 8 | 0x400000); });
  DrawSprite(60, 100, 100);
  DrawRect(0, 0, 30, 20, test::kKey);  // no transparency in a saved frame
  const PixelImage frame = test::ReadFrame();
  // The window is saved even while a framebuffer screen is current (a
  // copying screen draws into the window itself).
  CreateScreen(0, 63, 40, 40);
  const bool framebuffer = ActiveRenderContext()->Screen(0).HasFramebuffer();
  for (const char* name : {"shot.png", "shot.bmp"}) {
    const std::string path = test::TempPath(name);
    if (framebuffer) UseScreen(0);
    SaveScreenshot(path.c_str());
    UseScreen(-1);
    ASSERT_EQ(ErrorStatus().code, 0) << name;
    PixelImage saved;
    ASSERT_TRUE(LoadImage(path.c_str(), kNoColourKey, saved)) << name;
    ASSERT_EQ(saved.width, frame.width);
    ASSERT_EQ(saved.height, frame.height);
    EXPECT_TRUE(saved.pixels == frame.pixels) << name;
  }
  SaveScreenshot("mem://00000010.00001000");
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
}

TEST_F(CaptureTest, SavedFormatFollowsTheName) {
  test::MakeSolidSprite(61, 5, 3, test::kGreen);
  struct Case { const char* name; const char* magic; };
  for (const Case& c : {Case{"s.PNG", "\x89PNG"}, Case{"s.jpg", "\xFF\xD8\xFF"}, Case{"s.jpeg", "BM"},
                        Case{"s", "BM"}}) {
    const std::string path = test::TempPath(c.name);
    SaveSprite(path.c_str(), 61);
    EXPECT_EQ(ErrorStatus().code, 0) << c.name;
    const std::vector<uint8_t> bytes = testing::ReadFile(path);
    const std::string magic(c.magic);
    ASSERT_GE(bytes.size(), magic.size()) << c.name;
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + magic.size()), magic) << c.name;
    PixelImage saved;
    ASSERT_TRUE(LoadImage(path.c_str(), kNoColourKey, saved)) << c.name;
    EXPECT_EQ(saved.width, 5);
    EXPECT_EQ(saved.height, 3);
  }
  ActiveRenderContext()->Sprites().FreeSprite(62);
  SaveSprite(test::TempPath("empty.png").c_str(), 62);
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
}

}  // namespace
}  // namespace vdr
