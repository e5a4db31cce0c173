#pragma once
// The 60 sand colours: ten columns (greys, sand, then red round the hue
// circle to pink) and six shades from pale to dark, numbered row by row the
// way the colour page lays them out.

#include "tools/mediagen/image.h"

namespace vdr::mediagen {

constexpr int kColourCount = 60;

// Colour n, opaque. The default pouring colour 1 is pale sand.
Pixel SandColour(int n);

}  // namespace vdr::mediagen
