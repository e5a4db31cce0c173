#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "gfx2d/image/texture_image.h"
#include "tests/gfx2d_image/image_fixtures.h"

namespace vdr {
namespace {

constexpr uint32_t kOpaque = 0xFF000000;

uint32_t TexelAt(const TextureImage& texture, int32_t x, int32_t y) {
  const uint8_t* t = texture.Texel(x, y);
  return t[0] | t[1] << 8 | t[2] << 16 | static_cast<uint32_t>(t[3]) << 24;
}

TEST(TextureFit, PowersOfTwoFromTheMinimumWithExtents) {
  const TextureFit fit = FitTexture(5, 3);
  EXPECT_EQ(fit.textureWidth, 16);
  EXPECT_EQ(fit.textureHeight, 16);
  EXPECT_FLOAT_EQ(fit.uExtent, 5.0f / 16);
  EXPECT_FLOAT_EQ(fit.vExtent, 3.0f / 16);
  const TextureFit grab = FitTexture(20, 10);
  EXPECT_EQ(grab.textureWidth, 32);
  EXPECT_EQ(grab.textureHeight, 16);
  const TextureFit screen = FitTexture(3, 100, 2);
  EXPECT_EQ(screen.textureWidth, 4);
  EXPECT_EQ(screen.textureHeight, 128);
  EXPECT_EQ(TextureSide(16), 16);
  EXPECT_EQ(TextureSide(17), 32);
  EXPECT_EQ(TextureSide(32767), 32768);
}

TEST(TextureRegion, ZeroSizesReachTheEdgeAndLargeOnesAreClamped) {
  PixelImage image;
  image.Reset(300, 200);
  const struct {
    int32_t x, y, w, h, max;
    std::optional<std::pair<int32_t, int32_t>> size;
  } cases[] = {
      {0, 0, 0, 0, 4096, std::pair{300, 200}},  {100, 50, 0, 0, 4096, std::pair{200, 150}},
      {0, 0, 0, 0, 128, std::pair{128, 128}},   {0, 0, 512, 512, 4096, std::pair{512, 512}},
      {300, 0, 0, 0, 4096, std::nullopt},       {0, 0, -1, 5, 4096, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto region = TextureRegion(image, c.x, c.y, c.w, c.h, c.max);
    ASSERT_EQ(region.has_value(), c.size.has_value()) << c.x << "," << c.w;
    if (region) {
      EXPECT_EQ(region->width, c.size->first);
      EXPECT_EQ(region->height, c.size->second);
    }
  }
}

TEST(BuildTexture, FlipsThePictureIntoTheBottomRowsAndPadsWithTransparentBlack) {
  const PixelImage image = testing::MakeImage(5, 3, [](int32_t x, int32_t y) {
    return static_cast<uint32_t>(x + 1) | static_cast<uint32_t>(y + 1) << 8 | kOpaque;
  });
  TextureImage texture;
  ASSERT_TRUE(BuildTexture(image, {0, 0, 5, 3}, true, texture));
  ASSERT_EQ(texture.width, 16);
  ASSERT_EQ(texture.height, 16);
  EXPECT_EQ(TexelAt(texture, 0, 0), 1u | 3u << 8 | kOpaque);  // bottom-left of the picture
  EXPECT_EQ(TexelAt(texture, 4, 2), 5u | 1u << 8 | kOpaque);  // its top-right
  EXPECT_EQ(TexelAt(texture, 5, 0), 0u);
  EXPECT_EQ(TexelAt(texture, 0, 3), 0u);
  EXPECT_EQ(TexelAt(texture, 15, 15), 0u);
}

TEST(BuildTexture, LinearTexturesBleedNeighbourColoursIntoTransparentTexels) {
  // One opaque column of width 1: the texels right of it and above it take
  // its colour, alpha stays 0; texels further away stay black.
  const PixelImage image = testing::MakeImage(1, 2, [](int32_t, int32_t y) {
    return y == 0 ? 0x0000C8u | kOpaque : 0x006400u | kOpaque;
  });
  TextureImage texture;
  ASSERT_TRUE(BuildTexture(image, {0, 0, 1, 2}, false, texture));
  EXPECT_EQ(TexelAt(texture, 0, 0), 0x006400u | kOpaque);     // picture bottom row
  EXPECT_EQ(TexelAt(texture, 1, 0), 0x003200u + 0x64u);      // mean of both rows: red 100, green 50
  EXPECT_EQ(TexelAt(texture, 0, 2), 0x0000C8u);              // above the top row
  EXPECT_EQ(TexelAt(texture, 2, 0), 0u);
  ASSERT_TRUE(BuildTexture(image, {0, 0, 1, 2}, true, texture));
  EXPECT_EQ(TexelAt(texture, 1, 0), 0u);  // nearest textures are left alone
}

TEST(BuildTexture, BackgroundTilesTakeTheirPartOfTheImage) {
  const PixelImage image = testing::MakeImage(1000, 600, [](int32_t x, int32_t y) {
    return static_cast<uint32_t>(x % 256) | static_cast<uint32_t>(y % 256) << 8 | kOpaque;
  });
  const auto tiling = PlanBackgroundTiles(image.width, image.height, 8192);
  ASSERT_TRUE(tiling);
  EXPECT_EQ(tiling->tileSize, 512);
  EXPECT_EQ(tiling->columns, 2);
  EXPECT_EQ(tiling->rows, 2);
  // The lower-right tile holds image (512..999, 512..599) at its top; the rest is transparent.
  TextureImage tile;
  ASSERT_TRUE(BuildTexture(image, tiling->Tile(1, 1), true, tile));
  EXPECT_EQ(tile.width, 512);
  EXPECT_EQ(TexelAt(tile, 0, 511), 0u | (512u % 256) << 8 | kOpaque);
  EXPECT_EQ(TexelAt(tile, 487, 511 - 87), (999u % 256) | (599u % 256) << 8 | kOpaque);
  EXPECT_EQ(TexelAt(tile, 488, 511), 0u);
  EXPECT_EQ(TexelAt(tile, 0, 511 - 88), 0u);
}

TEST(BackgroundTiles, TileSizeAndTheEightByEightLimit) {
  const struct {
    int32_t width, height, maxTexture;
    std::optional<std::array<int32_t, 3>> tiling;  // size, columns, rows
  } cases[] = {
      {1000, 600, 8192, std::array{512, 2, 2}}, {512, 512, 8192, std::array{512, 1, 1}},
      {4096, 10, 8192, std::array{512, 8, 1}},  {4097, 10, 8192, std::nullopt},
      {10, 4097, 8192, std::nullopt},           {1000, 600, 256, std::array{256, 4, 3}},
      {0, 600, 8192, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto tiling = PlanBackgroundTiles(c.width, c.height, c.maxTexture);
    ASSERT_EQ(tiling.has_value(), c.tiling.has_value()) << c.width << "x" << c.height;
    if (tiling) {
      EXPECT_EQ(tiling->tileSize, (*c.tiling)[0]);
      EXPECT_EQ(tiling->columns, (*c.tiling)[1]);
      EXPECT_EQ(tiling->rows, (*c.tiling)[2]);
    }
  }
}

TextureImage Uniform(int32_t width, int32_t height, uint32_t rgba) {
  TextureImage texture{width, height, {}};
  for (int32_t i = 0; i < width * height; ++i) {
    for (int c = 0; c < 4; ++c) texture.texels.push_back(static_cast<uint8_t>(rgba >> (8 * c)));
  }
  return texture;
}

TEST(NormalMap, FlatPictureFacesStraightOutAndSlopesTilt) {
  TextureImage flat = Uniform(16, 16, 0x80FFFFFFu);
  ASSERT_TRUE(ApplyNormalMap(flat));
  EXPECT_EQ(TexelAt(flat, 5, 5), 127u | 127u << 8 | 255u << 16 | 0x80000000u);

  // Blue rising to the right: the normal leans left (red below the middle).
  TextureImage ramp = Uniform(16, 16, kOpaque);
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) ramp.Texel(x, y)[2] = static_cast<uint8_t>(x * 16);
  }
  ASSERT_TRUE(ApplyNormalMap(ramp));
  const uint8_t* middle = ramp.Texel(8, 8);
  // Neighbours two columns apart differ by 32: nx = -4 * 32 / 255, ny = 0.
  const float nx = -4.0f * 32 / 255, k = 1 / std::sqrt(nx * nx + 1);
  EXPECT_NEAR(middle[0], (nx * k + 1) * 0.5f * 255, 1);
  EXPECT_EQ(middle[1], 127);
  EXPECT_EQ(middle[3], 255);
  // At the left edge the neighbours wrap around to the bright right edge.
  EXPECT_GT(ramp.Texel(0, 8)[0], 127);
}

TEST(MipmapChain, SquaresThenReducesToOneTexel) {
  TextureImage wide = Uniform(64, 16, 0x40302010u);
  wide.Texel(1, 0)[0] = 0x30;
  std::vector<TextureImage> levels;
  ASSERT_TRUE(BuildMipmapChain(wide, levels));
  ASSERT_EQ(levels.size(), 5u);  // 16, 8, 4, 2, 1
  for (size_t i = 0; i < levels.size(); ++i) {
    EXPECT_EQ(levels[i].width, 16 >> i);
    EXPECT_EQ(levels[i].height, 16 >> i);
  }
  EXPECT_EQ(levels[0].Texel(0, 0)[0], 0x18);  // 0x20, then averaged with 0x10
  EXPECT_EQ(TexelAt(levels[4], 0, 0), 0x40302010u);
}

TEST(MipmapChain, WeightsOfTheReduction) {
  // Level 0 of 4 x 4 with red = x + 10 * y: texel (0, 0) of level 1 is
  // (4 * a + 2 * right + 2 * lowerRight + below) / 9, its last column and
  // row mix two texels, the last corner copies one.
  TextureImage texture = Uniform(4, 4, 0);
  for (int32_t y = 0; y < 4; ++y) {
    for (int32_t x = 0; x < 4; ++x) texture.Texel(x, y)[0] = static_cast<uint8_t>(x * 30 + y * 60);
  }
  std::vector<TextureImage> levels;
  ASSERT_TRUE(BuildMipmapChain(texture, levels));
  ASSERT_EQ(levels.size(), 3u);
  EXPECT_EQ(levels[1].Texel(0, 0)[0], (4 * 0 + 2 * 30 + 2 * 90 + 60) / 9);
  EXPECT_EQ(levels[1].Texel(1, 0)[0], (2 * 60 + 120) / 3);   // last column: with the texel below
  EXPECT_EQ(levels[1].Texel(0, 1)[0], (2 * 120 + 150) / 3);  // last row: with the texel to the right
  EXPECT_EQ(levels[1].Texel(1, 1)[0], 180);
}

}  // namespace
}  // namespace vdr
