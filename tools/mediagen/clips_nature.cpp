// Clip art: plants, flowers and fruit.

#include <cmath>

#include "tools/mediagen/clip_style.h"

namespace vdr::mediagen {

namespace {

constexpr Rgb kLeafGreen = Hex(0x4DB34F);
constexpr Rgb kDarkGreen = Hex(0x2E8A3E);
constexpr Rgb kBark = Hex(0x8A5A34);

void Stem(cairo_t* cr, double x0, double y0, double x1, double y1, double bend) {
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, x0 + bend, (y0 * 2 + y1) / 3, x1 + bend, (y0 + y1 * 2) / 3, x1, y1);
  InkTube(cr, kDarkGreen, 3.5);
}

// A pointed leaf from (x, y) in direction `angle`, `length` long.
void Leaf(cairo_t* cr, double x, double y, double angle, double length, const Rgb& colour) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, length * 0.3, -length * 0.35, length * 0.75, -length * 0.3, length, 0);
  cairo_curve_to(cr, length * 0.75, length * 0.3, length * 0.3, length * 0.35, 0, 0);
  cairo_close_path(cr);
  cairo_restore(cr);
  Ink(cr, colour, 2);
}

void RoundTree(cairo_t* cr) {
  PolygonPath(cr, {48, 136, 51, 80, 59, 80, 62, 136});
  Ink(cr, kBark, 3);
  BumpPath(cr, {{22, 70, 19}, {38, 40, 24}, {66, 34, 28}, {88, 62, 19}}, 92);
  Ink(cr, kLeafGreen, 7);
  for (const auto& a : {Circle{34, 62, 5}, Circle{70, 52, 5}, Circle{56, 76, 5}, Circle{80, 76, 4}}) {
    CirclePath(cr, a.x, a.y, a.r);
    Ink(cr, Hex(0xEE4B4B), 1.5);
  }
}

void PineTree(cairo_t* cr) {
  cairo_rectangle(cr, 39, 124, 12, 22);
  Ink(cr, kBark, 3);
  for (int tier = 2; tier >= 0; --tier) {
    const double top = 6 + tier * 34, bottom = 64 + tier * 30, half = 24 + tier * 10;
    cairo_move_to(cr, 45, top);
    cairo_curve_to(cr, 50, top + 20, 45 + half - 8, bottom - 10, 45 + half, bottom);
    cairo_curve_to(cr, 60, bottom + 5, 30, bottom + 5, 45 - half, bottom);
    cairo_curve_to(cr, 45 - half + 8, bottom - 10, 40, top + 20, 45, top);
    cairo_close_path(cr);
    Ink(cr, Hex(0x2F9A5A), 5);
  }
  StarPath(cr, 45, 8, 7, 0.45, 5);
  Ink(cr, Hex(0xFFC933), 1);
}

void PalmTree(cairo_t* cr) {
  cairo_move_to(cr, 52, 156);
  cairo_curve_to(cr, 58, 120, 58, 96, 66, 62);
  cairo_line_to(cr, 76, 64);
  cairo_curve_to(cr, 68, 96, 68, 120, 68, 156);
  cairo_close_path(cr);
  Ink(cr, Hex(0xB07A44), 3);
  for (int ring = 0; ring < 5; ++ring) {
    const double y = 142 - ring * 17;
    cairo_move_to(cr, 55 + ring * 2, y);
    cairo_line_to(cr, 67 + ring * 1.6, y - 2);
  }
  InkLine(cr, 1.5);
  // Fronds arch out of the crown and hang at their tips.
  const double crownX = 71, crownY = 60;
  const double fronds[][2] = {{-2.95, 64}, {-2.45, 58}, {-1.95, 44}, {-1.2, 44}, {-0.7, 58}, {-0.2, 64}};
  for (const auto& [a, l] : fronds) {
    const double dx = std::cos(a) * l, dy = std::sin(a) * l * 0.6;
    cairo_move_to(cr, crownX, crownY);
    cairo_curve_to(cr, crownX + dx * 0.3, crownY + dy * 0.3 - l * 0.3, crownX + dx * 0.7, crownY + dy * 0.7 - l * 0.3,
                   crownX + dx, crownY + dy + l * 0.3);
    cairo_curve_to(cr, crownX + dx * 0.7, crownY + dy * 0.7 + l * 0.02, crownX + dx * 0.3, crownY + dy * 0.3 + l * 0.08,
                   crownX, crownY + 4);
    cairo_close_path(cr);
    Ink(cr, Hex(0x3FAE4A), 3);
  }
  for (const auto& c : {Circle{65, 66, 6}, Circle{77, 67, 6}}) {
    CirclePath(cr, c.x, c.y, c.r);
    Ink(cr, Hex(0x7A4A2A), 2);
  }
}

