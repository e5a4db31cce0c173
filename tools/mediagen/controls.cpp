#include "tools/mediagen/controls.h"

#include <cmath>

#include "tools/mediagen/draw.h"
#include "tools/mediagen/icons.h"

namespace vdr::mediagen {

namespace {

// A round 24-pixel button face in `colour` with a soft top light.
void DrawRoundButton(cairo_t* cr, double cx, double cy, const Rgb& colour) {
  CirclePath(cr, cx, cy, 11);
  SetLinearGradient(cr, 0, cy - 11, 0, cy + 11, {{0, Shade(colour, 0.25)}, {1, Shade(colour, -0.2)}});
  cairo_fill_preserve(cr);
  StrokePath(cr, kInk, 1.5);
}

}  // namespace

Image DrawOptionsButton() {
  Canvas canvas(24, 24);
  cairo_t* cr = canvas.cr();
  RoundedRect(cr, 0.75, 0.75, 22.5, 22.5, 6);
  SetLinearGradient(cr, 0, 0, 0, 24, {{0, Hex(0x56628F)}, {1, Hex(0x2E3552)}});
  cairo_fill_preserve(cr);
  StrokePath(cr, kInk, 1.5);
  DrawGearIcon(cr, 12, 12, 8);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  SetColour(cr, Hex(0xF0C050));
  cairo_fill_preserve(cr);
  StrokePath(cr, kInk, 1);
  return Hardened(canvas.ToImage());
}

Image DrawClipButtons() {
  Canvas canvas(72, 24);
  cairo_t* cr = canvas.cr();
  DrawRoundButton(cr, 12, 12, Hex(0xD8423C));
  DrawCrossIcon(cr, 12, 12, 4.5);
  StrokePath(cr, Rgb{1, 1, 1}, 3);
  DrawRoundButton(cr, 60, 12, Hex(0x3DAA4E));
  DrawTickIcon(cr, 60, 12.5, 5.5);
  StrokePath(cr, Rgb{1, 1, 1}, 3);
  return Hardened(canvas.ToImage());
}

Image DrawHighlight() {
  Canvas canvas(40, 40);
  cairo_t* cr = canvas.cr();
  RoundedRect(cr, 2, 2, 36, 36, 7);
  StrokePath(cr, Hex(0x8A5A10), 4);
  RoundedRect(cr, 2, 2, 36, 36, 7);
  SetLinearGradient(cr, 0, 0, 40, 40, {{0, Hex(0xFFF1A8)}, {0.5, Hex(0xF0C050)}, {1, Hex(0xC98A1C)}});
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // Small sparkles on two corners.
  for (const double c : {5.0, 35.0}) {
    cairo_new_path(cr);
    for (int i = 0; i < 8; ++i) {
      const double r = i % 2 == 0 ? 5 : 1.4;
      const double a = i * M_PI / 4;
      cairo_line_to(cr, c + r * std::cos(a), c + r * std::sin(a));
    }
    cairo_close_path(cr);
    FillPath(cr, Hex(0xFFFBE6));
  }
  return canvas.ToImage();
}

}  // namespace vdr::mediagen
