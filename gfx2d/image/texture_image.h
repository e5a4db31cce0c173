#pragma once
// Turning a pixel image (or a region of it) into the texel buffer that is
// uploaded as a texture: power-of-two size, rows bottom-up, edge colour
// bleeding, the optional normal map and the mipmap chain.

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx2d/image/pixel_image.h"

namespace vdr {

inline constexpr int32_t kMinSpriteTextureSide = 16;

// Texels as OpenGL takes them: RGBA bytes, row 0 is the bottom of the picture.
struct TextureImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> texels;

  uint8_t* Texel(int32_t x, int32_t y) { return texels.data() + (static_cast<size_t>(y) * width + x) * 4; }
  const uint8_t* Texel(int32_t x, int32_t y) const {
    return texels.data() + (static_cast<size_t>(y) * width + x) * 4;
  }
};

struct ImageRegion {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// The smallest power of two, at least `minimum`, that holds `size`.
int32_t TextureSide(int32_t size, int32_t minimum = kMinSpriteTextureSide);

// What a sprite record stores for a picture of width x height.
struct TextureFit {
  int32_t textureWidth;
  int32_t textureHeight;
  float uExtent;  // width / textureWidth
  float vExtent;  // height / textureHeight
};
TextureFit FitTexture(int32_t width, int32_t height, int32_t minimumSide = kMinSpriteTextureSide);

// The region a texture is made from: a width of 0 reaches from x to the
// image's right edge, a height of 0 from y to its bottom; both are then
// clamped to the largest texture size. Empty regions give nothing. The region
// may reach past the image; what lies outside becomes transparent black.
std::optional<ImageRegion> TextureRegion(const PixelImage& image, int32_t x, int32_t y, int32_t width,
                                         int32_t height, int32_t maxTextureSize);

// The texel buffer for a region: power-of-two size (at least 16), the region
// flipped so that its bottom row is texel row 0, everything else zero. Linear
// (not nearest) textures get their edges bled. False only when memory fails.
bool BuildTexture(const PixelImage& image, const ImageRegion& region, bool nearest, TextureImage& texture);

// Gives every fully transparent texel next to a visible one (of its eight
// neighbours) the average colour of those neighbours, so linear filtering
// does not darken sprite edges. Alpha stays 0.
void BleedEdges(TextureImage& texture);

// Replaces the colour of every texel by a normal computed from the blue
// channel as a height field (wrapping at the edges); alpha is kept. False
// (texture unchanged) only when memory fails.
bool ApplyNormalMap(TextureImage& texture);

// The levels of the mipmapped copy, level 0 first. The buffer is first made
// square by averaging pairs along its longer side; each further level is a
// weighted 2 x 2 reduction, down to 1 x 1. False only when memory fails.
bool BuildMipmapChain(const TextureImage& texture, std::vector<TextureImage>& levels);

// Background images are cut into square tiles, at most 8 across and 8 down.
inline constexpr int32_t kMaxBackgroundTileSide = 512;
inline constexpr int32_t kMaxBackgroundTiles = 8;

struct BackgroundTiling {
  int32_t tileSize;
  int32_t columns;
  int32_t rows;

  // The region of the image that tile (column, row) is made from.
  ImageRegion Tile(int32_t column, int32_t row) const {
    return {column * tileSize, row * tileSize, tileSize, tileSize};
  }
};

// Tile size: the largest texture size, at most 512. Nothing for empty images
// or images that need more than 8 tiles in either direction.
std::optional<BackgroundTiling> PlanBackgroundTiles(int32_t imageWidth, int32_t imageHeight,
                                                    int32_t maxTextureSize);

}  // namespace vdr
