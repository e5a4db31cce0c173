#include <vector>

#include "files/file_source.h"
#include "gfx2d/image/image_decoders.h"

namespace vdr {

bool LoadImage(const char* resolvedName, int32_t colourKey, PixelImage& image) {
  std::vector<uint8_t> file;
  if (!ReadWholeFile(resolvedName, file)) {
    image.Clear();
    return false;
  }
  return DecodeImage(file, colourKey, image);
}

}  // namespace vdr
