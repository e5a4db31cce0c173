#include "tools/mediagen/icons.h"

#include <cmath>

#include "tools/mediagen/draw.h"

namespace vdr::mediagen {

void DrawColoursIcon(cairo_t* cr, double cx, double cy) {
  const Rgb colours[] = {Hex(0xE03A3A), Hex(0xF5C518), Hex(0x2F7DE1)};
  for (int i = 0; i < 3; ++i) {
    const double a = -M_PI / 2 + i * 2 * M_PI / 3;
    CirclePath(cr, cx + 5 * std::cos(a), cy + 1 + 5 * std::sin(a), 5.5);
    FillAndStroke(cr, colours[i], kInk, 1.2);
  }
}

void DrawScenesIcon(cairo_t* cr, double cx, double cy) {
  const double x = cx - 10, y = cy - 8, w = 20, h = 16;
  RoundedRect(cr, x, y, w, h, 2);
  SetLinearGradient(cr, 0, y, 0, y + h, {{0, Hex(0x7EC8F5)}, {1, Hex(0xCDEBFA)}});
  cairo_fill(cr);
  CirclePath(cr, x + 14.5, y + 5, 2.5);
  FillPath(cr, Hex(0xFFD34D));
  cairo_save(cr);
  RoundedRect(cr, x, y, w, h, 2);
  cairo_clip(cr);
  PolygonPath(cr, {x - 1, y + h + 1, x + 6, y + 6, x + 12, y + 13, x + 15, y + 10, x + w + 1, y + h + 1});
  FillPath(cr, Hex(0x4CAF50));
  cairo_restore(cr);
  RoundedRect(cr, x, y, w, h, 2);
  StrokePath(cr, kInk, 1.5);
}

void DrawClipsIcon(cairo_t* cr, double cx, double cy) {
  StarPath(cr, cx, cy + 1, 10, 0.44, 5);
  FillAndStroke(cr, Hex(0xFFC93C), kInk, 1.3);
}

void DrawRainIcon(cairo_t* cr, double cx, double cy) {
  const Rgb drops[] = {Hex(0xF9A65A), Hex(0x5FCFC0), Hex(0xEE88BC)};
  for (int i = 0; i < 3; ++i) {
    cairo_rectangle(cr, cx - 6.5 + i * 5, cy + 4 + (i % 2) * 3, 2.5, 2.5);
    FillPath(cr, drops[i]);
  }
  cairo_new_path(cr);
  cairo_arc(cr, cx - 5, cy - 1, 4.5, M_PI / 2, 1.5 * M_PI);
  cairo_arc(cr, cx, cy - 4, 5.5, 1.1 * M_PI, 1.9 * M_PI);
  cairo_arc(cr, cx + 5.5, cy - 0.5, 4, 1.5 * M_PI, 0.5 * M_PI);
  cairo_close_path(cr);
  FillAndStroke(cr, Hex(0xF2F4FA), kInk, 1.3);
}

void DrawGearIcon(cairo_t* cr, double cx, double cy, double radius) {
  const int teeth = 8;
  cairo_new_path(cr);
  for (int i = 0; i < teeth * 4; ++i) {
    const double a = i * 2 * M_PI / (teeth * 4) - M_PI / (teeth * 4);
    const double r = (i % 4 == 1 || i % 4 == 2) ? radius : radius * 0.72;
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, cy, radius * 0.32, 0, -2 * M_PI);
  cairo_close_path(cr);
}

void DrawCrossIcon(cairo_t* cr, double cx, double cy, double size) {
  cairo_move_to(cr, cx - size, cy - size);
  cairo_line_to(cr, cx + size, cy + size);
  cairo_move_to(cr, cx + size, cy - size);
  cairo_line_to(cr, cx - size, cy + size);
}

void DrawTickIcon(cairo_t* cr, double cx, double cy, double size) {
  cairo_move_to(cr, cx - size, cy);
  cairo_line_to(cr, cx - size * 0.3, cy + size * 0.7);
  cairo_line_to(cr, cx + size, cy - size * 0.75);
}

}  // namespace vdr::mediagen
