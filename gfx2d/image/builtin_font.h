#pragma once
// The font that is always there: a 128 x 64 picture of 16 x 8 cells of 8 x 8
// pixels (character c in column c % 16, row c / 16). Characters 32 to 127 are
// white on a near-black outline; everything else is transparent.

#include "gfx2d/image/pixel_image.h"

namespace vdr {

inline constexpr int32_t kBuiltInFontWidth = 128;
inline constexpr int32_t kBuiltInFontHeight = 64;

PixelImage BuiltInFontImage();

}  // namespace vdr
