#pragma once
// "colores.dat": 60 little-endian binary64 records, record n the colour
// integer of the colour page at the centre of cell n.

#include <cstdint>
#include <vector>

#include "tools/mediagen/image.h"

namespace vdr::mediagen {

std::vector<uint8_t> PaletteFile(const Image& colourPage);

}  // namespace vdr::mediagen
