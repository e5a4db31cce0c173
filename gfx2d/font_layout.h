#pragma once
// Bitmap font layout: a font picture is a grid of 16 character cells across
// and 16 down (pictures not wider than high: 256 characters) or 8 down (128
// characters). Text is fixed pitch, one cell per byte.

#include <cstdint>
#include <string_view>

#include "gfx2d/sprite_table.h"

namespace vdr {

inline constexpr int32_t kFontColumns = 16;

struct FontGrid {
  int32_t rows;        // 16 or 8
  int32_t cellWidth;   // picture width / 16
  int32_t cellHeight;  // picture height / rows
};
FontGrid FontGridFor(int32_t pictureWidth, int32_t pictureHeight);

// The cell of a byte: its code modulo the number of cells.
struct GlyphCell {
  int32_t column, row;  // row 0 at the top of the picture
};
GlyphCell GlyphCellFor(uint8_t code, int32_t rows);

// Font numbers outside 0..31 are taken as the nearest one.
inline int32_t ClampFontNumber(int32_t font) { return font < 0 ? 0 : font >= kFontSlots ? kFontSlots - 1 : font; }
inline int32_t FontSpriteSlot(int32_t font) { return kFontSlotBase + font; }

// The pen position text starts at: each coordinate rounded up to a whole pixel.
float TextPenStart(float coordinate);

struct TextVertex {
  float x, y, z, u, v;
};

// Four vertices per byte of text, for one triangle strip: bottom left, top
// left, bottom right, top right of each cell; neighbouring characters share
// an edge, so the triangles between them have no area. `out` holds 4 x
// text.size() vertices.
void LayOutText(std::string_view text, float x, float y, float z, const SpriteRecord& font, TextVertex* out);

}  // namespace vdr
