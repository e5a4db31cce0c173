#include "tools/mediagen/pixel_text.h"

namespace vdr::mediagen {

int PixelTextWidth(std::string_view text, const PixelTextStyle& style) {
  if (text.empty()) return 0;
  return (static_cast<int>(text.size() - 1) * style.advance + kGlyphWidth) * style.scale;
}

void DrawPixelText(cairo_t* cr, std::string_view text, int x, int y, const PixelTextStyle& style) {
  const int s = style.scale;
  cairo_save(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  // Outlines first, so that no glyph's outline covers its neighbour's dots.
  for (int pass = 0; pass < 2; ++pass) {
    const int grow = pass == 0 ? s : 0;
    for (size_t i = 0; i < text.size(); ++i) {
      const int left = x + static_cast<int>(i) * style.advance * s;
      for (int row = 0; row < kGlyphHeight; ++row)
        for (int col = 0; col < kGlyphWidth; ++col)
          if (GlyphDot(text[i], col, row))
            cairo_rectangle(cr, left + col * s - grow, y + row * s - grow, s + 2 * grow, s + 2 * grow);
    }
    FillPath(cr, pass == 0 ? style.outline : style.fill);
  }
  cairo_restore(cr);
}

}  // namespace vdr::mediagen
