#include "gfx2d/image/texture_image.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace vdr {

int32_t TextureSide(int32_t size, int32_t minimum) {
  int32_t side = minimum;
  while (side < size) side *= 2;
  return side;
}

TextureFit FitTexture(int32_t width, int32_t height, int32_t minimumSide) {
  const int32_t textureWidth = TextureSide(width, minimumSide);
  const int32_t textureHeight = TextureSide(height, minimumSide);
  return {textureWidth, textureHeight, static_cast<float>(width) / static_cast<float>(textureWidth),
          static_cast<float>(height) / static_cast<float>(textureHeight)};
}

std::optional<ImageRegion> TextureRegion(const PixelImage& image, int32_t x, int32_t y, int32_t width,
                                         int32_t height, int32_t maxTextureSize) {
  if (width == 0) width = image.width - x;
  if (height == 0) height = image.height - y;
  if (width < 1 || height < 1) return std::nullopt;
  return ImageRegion{x, y, std::min(width, maxTextureSize), std::min(height, maxTextureSize)};
}

bool BuildTexture(const PixelImage& image, const ImageRegion& region, bool nearest, TextureImage& texture) {
  texture.width = TextureSide(region.width);
  texture.height = TextureSide(region.height);
  try {
    texture.texels.assign(static_cast<size_t>(texture.width) * texture.height * 4, 0);
  } catch (const std::bad_alloc&) {
    texture = {};
    return false;
  }
  // Only the part of the region that lies inside the image is copied.
  const int32_t left = std::max(region.x, 0);
  const int32_t right = std::min(region.x + region.width, image.width);
  for (int32_t row = 0; row < region.height && left < right; ++row) {
    const int32_t imageRow = region.y + region.height - 1 - row;
    if (imageRow < 0 || imageRow >= image.height) continue;
    std::memcpy(texture.Texel(left - region.x, row), image.Row(imageRow) + static_cast<size_t>(left) * 4,
                static_cast<size_t>(right - left) * 4);
  }
  if (!nearest) BleedEdges(texture);
  return true;
}

void BleedEdges(TextureImage& texture) {
  for (int32_t y = 0; y < texture.height; ++y) {
    for (int32_t x = 0; x < texture.width; ++x) {
      uint8_t* texel = texture.Texel(x, y);
      if (texel[3] != 0) continue;
      uint32_t sum[3] = {0, 0, 0};
      uint32_t count = 0;
      for (int32_t ny = std::max(y - 1, 0); ny <= std::min(y + 1, texture.height - 1); ++ny) {
        for (int32_t nx = std::max(x - 1, 0); nx <= std::min(x + 1, texture.width - 1); ++nx) {
          const uint8_t* neighbour = texture.Texel(nx, ny);
          if (neighbour[3] == 0) continue;
          for (int c = 0; c < 3; ++c) sum[c] += neighbour[c];
          ++count;
        }
      }
      for (int c = 0; c < 3; ++c) texel[c] = count ? static_cast<uint8_t>(sum[c] / count) : 0;
    }
  }
}

std::optional<BackgroundTiling> PlanBackgroundTiles(int32_t imageWidth, int32_t imageHeight,
                                                    int32_t maxTextureSize) {
  const int32_t tile = std::min(maxTextureSize, kMaxBackgroundTileSide);
  if (imageWidth < 1 || imageHeight < 1 || tile < 1) return std::nullopt;
  const int32_t columns = (imageWidth + tile - 1) / tile;
  const int32_t rows = (imageHeight + tile - 1) / tile;
  if (columns > kMaxBackgroundTiles || rows > kMaxBackgroundTiles) return std::nullopt;
  return BackgroundTiling{tile, columns, rows};
}

}  // namespace vdr
