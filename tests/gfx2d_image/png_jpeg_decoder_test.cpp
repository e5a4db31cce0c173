#include <png.h>
#include <zlib.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "files/memory_files.h"
#include "files/platform_paths.h"
#include "gfx2d/image/image_decoders.h"
#include "gfx2d/image/image_writers.h"
#include "tests/gfx2d_image/image_fixtures.h"
#include "tests/support/memory_file_bytes.h"

namespace vdr {
namespace {

using testing::Bytes;
using testing::MakePng;
using testing::PixelAt;
using testing::PngFixture;

constexpr uint32_t kOpaque = 0xFF000000;

TEST(PngDecoder, ConvertsEachSupportedLayoutToRgba) {
  struct Case {
    const char* what;
    PngFixture fixture;
    uint32_t first;   // expected pixel (0, 0)
    uint32_t second;  // expected pixel (1, 0)
  } cases[] = {
      {"rgb", {.width = 2, .colourType = PNG_COLOR_TYPE_RGB,
               .samples = [](int32_t x, int32_t) { return std::vector<uint16_t>{10, 20, uint16_t(30 + x)}; }},
       0x1E140A | kOpaque, 0x1F140A | kOpaque},
      {"rgba keeps its alpha", {.width = 2, .colourType = PNG_COLOR_TYPE_RGB_ALPHA,
                                .samples = [](int32_t x, int32_t) { return std::vector<uint16_t>{1, 2, 3, uint16_t(x * 99)}; }},
       0x030201, 0x030201 | 99u << 24},
      {"grey", {.width = 2, .colourType = PNG_COLOR_TYPE_GRAY,
                .samples = [](int32_t x, int32_t) { return std::vector<uint16_t>{uint16_t(x ? 200 : 7)}; }},
       0x070707 | kOpaque, 0xC8C8C8 | kOpaque},
      {"grey of 2 bits", {.width = 2, .colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 2,
                          .samples = [](int32_t x, int32_t) { return std::vector<uint16_t>{uint16_t(x ? 3 : 1)}; }},
       0x555555 | kOpaque, 0xFFFFFF | kOpaque},
      {"16-bit rgb", {.width = 2, .colourType = PNG_COLOR_TYPE_RGB, .bitDepth = 16,
                      .samples = [](int32_t, int32_t) { return std::vector<uint16_t>{0xFFFF, 0x8080, 0x0101}; }},
       0x0180FF | kOpaque, 0x0180FF | kOpaque},
      {"palette with transparency", {.width = 2, .colourType = PNG_COLOR_TYPE_PALETTE,
                                     .palette = {0x102030, 0x405060}, .paletteAlpha = {0, 128},
                                     .samples = [](int32_t x, int32_t) { return std::vector<uint16_t>{uint16_t(x)}; }},
       0x102030, 0x405060 | 128u << 24},
      {"interlaced", {.width = 2, .colourType = PNG_COLOR_TYPE_RGB, .interlaced = true,
                      .samples = [](int32_t x, int32_t) { return std::vector<uint16_t>{uint16_t(x), 0, 0}; }},
       kOpaque, 1 | kOpaque},
  };
  for (Case& c : cases) {
    c.fixture.height = 9;  // enough rows for every interlace pass
    PixelImage image;
    ASSERT_TRUE(DecodePng(MakePng(c.fixture), kNoColourKey, image)) << c.what;
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 9);
    EXPECT_EQ(PixelAt(image, 0, 8), c.first) << c.what;
    EXPECT_EQ(PixelAt(image, 1, 8), c.second) << c.what;
  }
}

TEST(PngDecoder, KeyAppliesToRgbOnly) {
  auto keyColour = [](int32_t, int32_t) { return std::vector<uint16_t>{255, 0, 128}; };
  auto opaqueKeyColour = [](int32_t, int32_t) { return std::vector<uint16_t>{255, 0, 128, 255}; };
  PixelImage image;
  ASSERT_TRUE(DecodePng(MakePng({.colourType = PNG_COLOR_TYPE_RGB, .samples = keyColour}),
                        kDefaultSpriteColourKey, image));
  EXPECT_EQ(PixelAt(image, 0, 0), 0u);
  ASSERT_TRUE(DecodePng(MakePng({.colourType = PNG_COLOR_TYPE_RGB_ALPHA, .samples = opaqueKeyColour}),
                        kDefaultSpriteColourKey, image));
  EXPECT_EQ(PixelAt(image, 0, 0), 0x8000FFu | kOpaque);
}

TEST(PngDecoder, RefusesGreyPlusAlpha) {
  for (bool transparencyChunk : {false, true}) {
    PngFixture f{.colourType = transparencyChunk ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_GRAY_ALPHA,
                 .samples = [&](int32_t, int32_t) {
                   return transparencyChunk ? std::vector<uint16_t>{9} : std::vector<uint16_t>{9, 255};
                 }};
    Bytes file = MakePng(f);
    if (transparencyChunk) {
      // A grey image with a tRNS chunk also turns into grey plus alpha.
      const uint8_t chunk[] = {0, 0, 0, 2, 't', 'R', 'N', 'S', 0, 9, 0, 0, 0, 0};
      Bytes withChunk(file.begin(), file.begin() + 33);  // signature and IHDR
      withChunk.insert(withChunk.end(), chunk, chunk + sizeof chunk);
      const uint32_t crc = static_cast<uint32_t>(crc32(0, chunk + 4, 6));
      for (int i = 0; i < 4; ++i) withChunk[33 + 10 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
      withChunk.insert(withChunk.end(), file.begin() + 33, file.end());
      file = withChunk;
    }
    PixelImage image;
    EXPECT_FALSE(DecodePng(file, kNoColourKey, image)) << transparencyChunk;
    EXPECT_EQ(image.width, 0);
  }
}

TEST(PngDecoder, RefusesSizesTheFileCannotHold) {
  // A valid header claiming 32767 x 32767 pixels in a file of a few dozen bytes.
  Bytes file = MakePng({.colourType = PNG_COLOR_TYPE_RGB,
                        .samples = [](int32_t, int32_t) { return std::vector<uint16_t>{1, 2, 3}; }});
  for (int at : {16, 20}) {
    file[at] = 0;
    file[at + 1] = 0;
    file[at + 2] = 0x7F;
    file[at + 3] = 0xFF;
  }
  const uint32_t crc = static_cast<uint32_t>(crc32(0, file.data() + 12, 17));
  for (int i = 0; i < 4; ++i) file[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
  PixelImage image;
  EXPECT_FALSE(DecodePng(file, kNoColourKey, image));
}

PixelImage Gradient(int32_t width, int32_t height) {
  return testing::MakeImage(width, height, [](int32_t x, int32_t y) {
    return static_cast<uint32_t>(x * 8) | static_cast<uint32_t>(y * 8) << 8 | 0x40u << 16 | kOpaque;
  });
}

TEST(JpegDecoder, DecodesColourAndGreyFromMemory) {
  Bytes colour;
  ASSERT_TRUE(EncodeJpeg(Gradient(24, 16), colour));
  PixelImage image;
  ASSERT_TRUE(DecodeJpeg(colour, image));
  EXPECT_EQ(image.width, 24);
  EXPECT_EQ(image.height, 16);
  EXPECT_EQ(image.pixels.size(), 24u * 16 * 4);
  ASSERT_TRUE(DecodeJpeg(testing::MakeGreyJpeg(9, 5, 77), image));
  EXPECT_EQ(image.width, 9);
  const uint8_t* pixel = image.Row(4) + 8 * 4;
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(pixel[c], 77, 1);
  EXPECT_EQ(pixel[3], 255);
}

TEST(JpegDecoder, RefusesArithmeticCoding) {
  // Arithmetic coding makes tiny files of huge pictures possible: 200 bytes
  // can claim 11815 x 8228 pixels of nothing.
  PixelImage image;
  EXPECT_FALSE(DecodeJpeg(testing::MakeGreyJpeg(9, 5, 77, true), image));
  EXPECT_EQ(image.width, 0);
}

TEST(ImageLoading, KeyColourIsTransparentInBmpButOpaqueInJpeg) {
  const PixelImage keyColoured = testing::MakeImage(16, 16, [](int32_t, int32_t) { return 0x8000FFu | kOpaque; });
  Bytes bmp, jpeg;
  ASSERT_TRUE(EncodeBmp(keyColoured, bmp));
  ASSERT_TRUE(EncodeJpeg(keyColoured, jpeg));
  PixelImage image;
  ASSERT_TRUE(DecodeImage(bmp, kDefaultSpriteColourKey, image));
  EXPECT_EQ(PixelAt(image, 3, 3), 0u);
  ASSERT_TRUE(DecodeImage(jpeg, kDefaultSpriteColourKey, image));
  const uint8_t* pixel = image.Row(8) + 8 * 4;
  EXPECT_NEAR(pixel[0], 255, 3);
  EXPECT_NEAR(pixel[1], 0, 3);
  EXPECT_NEAR(pixel[2], 128, 3);
  EXPECT_EQ(pixel[3], 255);
}

TEST(ImageLoading, FontKeyMakesBlackTransparentInBmp) {
  const PixelImage black = testing::MakeImage(2, 2, [](int32_t, int32_t) { return kOpaque; });
  Bytes bmp;
  ASSERT_TRUE(EncodeBmp(black, bmp));
  PixelImage image;
  ASSERT_TRUE(DecodeImage(bmp, kDefaultFontColourKey, image));
  EXPECT_EQ(PixelAt(image, 0, 0), 0u);
  ASSERT_TRUE(DecodeImage(bmp, kDefaultSpriteColourKey, image));
  EXPECT_EQ(PixelAt(image, 0, 0), kOpaque);
}

TEST(ImageLoading, ReadsDiskAndMemoryFiles) {
  const PixelImage picture = Gradient(8, 8);
  Bytes bmp, jpeg;
  ASSERT_TRUE(EncodeBmp(picture, bmp));
  ASSERT_TRUE(EncodeJpeg(picture, jpeg));
  const std::string path = TempFolder() + "load.bmp";
  testing::WriteFile(path, bmp);
  PixelImage image;
  ASSERT_TRUE(LoadImage(path.c_str(), kNoColourKey, image));
  EXPECT_EQ(image.pixels, picture.pixels);

  MemoryFile memory = test::PublishBytes(jpeg);
  ASSERT_TRUE(LoadImage(memory.Name().c_str(), kNoColourKey, image));  // JPEG from memory too
  EXPECT_EQ(image.width, 8);

  const std::string gone = memory.Name();
  memory.Withdraw();
  EXPECT_FALSE(LoadImage(gone.c_str(), kNoColourKey, image));
  EXPECT_FALSE(LoadImage((TempFolder() + "missing.png").c_str(), kNoColourKey, image));
  EXPECT_TRUE(image.pixels.empty());
}

// Damaged files of every format fail cleanly: every truncation, and bytes
// changed in headers and data. The sanitizers check that nothing leaks or
// reads out of bounds on the error paths.
TEST(ImageLoading, TruncatedAndCorruptFilesFail) {
  Bytes png, jpeg, bmp;
  ASSERT_TRUE(EncodePng(Gradient(12, 10), png));
  ASSERT_TRUE(EncodeJpeg(Gradient(12, 10), jpeg));
  ASSERT_TRUE(EncodeBmp(Gradient(12, 10), bmp));
  for (const Bytes* file : {&png, &jpeg, &bmp}) {
    PixelImage image;
    ASSERT_TRUE(DecodeImage(*file, kNoColourKey, image));
    for (size_t length = 0; length < file->size(); ++length) {
      ASSERT_FALSE(DecodeImage(ByteSpan(file->data(), length), kNoColourKey, image)) << length;
      ASSERT_TRUE(image.pixels.empty());
    }
  }
  auto markerAt = [&](uint8_t code) {
    const uint8_t marker[] = {0xFF, code};
    return static_cast<size_t>(std::search(jpeg.begin(), jpeg.end(), marker, marker + 2) - jpeg.begin());
  };
  struct Case {
    const char* what;
    const Bytes* file;
    size_t at;
  } corruptions[] = {
      {"png header crc", &png, 20},
      {"png data", &png, png.size() - 20},
      {"jpeg sample precision", &jpeg, markerAt(0xC0) + 4},
      {"jpeg huffman code counts", &jpeg, markerAt(0xC4) + 5},
  };
  for (const Case& c : corruptions) {
    ASSERT_LT(c.at, c.file->size()) << c.what;
    Bytes bad = *c.file;
    bad[c.at] ^= 0xA5;
    PixelImage image;
    EXPECT_FALSE(DecodeImage(bad, kNoColourKey, image)) << c.what;
  }
}

}  // namespace
}  // namespace vdr
