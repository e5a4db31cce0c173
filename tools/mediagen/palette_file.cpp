#include "tools/mediagen/palette_file.h"

#include <bit>
#include <cstring>

#include "tools/mediagen/draw.h"
#include "tools/mediagen/pages.h"

namespace vdr::mediagen {

std::vector<uint8_t> PaletteFile(const Image& colourPage) {
  static_assert(std::endian::native == std::endian::little, "records are written in native order");
  std::vector<uint8_t> bytes;
  for (int n = 0; n < kGridColumns * kGridRows; ++n) {
    const Pixel centre = colourPage.at(CellX(n) + kCellSize / 2, CellY(n) + kCellSize / 2);
    const double value = ColourInteger(centre);
    uint8_t record[sizeof value];
    std::memcpy(record, &value, sizeof value);
    bytes.insert(bytes.end(), record, record + sizeof record);
  }
  return bytes;
}

}  // namespace vdr::mediagen