// Petals of `count` ellipses around a centre.
void Petals(cairo_t* cr, double cx, double cy, int count, double length, double width, const Rgb& colour) {
  for (int i = 0; i < count; ++i) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, i * 2 * M_PI / count);
    EllipsePath(cr, length * 0.55, 0, length * 0.55, width);
    cairo_restore(cr);
    Ink(cr, colour, 1.5);
  }
}

void Daisy(cairo_t* cr) {
  Stem(cr, 40, 60, 42, 136, -8);
  Leaf(cr, 40, 104, -0.5, 30, kLeafGreen);
  Leaf(cr, 40, 116, M_PI + 0.4, 26, kLeafGreen);
  Petals(cr, 40, 40, 12, 34, 7, Rgb{1, 1, 1});
  CirclePath(cr, 40, 40, 13);
  Ink(cr, Hex(0xFFC933), 3);
}

void Tulip(cairo_t* cr) {
  Stem(cr, 32, 60, 32, 128, 4);
  Leaf(cr, 32, 126, -1.2, 50, kLeafGreen);
  Leaf(cr, 32, 126, M_PI + 1.0, 42, kLeafGreen);
  cairo_move_to(cr, 12, 20);
  cairo_line_to(cr, 22, 32);
  cairo_line_to(cr, 32, 12);
  cairo_line_to(cr, 42, 32);
  cairo_line_to(cr, 52, 20);
  cairo_curve_to(cr, 56, 46, 48, 64, 32, 64);
  cairo_curve_to(cr, 16, 64, 8, 46, 12, 20);
  cairo_close_path(cr);
  Ink(cr, Hex(0xEE4B6A), 5);
  Shine(cr, 20, 40, 3, 7, 0.4);
}

void Sunflower(cairo_t* cr) {
  Stem(cr, 50, 80, 50, 146, 6);
  Leaf(cr, 52, 112, -0.3, 36, kLeafGreen);
  Leaf(cr, 50, 124, M_PI + 0.3, 34, kLeafGreen);
  Petals(cr, 50, 48, 16, 44, 8, Hex(0xFFC933));
  CirclePath(cr, 50, 48, 20);
  Ink(cr, Hex(0x7A4A2A), 4);
  for (int i = 0; i < 14; ++i) {
    const double a = i * 2.4, r = 3 + std::sqrt(i) * 4;
    CirclePath(cr, 50 + r * std::cos(a), 48 + r * std::sin(a), 1.4);
  }
  FillPath(cr, Hex(0x4A2A14));
}

void PottedCactus(cairo_t* cr) {
  auto arm = [cr](double x0, double y0, double x1, double y1, double w) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y0);
    cairo_line_to(cr, x1, y1);
    InkTube(cr, Hex(0x4DB36A), w);
  };
  arm(40, 60, 16, 40, 14);
  arm(40, 48, 64, 30, 14);
  RoundedRect(cr, 28, 12, 24, 90, 12);
  Ink(cr, Hex(0x4DB36A), 4);
  for (int i = 0; i < 6; ++i) {
    cairo_move_to(cr, 35 + (i % 2) * 10, 24 + i * 12);
    cairo_line_to(cr, 33 + (i % 2) * 14, 22 + i * 12);
  }
  InkLine(cr, 1.2);
  StarPath(cr, 40, 12, 7, 0.5, 5);
  Ink(cr, Hex(0xF590C0), 1);
  PolygonPath(cr, {14, 98, 66, 98, 60, 136, 20, 136});
  Ink(cr, Hex(0xD9703A), 4);
  RoundedRect(cr, 10, 92, 60, 12, 3);
  Ink(cr, Hex(0xE8844A), 2);
}

