#pragma once
// The default font "smalfont.png": 16 x 8 cells of 7 x 12 pixels, white
// glyphs with a dark outline on transparency.

#include "tools/mediagen/image.h"

namespace vdr::mediagen {

constexpr int kFontCellWidth = 7;
constexpr int kFontCellHeight = 12;

Image DrawFont();

}  // namespace vdr::mediagen
