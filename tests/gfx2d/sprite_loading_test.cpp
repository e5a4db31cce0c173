// Loading sprites through the commands, seen in the pixels they draw.

#include <gtest/gtest.h>

#include "gfx2d/drawing_commands.h"
#include "gfx2d/image/image_writers.h"
#include "gfx2d/render_context.h"
#include "gfx2d/sprite_commands.h"
#include "runtime/error_status.h"
#include "tests/gfx2d/gfx2d_test_support.h"
#include "tests/gfx2d_image/image_fixtures.h"

namespace vdr {
namespace {

using test::FreshFrame;
using test::Pixel;

const SpriteRecord& Record(int32_t slot) { return ActiveRenderContext()->Sprite(slot); }

class SpriteLoadingTest : public ::testing::Test {
 protected:
  void SetUp() override { FreshFrame(test::kBlue); }
};

TEST_F(SpriteLoadingTest, ColourKeyAppliesToBmpButNotJpeg) {
  // A 24-bit BMP: the key colour, then green.
  const std::string bmp = test::WriteTempFile("key.bmp", testing::MakeBmp({.width = 2, .pixel = [](int32_t x, int32_t) {
    return x == 0 ? static_cast<uint32_t>(test::kKey) : static_cast<uint32_t>(test::kGreen);
  }}));
  LoadSprite(bmp.c_str(), 10);
  EXPECT_EQ(ErrorStatus().code, 0);
  DrawSprite(10, 20, 20);
  EXPECT_EQ(Pixel(20, 20), test::kBlue);  // transparent: the frame shows through
  EXPECT_EQ(Pixel(21, 20), test::kGreen);

  const PixelImage keyColour = testing::MakeImage(16, 16, [](int32_t, int32_t) { return test::Opaque(test::kKey); });
  std::vector<uint8_t> jpeg;
  ASSERT_TRUE(EncodeJpeg(keyColour, jpeg));
  LoadSprite(test::WriteTempFile("key.jpg", jpeg).c_str(), 11);
  DrawSprite(11, 40, 20);
  const int32_t drawn = Pixel(48, 28);
  EXPECT_GT(drawn & 0xFF, 240);  // opaque, close to the key colour
  EXPECT_NEAR((drawn >> 16) & 0xFF, 128, 8);
}

TEST_F(SpriteLoadingTest, SixteenBitPixelsAndRowOrder) {
  // 5-5-5 pixels: blue 31 gives 255, red 16 gives 131.
  LoadSprite(test::WriteTempFile("16.bmp", testing::MakeBmp({.width = 2, .bitCount = 16, .pixel = [](int32_t x, int32_t) {
    return x == 0 ? 31u : 16u << 10;
  }})).c_str(), 12);
  DrawSprite(12, 10, 10);
  EXPECT_EQ(Pixel(10, 10), 0xFF0000);
  EXPECT_EQ(Pixel(11, 10), 131);

  // The same picture stored top-down and bottom-up draws the same.
  auto picture = [](int32_t x, int32_t y) { return static_cast<uint32_t>(x * 80 + y * 0x5000 + 0x100000); };
  for (bool topDown : {false, true}) {
    const std::string file = test::WriteTempFile(topDown ? "down.bmp" : "up.bmp",
                                                 testing::MakeBmp({.width = 3, .height = 2, .topDown = topDown,
                                                                   .pixel = picture}));
    LoadSprite(file.c_str(), 13);
    DrawSprite(13, 30, 30);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(Pixel(30 + x, 30 + y), static_cast<int32_t>(picture(x, y))) << (topDown ? "top-down " : "bottom-up ") << x << "," << y;
      }
    }
  }
}

TEST_F(SpriteLoadingTest, SmallPictureGetsASixteenTexelTexture) {
  test::MakeSolidSprite(14, 5, 3, test::kRed);
  const SpriteRecord& s = Record(14);
  EXPECT_EQ(s.textureWidth, 16);
  EXPECT_EQ(s.textureHeight, 16);
  EXPECT_FLOAT_EQ(s.uExtent, 5.0f / 16);
  EXPECT_FLOAT_EQ(s.vExtent, 3.0f / 16);
  EXPECT_NE(s.mipmapTexture, 0u);
  DrawSprite(14, 50, 50);
  EXPECT_EQ(Pixel(54, 52), test::kRed);
  EXPECT_EQ(Pixel(55, 52), test::kBlue);
  EXPECT_EQ(Pixel(54, 53), test::kBlue);
  int32_t w, h;
  GetSpriteSize(14, w, h);
  EXPECT_EQ(w, 5);
  EXPECT_EQ(h, 3);
}

TEST_F(SpriteLoadingTest, FailuresRecordErrorThreeAndLeaveTheSlotEmpty) {
  const std::string greyAlpha = test::WriteTempFile(
      "grey-alpha.png", testing::MakePng({.colourType = 4, .samples = [](int32_t, int32_t) {
        return std::vector<uint16_t>{200, 255};
      }}));
  for (const std::string& file : {greyAlpha, std::string("no such picture.png"), test::WriteHugeTempFile("huge.png")}) {
    test::MakeSolidSprite(15, 4, 4, test::kRed);
    LoadSprite(file.c_str(), 15);
    EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile) << file;
    double w = -1, h = -1;
    GetSpriteSize(15, w, h);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(SpriteTextureId(15), 0);
  }
  LoadSprite("any.png", 70000);  // slots outside the table are ignored
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
}

