// The runtime's own BMP decoder. Every offset and size read from the file is
// checked against the file before use.

#include <array>
#include <cstdlib>

#include "gfx2d/image/image_decoders.h"

namespace vdr {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kShortestInfoHeader = 16;  // width, height, planes, bit count

uint32_t ReadU16(ByteSpan bytes, size_t at) { return bytes[at] | bytes[at + 1] << 8; }
uint32_t ReadU32(ByteSpan bytes, size_t at) {
  return ReadU16(bytes, at) | ReadU16(bytes, at + 2) << 16;
}

struct BmpLayout {
  int64_t width = 0;
  int64_t height = 0;  // negative: rows stored top-down
  uint32_t bitCount = 0;
  size_t paletteStart = 0;
  size_t paletteEntrySize = 0;  // 3 (core header) or 4 bytes
  size_t dataOffset = 0;
};

bool ReadLayout(ByteSpan file, BmpLayout& layout) {
  if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M') return false;
  layout.dataOffset = ReadU32(file, 10);
  const uint32_t headerSize = ReadU32(file, kFileHeaderSize);
  const bool core = headerSize == kCoreHeaderSize;
  if (!core && headerSize < kShortestInfoHeader) return false;
  layout.paletteStart = kFileHeaderSize + headerSize;
  if (layout.paletteStart > layout.dataOffset || layout.dataOffset > file.size()) return false;
  if (core) {
    layout.width = ReadU16(file, 18);
    layout.height = ReadU16(file, 20);
    layout.bitCount = ReadU16(file, 24);
    layout.paletteEntrySize = 3;
  } else {
    layout.width = static_cast<int32_t>(ReadU32(file, 18));
    layout.height = static_cast<int32_t>(ReadU32(file, 22));
    layout.bitCount = ReadU16(file, 28);
    layout.paletteEntrySize = 4;
  }
  return true;
}

// Palette entries are blue, green, red (+ reserved); missing entries stay black.
using Palette = std::array<std::array<uint8_t, 3>, 256>;

Palette ReadPalette(ByteSpan file, const BmpLayout& layout) {
  Palette palette{};
  if (layout.bitCount > 8) return palette;
  const size_t available = (layout.dataOffset - layout.paletteStart) / layout.paletteEntrySize;
  const size_t count = std::min<size_t>(available, size_t{1} << layout.bitCount);
  for (size_t i = 0; i < count; ++i) {
    const size_t at = layout.paletteStart + i * layout.paletteEntrySize;
    palette[i] = {file[at + 2], file[at + 1], file[at]};
  }
  return palette;
}

uint8_t Expand5Bits(uint32_t value) { return static_cast<uint8_t>(value * 255 / 31); }

// Red, green and blue of pixel x of one stored row.
std::array<uint8_t, 3> ReadPixel(const uint8_t* row, int64_t x, uint32_t bitCount,
                                 const Palette& palette) {
  switch (bitCount) {
    case 1:
      return palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
    case 4:
      return palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
    case 8:
      return palette[row[x]];
    case 16: {
      const uint32_t v = row[x * 2] | row[x * 2 + 1] << 8;
      return {Expand5Bits(v >> 10 & 31), Expand5Bits(v >> 5 & 31), Expand5Bits(v & 31)};
    }
    default: {
      const uint8_t* p = row + x * (bitCount / 8);
      return {p[2], p[1], p[0]};
    }
  }
}

}  // namespace

bool DecodeBmp(ByteSpan file, int32_t colourKey, PixelImage& image) {
  image.Clear();
  BmpLayout layout;
  if (!ReadLayout(file, layout)) return false;
  switch (layout.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
  }
  const bool topDown = layout.height < 0;
  const int64_t width = layout.width;
  const int64_t height = std::abs(layout.height);
  if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide) return false;
  const size_t stride = static_cast<size_t>((width * layout.bitCount + 31) / 32 * 4);
  if (stride * height > file.size() - layout.dataOffset) return false;
  if (!image.Reset(static_cast<int32_t>(width), static_cast<int32_t>(height))) return false;

  const Palette palette = ReadPalette(file, layout);
  for (int64_t stored = 0; stored < height; ++stored) {
    const uint8_t* source = file.data() + layout.dataOffset + stored * stride;
    uint8_t* target = image.Row(static_cast<int32_t>(topDown ? stored : height - 1 - stored));
    for (int64_t x = 0; x < width; ++x, target += 4) {
      const auto [red, green, blue] = ReadPixel(source, x, layout.bitCount, palette);
      if (MatchesColourKey(red, green, blue, colourKey)) continue;  // stays transparent black
      target[0] = red;
      target[1] = green;
      target[2] = blue;
      target[3] = 255;
    }
  }
  return true;
}

}  // namespace vdr
