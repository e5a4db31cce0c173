// Fuzz target: the BMP, PNG and JPEG decoders. Built with FUZZ_BMP, FUZZ_PNG or
// FUZZ_JPEG defined, it feeds one decoder only, so each gets a coverage-guided
// run of its own; built with none, every decoder sees every input (the replay
// of the seed corpus in the tests).

#include <cstddef>
#include <cstdint>

#include "gfx2d/image/image_decoders.h"

#if !defined(FUZZ_BMP) && !defined(FUZZ_PNG) && !defined(FUZZ_JPEG)
#define FUZZ_BMP
#define FUZZ_PNG
#define FUZZ_JPEG
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vdr::ByteSpan file(data, size);
  vdr::PixelImage image;
#ifdef FUZZ_BMP
  vdr::DecodeBmp(file, vdr::kDefaultSpriteColourKey, image);
#endif
#ifdef FUZZ_PNG
  vdr::DecodePng(file, vdr::kDefaultSpriteColourKey, image);
#endif
#ifdef FUZZ_JPEG
  vdr::DecodeJpeg(file, image);
#endif
  return 0;
}
