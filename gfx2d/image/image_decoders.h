#pragma once
// Image file decoders over whole files held in memory. Each returns false for
// anything it cannot decode completely (wrong format, truncated or corrupt
// data, sizes out of range, no memory) and then leaves the image empty.

#include <cstdint>
#include <span>

#include "gfx2d/image/pixel_image.h"

namespace vdr {

using ByteSpan = std::span<const uint8_t>;

// The runtime's own BMP decoder: core and information headers, 1, 4, 8, 16,
// 24 and 32 bits per pixel, bottom-up and top-down rows. Pixels of the key
// colour become transparent black.
bool DecodeBmp(ByteSpan file, int32_t colourKey, PixelImage& image);

// PNG: grey, RGB and RGBA results (palettes, sub-byte and 16-bit samples and
// transparency chunks are converted first). The key applies to RGB images;
// grey-plus-alpha images are refused.
bool DecodePng(ByteSpan file, int32_t colourKey, PixelImage& image);

// JPEG (colour or grey), always opaque; no colour key.
bool DecodeJpeg(ByteSpan file, PixelImage& image);

// Image loading: BMP, then PNG, then JPEG, the first success wins.
bool DecodeImage(ByteSpan file, int32_t colourKey, PixelImage& image);

// DecodeImage of a whole file given by its resolved name: a disk file or a
// live memory file ("mem://...").
bool LoadImage(const char* resolvedName, int32_t colourKey, PixelImage& image);

}  // namespace vdr