TEST_F(SpriteLoadingTest, MemToSpriteTakesRgbaIntegersAndChecksTheCount) {
  test::MakeSprite(16, 2, 2, [](int32_t x, int32_t y) {
    return test::Opaque(x == 0 && y == 0 ? 0x112233 : 0x445566);
  });
  DrawSprite(16, 0, 0);
  EXPECT_EQ(Pixel(0, 0), 0x112233);
  EXPECT_EQ(Pixel(1, 1), 0x445566);
  const uint32_t texture = static_cast<uint32_t>(SpriteTextureId(16));
  RuntimeArray<int32_t> three = test::PixelArray(3, 1, [](int32_t, int32_t) { return test::Opaque(test::kRed); });
  EXPECT_EQ(MemToSprite(three, 16, 2, 2), 0);
  EXPECT_EQ(MemToSprite(three, 16, -1, -3), 0);
  EXPECT_EQ(static_cast<uint32_t>(SpriteTextureId(16)), texture);  // untouched
  // No colour key: a key-coloured opaque pixel stays visible.
  test::MakeSolidSprite(16, 1, 1, test::kKey);
  DrawSprite(16, 0, 0);
  EXPECT_EQ(Pixel(0, 0), test::kKey);
}

TEST_F(SpriteLoadingTest, ReloadingAnAnimatedSlotKeepsItsFrameSize) {
  const std::string file = test::SavePicture("quarters.png", 4, 4, [](int32_t x, int32_t y) {
    return test::Opaque(x < 2 ? (y < 2 ? test::kRed : test::kGreen) : test::kWhite);
  });
  LoadAnim(file.c_str(), 17, 2, 2);
  EXPECT_EQ(Record(17).frameWidth, 2);
  LoadSprite(file.c_str(), 17);
  EXPECT_EQ(Record(17).frameWidth, 2);
  EXPECT_EQ(Record(17).frameHeight, 2);
  DrawAnim(17, 2, 60, 60);  // frame 2: row 1, column 0
  EXPECT_EQ(Pixel(60, 60), test::kGreen);
  EXPECT_EQ(Pixel(62, 60), test::kBlue);
}

TEST_F(SpriteLoadingTest, GenSpriteFindsTheLowestEmptyProgramSlot) {
  OpenGLLumet& context = *ActiveRenderContext();
  for (int32_t slot = 0; slot < 3; ++slot) test::MakeSolidSprite(slot, 1, 1, test::kRed);
  context.Sprites().FreeSprite(1);
  EXPECT_EQ(GenSprite(), 1);
  for (int32_t slot = 0; slot < 3; ++slot) context.Sprites().FreeSprite(slot);
}

TEST_F(SpriteLoadingTest, BumpTexturesHoldNormals) {
  const std::string file = test::WriteTempFile("flat.bmp", testing::MakeBmp({.width = 4, .height = 4, .pixel = [](int32_t, int32_t) {
    return 0x808080u;
  }}));
  LoadBumpTexture(file.c_str(), 18);
  EXPECT_EQ(ErrorStatus().code, 0);
  DrawSprite(18, 0, 0);
  // A flat height field points straight out: (127, 127, 255).
  EXPECT_EQ(Pixel(1, 1), 127 | 127 << 8 | 255 << 16);
}

TEST_F(SpriteLoadingTest, UpdateSpriteReplacesPixelsInPlace) {
  test::MakeSolidSprite(19, 3, 2, test::kRed);
  const SpriteRecord before = Record(19);
  EXPECT_EQ(SpriteCollision(19, 0, 0, 19, 0, 0), 1);  // builds the collision mask
  const RuntimeArray<int32_t> pixels = test::PixelArray(3, 2, [](int32_t x, int32_t y) {
    return x == 2 && y == 0 ? 0u : test::Opaque(y == 0 ? test::kGreen : test::kWhite);
  });
  EXPECT_EQ(UpdateSprite(pixels, 19), 1);
  const SpriteRecord& after = Record(19);
  EXPECT_EQ(after.texture, before.texture);
  EXPECT_EQ(after.mipmapTexture, before.mipmapTexture);
  DrawSprite(19, 5, 5);
  EXPECT_EQ(Pixel(5, 5), test::kGreen);  // rows are not flipped on screen
  EXPECT_EQ(Pixel(6, 6), test::kWhite);
  EXPECT_EQ(Pixel(7, 5), test::kBlue);  // the new transparent pixel
  // The mask follows the new picture.
  test::MakeSolidSprite(20, 1, 1, test::kRed);
  EXPECT_EQ(SpriteCollision(19, 0, 0, 20, 2, 0), 0);
  EXPECT_EQ(SpriteCollision(19, 0, 0, 20, 2, 1), 1);

  // Wrong sizes and empty slots change nothing.
  EXPECT_EQ(UpdateSprite(test::PixelArray(7, 1, [](int32_t, int32_t) { return 0u; }), 19), 0);
  EXPECT_EQ(UpdateSprite(pixels, 21), 0);
  EXPECT_EQ(UpdateSprite(pixels, -1), 0);
  DrawSprite(19, 5, 5);
  EXPECT_EQ(Pixel(5, 5), test::kGreen);
}

}  // namespace
}  // namespace vdr
