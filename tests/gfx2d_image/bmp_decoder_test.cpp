#include <gtest/gtest.h>

#include "gfx2d/image/image_decoders.h"
#include "tests/gfx2d_image/image_fixtures.h"

namespace vdr {
namespace {

using testing::BmpFixture;
using testing::MakeBmp;
using testing::PixelAt;

constexpr uint32_t kOpaque = 0xFF000000;

// Pictures three rows high whose rows need padding (a row of 5 one-bit
// pixels is less than one byte and still takes 4), stored at every bit count,
// with every kind of header.
uint32_t Colour(int32_t x, int32_t y) { return ((x * 37 + y * 91) & 0xFF) | (x * 20) << 8 | (y * 70) << 16; }

TEST(BmpDecoder, EveryBitCountAndHeaderDecodesToTheSamePicture) {
  struct Case {
    uint16_t bitCount;
    uint32_t headerSize;
    int32_t width;
  } cases[] = {{1, 40, 5}, {1, 12, 5}, {4, 40, 7}, {4, 12, 7}, {8, 40, 7},
               {8, 124, 7}, {24, 40, 7}, {24, 12, 7}, {24, 124, 7}, {32, 40, 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.bitCount << " bits, header " << c.headerSize);
    BmpFixture f{.width = c.width, .height = 3, .bitCount = c.bitCount, .headerSize = c.headerSize};
    const bool paletted = c.bitCount <= 8;
    const uint32_t colours = paletted ? std::min(1u << c.bitCount, 21u) : 0;
    for (uint32_t i = 0; i < colours; ++i) f.palette.push_back(Colour(i % 7, i / 7));
    f.pixel = [&](int32_t x, int32_t y) {
      return paletted ? static_cast<uint32_t>((y * c.width + x) % colours) : Colour(x, y);
    };
    PixelImage image;
    ASSERT_TRUE(DecodeBmp(MakeBmp(f), kNoColourKey, image));
    ASSERT_EQ(image.width, c.width);
    ASSERT_EQ(image.height, 3);
    for (int32_t y = 0; y < 3; ++y) {
      for (int32_t x = 0; x < c.width; ++x) {
        const uint32_t index = (y * c.width + x) % std::max(colours, 1u);
        const uint32_t expected = paletted ? Colour(index % 7, index / 7) : Colour(x, y);
        ASSERT_EQ(PixelAt(image, x, y), expected | kOpaque) << x << "," << y;
      }
    }
  }
}

TEST(BmpDecoder, SixteenBitChannelsScaleFiveBitsTo255) {
  BmpFixture f{.width = 2, .height = 1, .bitCount = 16};
  f.pixel = [](int32_t x, int32_t) { return x == 0 ? (31u << 10 | 16u << 5 | 0u) : (0u << 10 | 31u << 5 | 16u); };
  PixelImage image;
  ASSERT_TRUE(DecodeBmp(MakeBmp(f), kNoColourKey, image));
  EXPECT_EQ(PixelAt(image, 0, 0), 255u | 131u << 8 | 0u << 16 | kOpaque);
  EXPECT_EQ(PixelAt(image, 1, 0), 0u | 255u << 8 | 131u << 16 | kOpaque);
}

TEST(BmpDecoder, TopDownAndBottomUpFilesGiveTheSameImage) {
  BmpFixture f{.width = 5, .height = 4, .bitCount = 24};
  f.pixel = Colour;
  PixelImage bottomUp, topDown;
  ASSERT_TRUE(DecodeBmp(MakeBmp(f), kNoColourKey, bottomUp));
  f.topDown = true;
  ASSERT_TRUE(DecodeBmp(MakeBmp(f), kNoColourKey, topDown));
  EXPECT_EQ(bottomUp.pixels, topDown.pixels);
  EXPECT_EQ(PixelAt(topDown, 0, 0), Colour(0, 0) | kOpaque);
}

TEST(BmpDecoder, KeyColourBecomesTransparentBlack) {
  BmpFixture f{.width = 2, .height = 1, .bitCount = 24};
  f.pixel = [](int32_t x, int32_t) { return x == 0 ? 0x8000FFu : 0x8000FEu; };
  PixelImage image;
  ASSERT_TRUE(DecodeBmp(MakeBmp(f), kDefaultSpriteColourKey, image));
  EXPECT_EQ(PixelAt(image, 0, 0), 0u);
  EXPECT_EQ(PixelAt(image, 1, 0), 0x8000FEu | kOpaque);
  ASSERT_TRUE(DecodeBmp(MakeBmp(f), kNoColourKey, image));
  EXPECT_EQ(PixelAt(image, 0, 0), 0x8000FFu | kOpaque);
}

TEST(BmpDecoder, IndicesBeyondTheStoredPaletteAreBlack) {
  BmpFixture f{.width = 2, .height = 1, .bitCount = 8, .palette = {0x123456}};
  f.pixel = [](int32_t x, int32_t) { return x == 0 ? 0u : 200u; };
  PixelImage image;
  ASSERT_TRUE(DecodeBmp(MakeBmp(f), kNoColourKey, image));
  EXPECT_EQ(PixelAt(image, 0, 0), 0x123456u | kOpaque);
  EXPECT_EQ(PixelAt(image, 1, 0), kOpaque);
}

void Put32(testing::Bytes& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

TEST(BmpDecoder, RefusesFilesWhoseHeadersDoNotFitTheData) {
  BmpFixture f{.width = 4, .height = 2, .bitCount = 8, .palette = {0, 0xFFFFFF}};
  const testing::Bytes good = MakeBmp(f);
  struct Case {
    const char* what;
    std::function<void(testing::Bytes&)> damage;
  } cases[] = {
      {"not BM", [](testing::Bytes& b) { b[1] = 'N'; }},
      {"data offset past the end", [](testing::Bytes& b) { Put32(b, 10, static_cast<uint32_t>(b.size()) + 1); }},
      {"data offset huge", [](testing::Bytes& b) { Put32(b, 10, 0xFFFFFFF0u); }},
      {"data offset inside the header", [](testing::Bytes& b) { Put32(b, 10, 20); }},
      {"header reaching past the data", [](testing::Bytes& b) { Put32(b, 14, 0x7FFFFFFFu); }},
      {"header too short", [](testing::Bytes& b) { Put32(b, 14, 8); }},
      {"rows past the end", [](testing::Bytes& b) { Put32(b, 22, 3); }},
      {"width overflowing the row size", [](testing::Bytes& b) { Put32(b, 18, 0x7FFFFFFFu); }},
      {"negative width", [](testing::Bytes& b) { Put32(b, 18, static_cast<uint32_t>(-4)); }},
      {"zero height", [](testing::Bytes& b) { Put32(b, 22, 0); }},
      {"most negative height", [](testing::Bytes& b) { Put32(b, 22, 0x80000000u); }},
      {"bit count 2", [](testing::Bytes& b) { b[28] = 2; }},
      {"bit count 0", [](testing::Bytes& b) { b[28] = 0; }},
  };
  PixelImage image;
  ASSERT_TRUE(DecodeBmp(good, kNoColourKey, image));
  for (const Case& c : cases) {
    testing::Bytes bad = good;
    c.damage(bad);
    EXPECT_FALSE(DecodeBmp(bad, kNoColourKey, image)) << c.what;
    EXPECT_EQ(image.width, 0) << c.what;
    EXPECT_TRUE(image.pixels.empty()) << c.what;
  }
}

TEST(BmpDecoder, EveryTruncationFails) {
  BmpFixture f{.width = 3, .height = 2, .bitCount = 4, .palette = {0, 0xFF}};
  const testing::Bytes good = MakeBmp(f);
  PixelImage image;
  for (size_t length = 0; length < good.size(); ++length) {
    EXPECT_FALSE(DecodeBmp(ByteSpan(good.data(), length), kNoColourKey, image)) << length;
  }
}

}  // namespace
}  // namespace vdr
