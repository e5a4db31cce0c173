// The runtime's own BMP writer.

#include <new>

#include "gfx2d/image/image_writers.h"

namespace vdr {
namespace {

constexpr uint32_t kHeadersSize = 54;
constexpr uint32_t kPixelsPerMetre = 10000;

void PutU16(uint8_t* at, uint32_t value) {
  at[0] = static_cast<uint8_t>(value);
  at[1] = static_cast<uint8_t>(value >> 8);
}
void PutU32(uint8_t* at, uint32_t value) {
  PutU16(at, value);
  PutU16(at + 2, value >> 16);
}

}  // namespace

bool EncodeBmp(const PixelImage& image, std::vector<uint8_t>& file) {
  file.clear();
  if (image.width < 1 || image.height < 1) return false;
  const uint32_t stride = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
  const uint32_t fileSize = kHeadersSize + stride * static_cast<uint32_t>(image.height);
  try {
    file.assign(fileSize, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  uint8_t* header = file.data();
  header[0] = 'B';
  header[1] = 'M';
  PutU32(header + 2, fileSize);
  PutU32(header + 10, kHeadersSize);
  PutU32(header + 14, 40);
  PutU32(header + 18, static_cast<uint32_t>(image.width));
  PutU32(header + 22, static_cast<uint32_t>(image.height));  // positive: bottom row first
  PutU16(header + 26, 1);
  PutU16(header + 28, 24);
  PutU32(header + 38, kPixelsPerMetre);
  PutU32(header + 42, kPixelsPerMetre);

  // Pixels that are not opaque are written as blue 255, green 0, red 128:
  // BMP has no alpha, and this marker is deliberately not the sprite key.
  constexpr uint8_t markerBlue = 255, markerGreen = 0, markerRed = 128;
  for (int32_t y = 0; y < image.height; ++y) {
    const uint8_t* source = image.Row(image.height - 1 - y);
    uint8_t* target = file.data() + kHeadersSize + static_cast<size_t>(y) * stride;
    for (int32_t x = 0; x < image.width; ++x, source += 4, target += 3) {
      const bool opaque = source[3] == 255;
      target[0] = opaque ? source[2] : markerBlue;
      target[1] = opaque ? source[1] : markerGreen;
      target[2] = opaque ? source[0] : markerRed;
    }
  }
  return true;
}

}  // namespace vdr
