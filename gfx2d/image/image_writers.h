#pragma once
// Image file writers (into memory) and saving a picture under a file name.

#include <cstdint>
#include <string_view>
#include <vector>

#include "gfx2d/image/pixel_image.h"

namespace vdr {

// PNG: 8-bit RGB with alpha, not interlaced, rows from the top.
bool EncodePng(const PixelImage& image, std::vector<uint8_t>& file);

// JPEG: baseline, quality 80, RGB; alpha is dropped.
bool EncodeJpeg(const PixelImage& image, std::vector<uint8_t>& file);

// BMP: 24 bits, bottom-up, rows padded to 4 bytes. BMP has no alpha, so a
// pixel that is not fully opaque is written as the marker colour blue 255,
// green 0, red 128 (stored files rely on it; it is not the sprite colour key).
bool EncodeBmp(const PixelImage& image, std::vector<uint8_t>& file);

enum class SavedImageFormat { kBmp, kPng, kJpeg };

// ".png" in any letter case (name longer than 4 characters): PNG; a name
// ending in the letters "jpg" in any case: JPEG; anything else: BMP.
SavedImageFormat SaveFormatForName(std::string_view fileName);

// Encodes the picture in the format its name asks for and writes it. The file
// appears under its name only once complete (written beside it under a
// temporary name, then renamed over any old file). Memory-file names ("mem://")
// and empty pictures are refused.
bool SaveImage(std::string_view fileName, const PixelImage& image);

}  // namespace vdr
