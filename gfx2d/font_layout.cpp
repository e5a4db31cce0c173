#include "gfx2d/font_layout.h"

#include <cmath>

namespace vdr {

FontGrid FontGridFor(int32_t pictureWidth, int32_t pictureHeight) {
  const int32_t rows = pictureWidth <= pictureHeight ? 16 : 8;
  return {rows, pictureWidth / kFontColumns, pictureHeight / rows};
}

GlyphCell GlyphCellFor(uint8_t code, int32_t rows) {
  const int32_t index = code % (rows * kFontColumns);
  return {index % kFontColumns, index / kFontColumns};
}

float TextPenStart(float coordinate) { return std::ceil(coordinate); }

void LayOutText(std::string_view text, float x, float y, float z, const SpriteRecord& font, TextVertex* out) {
  const FontGrid grid = FontGridFor(font.width, font.height);
  const float cellU = font.uExtent / kFontColumns;
  const float cellV = font.vExtent / static_cast<float>(grid.rows);
  const float advance = static_cast<float>(grid.cellWidth);
  const float cellHeight = static_cast<float>(grid.cellHeight);
  float px = TextPenStart(x);
  const float py = TextPenStart(y);
  for (const char c : text) {
    const GlyphCell cell = GlyphCellFor(static_cast<uint8_t>(c), grid.rows);
    const float uLeft = static_cast<float>(cell.column) * cellU;
    const float vBottom = cellV * static_cast<float>(grid.rows - 1 - cell.row);
    *out++ = {px, py + cellHeight, z, uLeft, vBottom};
    *out++ = {px, py, z, uLeft, vBottom + cellV};
    *out++ = {px + advance, py + cellHeight, z, uLeft + cellU, vBottom};
    *out++ = {px + advance, py, z, uLeft + cellU, vBottom + cellV};
    px += advance;
  }
}

}  // namespace vdr
