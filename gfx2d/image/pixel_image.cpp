#include "gfx2d/image/pixel_image.h"

#include <algorithm>
#include <new>

namespace vdr {

bool PixelImage::Reset(int32_t newWidth, int32_t newHeight) {
  if (newWidth < 1 || newHeight < 1 || newWidth > kMaxImageSide || newHeight > kMaxImageSide) {
    Clear();
    return false;
  }
  try {
    pixels.assign(static_cast<size_t>(newWidth) * newHeight * 4, 0);
  } catch (const std::bad_alloc&) {
    Clear();
    return false;
  }
  width = newWidth;
  height = newHeight;
  return true;
}

void PixelImage::Clear() {
  width = 0;
  height = 0;
  pixels.clear();
}

void FlipRows(PixelImage& image) {
  const size_t rowBytes = static_cast<size_t>(image.width) * 4;
  for (int32_t top = 0, bottom = image.height - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(image.Row(top), image.Row(top) + rowBytes, image.Row(bottom));
  }
}

}  // namespace vdr
