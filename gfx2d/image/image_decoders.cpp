#include "gfx2d/image/image_decoders.h"

namespace vdr {

bool DecodeImage(ByteSpan file, int32_t colourKey, PixelImage& image) {
  return DecodeBmp(file, colourKey, image) || DecodePng(file, colourKey, image) ||
         DecodeJpeg(file, image);
}

}  // namespace vdr