void Mushroom(cairo_t* cr) {
  cairo_move_to(cr, 36, 50);
  cairo_curve_to(cr, 30, 80, 32, 92, 38, 96);
  cairo_line_to(cr, 62, 96);
  cairo_curve_to(cr, 68, 92, 70, 80, 64, 50);
  cairo_close_path(cr);
  Ink(cr, Hex(0xF6ECD8), 4);
  cairo_move_to(cr, 4, 56);
  cairo_curve_to(cr, 4, 10, 96, 10, 96, 56);
  cairo_curve_to(cr, 70, 64, 30, 64, 4, 56);
  cairo_close_path(cr);
  Ink(cr, Hex(0xE8413C), 5);
  for (const auto& s : {Circle{30, 36, 7}, Circle{56, 30, 6}, Circle{76, 42, 6}, Circle{46, 48, 4}, Circle{16, 48, 4}}) {
    CirclePath(cr, s.x, s.y, s.r);
    FillPath(cr, Rgb{1, 1, 1});
  }
}

void BigLeaf(cairo_t* cr) {
  Leaf(cr, 8, 70, -0.55, 104, Hex(0x5CC24E));
  cairo_move_to(cr, 8, 70);
  cairo_line_to(cr, 92, 16);
  for (int i = 1; i < 5; ++i) {
    const double x = 8 + i * 17, y = 70 - i * 11;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 6, y - 16);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 14, y + 4);
  }
  InkLine(cr, 1.6);
}

void Apple(cairo_t* cr) {
  cairo_move_to(cr, 40, 24);
  cairo_curve_to(cr, 20, 10, 2, 28, 6, 52);
  cairo_curve_to(cr, 10, 76, 28, 92, 40, 84);
  cairo_curve_to(cr, 52, 92, 70, 76, 74, 52);
  cairo_curve_to(cr, 78, 28, 60, 10, 40, 24);
  cairo_close_path(cr);
  Ink(cr, Hex(0xE8413C), 6);
  Shine(cr, 22, 38, 5, 8);
  cairo_move_to(cr, 40, 24);
  cairo_curve_to(cr, 40, 16, 42, 10, 46, 4);
  InkLine(cr, 3.5);
  Leaf(cr, 44, 14, -0.4, 26, kLeafGreen);
}

void Cherries(cairo_t* cr) {
  cairo_move_to(cr, 26, 70);
  cairo_curve_to(cr, 30, 40, 44, 20, 58, 10);
  cairo_move_to(cr, 66, 76);
  cairo_curve_to(cr, 64, 46, 60, 24, 58, 10);
  InkTube(cr, Hex(0x4E8A2E), 2.5);
  Leaf(cr, 58, 10, -0.1, 30, kLeafGreen);
  for (const auto& c : {Circle{24, 78, 18}, Circle{66, 82, 17}}) {
    CirclePath(cr, c.x, c.y, c.r);
    Ink(cr, Hex(0xD62839), 5);
    Shine(cr, c.x - 7, c.y - 6, 4, 3);
  }
}

void Strawberry(cairo_t* cr) {
  cairo_move_to(cr, 40, 96);
  cairo_curve_to(cr, 20, 86, 4, 50, 8, 32);
  cairo_curve_to(cr, 12, 18, 68, 18, 72, 32);
  cairo_curve_to(cr, 76, 50, 60, 86, 40, 96);
  cairo_close_path(cr);
  Ink(cr, Hex(0xE8323F), 6);
  for (int row = 0; row < 5; ++row)
    for (int k = 0; k <= 4 - row / 2; ++k) {
      const double x = 20 + k * 10 + row * 2 + (row % 2) * 5, y = 36 + row * 11;
      if (x > 64 - row * 3) continue;
      EllipsePath(cr, x, y, 1.3, 2);
    }
  FillPath(cr, Hex(0xFFE9A0));
  StarPath(cr, 40, 24, 22, 0.35, 6, M_PI / 6);
  Ink(cr, kLeafGreen, 2);
  cairo_move_to(cr, 40, 20);
  cairo_line_to(cr, 42, 6);
  InkLine(cr, 4);
}

}  // namespace

std::vector<ClipRecipe> NatureClips() {
  return {{110, 140, RoundTree}, {90, 150, PineTree},   {140, 160, PalmTree}, {80, 140, Daisy},
          {64, 132, Tulip},      {100, 150, Sunflower}, {80, 140, PottedCactus}, {100, 100, Mushroom},
          {100, 80, BigLeaf},    {80, 96, Apple},       {90, 102, Cherries},  {80, 100, Strawberry}};
}

}  // namespace vdr::mediagen
