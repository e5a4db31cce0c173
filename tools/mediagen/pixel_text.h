#pragma once
// The game's pixel lettering: 5 x 9 dot glyphs shared by the default font,
// the picker page labels and the title picture.

#include <cairo.h>

#include <string_view>

#include "tools/mediagen/draw.h"

namespace vdr::mediagen {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 9;
// Rows 0..6 hold capitals and digits; the baseline lies under row 6.
constexpr int kGlyphCapHeight = 7;

// Whether dot (column, row) of character c is set; characters outside
// printable ASCII are blank.
bool GlyphDot(char c, int column, int row);

// Lettering with dots of `scale` pixels, `advance` dots per character
// (glyph width plus spacing), a one-dot outline around every dot.
struct PixelTextStyle {
  int scale = 1;
  int advance = kGlyphWidth + 1;
  Rgb fill{1, 1, 1};
  Rgb outline{0.06, 0.06, 0.08};
};

// Width in pixels of `text` without its outline.
int PixelTextWidth(std::string_view text, const PixelTextStyle& style);
// Draws `text` with its first glyph's top-left dot at (x, y).
void DrawPixelText(cairo_t* cr, std::string_view text, int x, int y, const PixelTextStyle& style);

}  // namespace vdr::mediagen
