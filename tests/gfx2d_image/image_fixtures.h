#pragma once
// Small image files made by the tests themselves.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gfx2d/image/pixel_image.h"

namespace vdr::testing {

using Bytes = std::vector<uint8_t>;

struct BmpFixture {
  int32_t width = 1;
  int32_t height = 1;
  uint16_t bitCount = 24;
  bool topDown = false;
  uint32_t headerSize = 40;  // 12 = core header, 124 = version 5 header
  std::vector<uint32_t> palette = {};  // RGB integers
  // The stored value of pixel (x, y), y from the top: a palette index, a
  // 16-bit 5-5-5 value or an RGB integer.
  std::function<uint32_t(int32_t x, int32_t y)> pixel = [](int32_t, int32_t) { return 0u; };
};
Bytes MakeBmp(const BmpFixture& fixture);

struct PngFixture {
  int32_t width = 1;
  int32_t height = 1;
  int colourType = 2;  // PNG_COLOR_TYPE_RGB
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<uint32_t> palette = {};  // RGB integers
  std::vector<uint8_t> paletteAlpha = {};  // tRNS for palette images
  // Channel values of pixel (x, y) in file order, at the file's bit depth.
  std::function<std::vector<uint16_t>(int32_t x, int32_t y)> samples = {};
};
Bytes MakePng(const PngFixture& fixture);

// A greyscale JPEG (RGB JPEGs come from EncodeJpeg), Huffman or arithmetic coded.
Bytes MakeGreyJpeg(int32_t width, int32_t height, uint8_t grey, bool arithmeticCoding = false);

// An image whose pixels come from a function of (x, y) giving RGBA as
// red + green * 256 + blue * 65536 + alpha * 16777216.
PixelImage MakeImage(int32_t width, int32_t height, const std::function<uint32_t(int32_t, int32_t)>& rgba);
uint32_t PixelAt(const PixelImage& image, int32_t x, int32_t y);

Bytes ReadFile(const std::string& path);
void WriteFile(const std::string& path, const Bytes& bytes);

}  // namespace vdr::testing
