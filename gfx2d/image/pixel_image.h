#pragma once
// The decoded picture every image path works on: RGBA bytes, rows from the top.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vdr {

// Colour keys are RGB integers (red + green * 256 + blue * 65536); a pixel of
// exactly the key colour becomes fully transparent when an image is loaded.
inline constexpr int32_t kNoColourKey = -1;
inline constexpr int32_t kDefaultSpriteColourKey = 0x8000FF;  // red 255, green 0, blue 128
inline constexpr int32_t kDefaultFontColourKey = 0;           // black

// The largest side of a picture any loader accepts.
inline constexpr int32_t kMaxImageSide = 32767;

struct PixelImage {
  int32_t width = 0;
  int32_t height = 0;
  // width * height * 4 bytes: red, green, blue, alpha per pixel, row 0 at the top.
  std::vector<uint8_t> pixels;

  // Sizes the image to width x height, all bytes zero, reusing the buffer's
  // capacity. False (image left empty) for sizes outside 1..kMaxImageSide or
  // when the memory cannot be had.
  bool Reset(int32_t newWidth, int32_t newHeight);
  void Clear();

  uint8_t* Row(int32_t y) { return pixels.data() + static_cast<size_t>(y) * width * 4; }
  const uint8_t* Row(int32_t y) const { return pixels.data() + static_cast<size_t>(y) * width * 4; }
};

// Reverses the row order (read-back from OpenGL delivers the bottom row first).
void FlipRows(PixelImage& image);

// True when the pixel's RGB equals the key (a key of kNoColourKey never matches).
inline bool MatchesColourKey(uint8_t red, uint8_t green, uint8_t blue, int32_t key) {
  return key != kNoColourKey && (red | green << 8 | blue << 16) == key;
}

}  // namespace vdr
