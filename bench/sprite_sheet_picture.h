#pragma once
// The picture the image benchmarks work on: smooth areas, edges and
// transparent holes, like a sprite sheet.

#include <cstdint>

#include "gfx2d/image/pixel_image.h"

namespace vdr::bench {

inline PixelImage SpriteSheetPicture(int32_t side) {
  PixelImage image;
  image.Reset(side, side);
  for (int32_t y = 0; y < side; ++y) {
    for (int32_t x = 0; x < side; ++x) {
      uint8_t* p = image.Row(y) + x * 4;
      p[0] = static_cast<uint8_t>(x);
      p[1] = static_cast<uint8_t>(y);
      p[2] = static_cast<uint8_t>((x ^ y) & 0xF0);
      p[3] = (x / 32 + y / 32) % 3 == 0 ? 0 : 255;
    }
  }
  return image;
}

}  // namespace vdr::bench
