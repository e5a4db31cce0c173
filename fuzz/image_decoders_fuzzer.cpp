// Fuzz target: the BMP, PNG and JPEG decoders, each on every input.

#include <cstddef>
#include <cstdint>

#include "gfx2d/image/image_decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vdr::ByteSpan file(data, size);
  vdr::PixelImage image;
  vdr::DecodeBmp(file, vdr::kDefaultSpriteColourKey, image);
  vdr::DecodePng(file, vdr::kDefaultSpriteColourKey, image);
  vdr::DecodeJpeg(file, image);
  return 0;
}
