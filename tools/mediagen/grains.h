#pragma once
// The grain strip "rayas.png": 5 variants (columns, fine to coarse) by 60
// colours (rows) of 5 x 5 grain pictures, alpha only 0 or 255 because grains
// are composed pixel by pixel.

#include "tools/mediagen/image.h"

namespace vdr::mediagen {

constexpr int kGrainSize = 5;
constexpr int kGrainVariants = 5;

Image DrawGrainStrip();

}  // namespace vdr::mediagen
