#include <gtest/gtest.h>

#include "gfx2d/image/builtin_font.h"
#include "tests/gfx2d_image/image_fixtures.h"

namespace vdr {
namespace {

constexpr uint32_t kDot = 0xFFFFFFFF;
constexpr uint32_t kOutline = 0xFF080808;

uint32_t CellPixel(const PixelImage& font, int code, int32_t x, int32_t y) {
  return testing::PixelAt(font, code % 16 * 8 + x, code / 16 * 8 + y);
}

TEST(BuiltInFont, LayoutAndOutline) {
  const PixelImage font = BuiltInFontImage();
  ASSERT_EQ(font.width, 128);
  ASSERT_EQ(font.height, 64);
  // Codes 0 to 32 (cell rows 0 and 1, and the blank) are fully transparent.
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 128; ++x) ASSERT_EQ(testing::PixelAt(font, x, y), 0u);
  }
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 8; ++x) ASSERT_EQ(CellPixel(font, ' ', x, y), 0u);
  }
  // "|" is the dot column c = 2 over all six rows: pixels x = 3, y = 1..6,
  // outlined left, right, above and below, with nothing diagonal.
  for (int32_t y = 1; y <= 6; ++y) {
    EXPECT_EQ(CellPixel(font, '|', 3, y), kDot);
    EXPECT_EQ(CellPixel(font, '|', 2, y), kOutline);
    EXPECT_EQ(CellPixel(font, '|', 4, y), kOutline);
  }
  EXPECT_EQ(CellPixel(font, '|', 3, 0), kOutline);
  EXPECT_EQ(CellPixel(font, '|', 3, 7), kOutline);
  EXPECT_EQ(CellPixel(font, '|', 2, 0), 0u);
}

TEST(BuiltInFont, EveryVisibleCharacterHasItsOwnPattern) {
  const PixelImage font = BuiltInFontImage();
  std::vector<std::vector<uint32_t>> seen;
  for (int code = 33; code < 128; ++code) {
    std::vector<uint32_t> cell;
    for (int32_t y = 0; y < 8; ++y) {
      for (int32_t x = 0; x < 8; ++x) cell.push_back(CellPixel(font, code, x, y));
    }
    EXPECT_NE(std::count(cell.begin(), cell.end(), kDot), 0) << static_cast<char>(code);
    EXPECT_EQ(std::find(seen.begin(), seen.end(), cell), seen.end()) << static_cast<char>(code);
    seen.push_back(cell);
  }
}

}  // namespace
}  // namespace vdr
