// The normal map and the mipmap chain, both computed on texel buffers.

#include <cmath>
#include <new>

#include "gfx2d/image/texture_image.h"

namespace vdr {

bool ApplyNormalMap(TextureImage& texture) {
  TextureImage source;
  try {
    source = texture;
  } catch (const std::bad_alloc&) {
    return false;
  }
  const int32_t w = texture.width;
  const int32_t h = texture.height;
  auto height = [&](int32_t x, int32_t y) {
    return static_cast<float>(source.Texel((x + w) % w, (y + h) % h)[2]) / 255.0f;
  };
  for (int32_t i = 0; i < h; ++i) {
    for (int32_t j = 0; j < w; ++j) {
      const float a = height(j - 1, i + 1), b = height(j, i + 1), c = height(j + 1, i + 1);
      const float d = height(j - 1, i - 1), e = height(j, i - 1), f = height(j + 1, i - 1);
      const float g = height(j - 1, i), hh = height(j + 1, i);
      const float nx = -((c + f + 2 * hh) - (a + d + 2 * g));
      const float ny = -((d + 2 * e + f) - (a + 2 * b + c));
      const float k = 1.0f / std::sqrt(nx * nx + ny * ny + 1.0f);
      uint8_t* texel = texture.Texel(j, i);
      texel[0] = static_cast<uint8_t>((nx * k + 1.0f) * 0.5f * 255.0f);
      texel[1] = static_cast<uint8_t>((ny * k + 1.0f) * 0.5f * 255.0f);
      texel[2] = static_cast<uint8_t>((k + 1.0f) * 0.5f * 255.0f);
    }
  }
  return true;
}

namespace {

// Halves the width (pairs side by side) or the height (pairs one above the
// other), each byte the truncated mean of the pair.
TextureImage HalveSide(const TextureImage& source, bool halveWidth) {
  TextureImage half;
  half.width = halveWidth ? source.width / 2 : source.width;
  half.height = halveWidth ? source.height : source.height / 2;
  half.texels.resize(static_cast<size_t>(half.width) * half.height * 4);
  for (int32_t y = 0; y < half.height; ++y) {
    for (int32_t x = 0; x < half.width; ++x) {
      const uint8_t* first = halveWidth ? source.Texel(2 * x, y) : source.Texel(x, 2 * y);
      const uint8_t* second = halveWidth ? source.Texel(2 * x + 1, y) : source.Texel(x, 2 * y + 1);
      uint8_t* target = half.Texel(x, y);
      for (int c = 0; c < 4; ++c) target[c] = static_cast<uint8_t>((first[c] + second[c]) / 2);
    }
  }
  return half;
}

// One level down the chain: from each 2 x 2 block the texel itself counts 4,
// its right and lower-right neighbours 2 each, the one below 1. The last
// column and row of the new level use only the texel (weight 2) and the one
// below or right of it; the last corner is the texel alone.
TextureImage NextLevel(const TextureImage& source) {
  TextureImage next;
  next.width = source.width / 2;
  next.height = source.height / 2;
  next.texels.resize(static_cast<size_t>(next.width) * next.height * 4);
  for (int32_t y = 0; y < next.height; ++y) {
    for (int32_t x = 0; x < next.width; ++x) {
      const bool lastColumn = x == next.width - 1;
      const bool lastRow = y == next.height - 1;
      const uint8_t* topLeft = source.Texel(2 * x, 2 * y);
      const uint8_t* right = source.Texel(2 * x + 1, 2 * y);
      const uint8_t* lowerRight = source.Texel(2 * x + 1, 2 * y + 1);
      const uint8_t* below = source.Texel(2 * x, 2 * y + 1);
      uint8_t* target = next.Texel(x, y);
      for (int c = 0; c < 4; ++c) {
        int value;
        if (lastColumn && lastRow) value = topLeft[c];
        else if (lastColumn) value = (topLeft[c] * 2 + below[c]) / 3;
        else if (lastRow) value = (topLeft[c] * 2 + right[c]) / 3;
        else value = (topLeft[c] * 4 + right[c] * 2 + lowerRight[c] * 2 + below[c]) / 9;
        target[c] = static_cast<uint8_t>(value);
      }
    }
  }
  return next;
}

}  // namespace

bool BuildMipmapChain(const TextureImage& texture, std::vector<TextureImage>& levels) {
  levels.clear();
  try {
    TextureImage level = texture;
    while (level.width > level.height) level = HalveSide(level, true);
    while (level.height > level.width) level = HalveSide(level, false);
    levels.push_back(std::move(level));
    while (levels.back().width >= 2 || levels.back().height >= 2) {
      levels.push_back(NextLevel(levels.back()));
    }
  } catch (const std::bad_alloc&) {
    levels.clear();
    return false;
  }
  return true;
}

}  // namespace vdr
