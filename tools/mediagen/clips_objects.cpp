// Clip art: vehicles and things, several of them good at holding sand.

#include <cmath>

#include "tools/mediagen/clip_style.h"

namespace vdr::mediagen {

namespace {

constexpr Rgb kGlass = Hex(0x9FD8F5);

void Wheel(cairo_t* cr, double cx, double cy, double r) {
  CirclePath(cr, cx, cy, r);
  Ink(cr, Hex(0x3A3346), 2);
  CirclePath(cr, cx, cy, r * 0.45);
  Ink(cr, Hex(0xC8C8D8), 1);
}

void Car(cairo_t* cr) {
  cairo_move_to(cr, 8, 62);
  cairo_line_to(cr, 8, 44);
  cairo_curve_to(cr, 8, 38, 12, 36, 20, 36);
  cairo_line_to(cr, 40, 34);
  cairo_line_to(cr, 56, 12);
  cairo_line_to(cr, 100, 12);
  cairo_line_to(cr, 118, 34);
  cairo_line_to(cr, 136, 38);
  cairo_curve_to(cr, 144, 40, 146, 46, 146, 52);
  cairo_line_to(cr, 146, 62);
  cairo_close_path(cr);
  Ink(cr, Hex(0xE8413C), 6);
  PolygonPath(cr, {46, 34, 60, 18, 76, 18, 76, 34});
  PolygonPath(cr, {84, 34, 84, 18, 98, 18, 110, 34});
  Ink(cr, kGlass, 2);
  Shine(cr, 20, 44, 6, 2.5);
  RoundedRect(cr, 136, 44, 10, 6, 2);
  Ink(cr, Hex(0xFFE27A), 1);
  Wheel(cr, 38, 62, 14);
  Wheel(cr, 116, 62, 14);
}

void Sailboat(cairo_t* cr) {
  cairo_move_to(cr, 64, 104);
  cairo_line_to(cr, 64, 6);
  InkLine(cr, 4);
  PolygonPath(cr, {68, 8, 68, 96, 120, 96});
  Ink(cr, Rgb{1, 1, 1}, 5);
  PolygonPath(cr, {60, 20, 60, 96, 14, 96});
  Ink(cr, Hex(0xF6D46A), 4);
  PolygonPath(cr, {64, 4, 82, 9, 64, 14});
  Ink(cr, Hex(0xE8413C), 1);
  cairo_move_to(cr, 4, 104);
  cairo_line_to(cr, 126, 104);
  cairo_line_to(cr, 108, 132);
  cairo_line_to(cr, 22, 132);
  cairo_close_path(cr);
  Ink(cr, Hex(0x3C6FC8), 5);
  cairo_rectangle(cr, 10, 110, 110, 5);
  FillPath(cr, Rgb{1, 1, 1}, 0.8);
}

void Rocket(cairo_t* cr) {
  const Rgb body = Hex(0xF2F2F7), red = Hex(0xE8413C);
  // Flame.
  cairo_move_to(cr, 28, 118);
  cairo_curve_to(cr, 28, 136, 40, 146, 40, 150);
  cairo_curve_to(cr, 40, 146, 52, 136, 52, 118);
  cairo_close_path(cr);
  Ink(cr, Hex(0xFF9F2E), 2);
  cairo_move_to(cr, 34, 118);
  cairo_curve_to(cr, 34, 130, 40, 136, 40, 140);
  cairo_curve_to(cr, 40, 136, 46, 130, 46, 118);
  cairo_close_path(cr);
  FillPath(cr, Hex(0xFFE27A));
  for (const double side : {-1.0, 1.0}) {
    PolygonPath(cr, {40 + side * 16, 80, 40 + side * 34, 112, 40 + side * 34, 124, 40 + side * 14, 114});
    Ink(cr, red, 2);
  }
  cairo_move_to(cr, 40, 4);
  cairo_curve_to(cr, 66, 26, 62, 80, 56, 118);
  cairo_line_to(cr, 24, 118);
  cairo_curve_to(cr, 18, 80, 14, 26, 40, 4);
  cairo_close_path(cr);
  Ink(cr, body, 6);
  cairo_move_to(cr, 40, 4);
  cairo_curve_to(cr, 50, 12, 55, 20, 58, 30);
  cairo_line_to(cr, 22, 30);
  cairo_curve_to(cr, 25, 20, 30, 12, 40, 4);
  cairo_close_path(cr);
  Ink(cr, red, 2);
  CirclePath(cr, 40, 58, 11);
  Ink(cr, Hex(0x7A8AB8), 1);
  CirclePath(cr, 40, 58, 7);
  Ink(cr, kGlass, 1);
}

void Airplane(cairo_t* cr) {
  const Rgb body = Hex(0x4F9BE8);
  PolygonPath(cr, {60, 36, 86, 4, 100, 4, 90, 36});
  Ink(cr, Shade(body, -0.1), 2);
  PolygonPath(cr, {12, 30, 8, 8, 20, 8, 34, 30});
  Ink(cr, Hex(0xE8413C), 2);
  cairo_move_to(cr, 8, 34);
  cairo_curve_to(cr, 8, 26, 20, 26, 40, 26);
  cairo_line_to(cr, 126, 26);
  cairo_curve_to(cr, 150, 26, 150, 46, 126, 48);
  cairo_line_to(cr, 36, 48);
  cairo_curve_to(cr, 16, 48, 8, 42, 8, 34);
  cairo_close_path(cr);
  Ink(cr, Rgb{1, 1, 1}, 4);
  cairo_rectangle(cr, 12, 38, 128, 4);
  FillPath(cr, body);
  for (int k = 0; k < 6; ++k) {
    CirclePath(cr, 50 + k * 12, 33, 3);
    Ink(cr, kGlass, 0);
  }
  PolygonPath(cr, {130, 28, 142, 30, 144, 36, 134, 36});
  Ink(cr, kGlass, 1);
  PolygonPath(cr, {62, 40, 96, 40, 70, 76, 56, 76});
  Ink(cr, body, 3);
}

void Balloon(cairo_t* cr) {
  const Rgb stripes[] = {Hex(0xE8413C), Hex(0xFFD43B), Hex(0x3C8FE6), Hex(0xFFD43B), Hex(0xE8413C)};
  auto envelope = [cr] {
    cairo_move_to(cr, 50, 104);
    cairo_curve_to(cr, 30, 90, 4, 72, 4, 46);
    cairo_curve_to(cr, 4, 18, 26, 4, 50, 4);
    cairo_curve_to(cr, 74, 4, 96, 18, 96, 46);
    cairo_curve_to(cr, 96, 72, 70, 90, 50, 104);
    cairo_close_path(cr);
  };
  envelope();
  FillPath(cr, stripes[0]);
  cairo_save(cr);
  envelope();
  cairo_clip(cr);
  for (int i = 0; i < 5; ++i) {
    const double x0 = 50 + (i - 2) * 19;
    EllipsePath(cr, x0 + (x0 - 50) * 0.2, 50, 9.5, 60);
    FillPath(cr, stripes[i]);
  }
  SetRadialGradient(cr, 36, 30, 10, 70, {{0, Rgb{1, 1, 1}, 0.25}, {1, Hex(0x2B2233), 0.3}});
  cairo_paint(cr);
  cairo_restore(cr);
  envelope();
  InkLine(cr);
  cairo_move_to(cr, 36, 100);
  cairo_line_to(cr, 40, 124);
  cairo_move_to(cr, 64, 100);
  cairo_line_to(cr, 60, 124);
  InkLine(cr, 1.5);
  RoundedRect(cr, 36, 122, 28, 22, 3);
  Ink(cr, Hex(0xB07A44), 3);
  cairo_move_to(cr, 36, 130);
  cairo_line_to(cr, 64, 130);
  InkLine(cr, 1.2);
}

void Umbrella(cairo_t* cr) {
  cairo_move_to(cr, 60, 20);
  cairo_line_to(cr, 60, 112);
  cairo_curve_to(cr, 60, 124, 44, 124, 44, 112);
  InkTube(cr, Hex(0x8A5A34), 3);
  // The canopy: a dome with a scalloped rim.
  cairo_move_to(cr, 4, 64);
  cairo_curve_to(cr, 4, 24, 30, 8, 60, 8);
  cairo_curve_to(cr, 90, 8, 116, 24, 116, 64);
  for (int k = 3; k >= 0; --k) {
    const double x = 4 + k * 28;
    cairo_curve_to(cr, x + 22, 56, x + 6, 56, x, 64);
  }
  cairo_close_path(cr);
  Ink(cr, Hex(0x8A5CD6), 6);
  for (const double x : {32.0, 60.0, 88.0}) {
    cairo_move_to(cr, 60, 10);
    cairo_curve_to(cr, x + (x - 60) * 0.1, 30, x, 46, x, 60);
  }
  InkLine(cr, 1.5);
  cairo_move_to(cr, 60, 8);
  cairo_line_to(cr, 60, 2);
  InkLine(cr, 3);
}

void Mug(cairo_t* cr) {
  cairo_move_to(cr, 66, 30);
  cairo_curve_to(cr, 90, 26, 92, 62, 66, 60);
  InkTube(cr, Hex(0x3CB4A8), 6);
  cairo_move_to(cr, 6, 18);
  cairo_line_to(cr, 70, 18);
  cairo_line_to(cr, 66, 70);
  cairo_curve_to(cr, 66, 76, 62, 78, 56, 78);
  cairo_line_to(cr, 20, 78);
  cairo_curve_to(cr, 14, 78, 10, 76, 10, 70);
  cairo_close_path(cr);
  Ink(cr, Hex(0x3CB4A8), 6);
  HeartPath(cr, 38, 48, 9);
  FillPath(cr, Rgb{1, 1, 1});
  EllipsePath(cr, 38, 18, 32, 4);
  Ink(cr, Hex(0x5A3A2A), 0);
}

void Bowl(cairo_t* cr) {
  cairo_move_to(cr, 4, 12);
  cairo_line_to(cr, 136, 12);
  cairo_curve_to(cr, 136, 44, 104, 56, 70, 56);
  cairo_curve_to(cr, 36, 56, 4, 44, 4, 12);
  cairo_close_path(cr);
  Ink(cr, Hex(0xF29C38), 6);
  cairo_rectangle(cr, 50, 54, 40, 6);
  Ink(cr, Hex(0xE07E20), 1);
  for (int k = 0; k < 6; ++k) {
    CirclePath(cr, 24 + k * 18.4, 30 + (k % 2) * 4, 3.5);
    FillPath(cr, Rgb{1, 1, 1}, 0.85);
  }
  EllipsePath(cr, 70, 12, 66, 5);
  Ink(cr, Hex(0xC86A1C), 0);
}

void Bucket(cairo_t* cr) {
  // Spade leaning on the bucket.
  cairo_move_to(cr, 88, 12);
  cairo_line_to(cr, 76, 78);
  InkTube(cr, Hex(0xFFD43B), 3.5);
  PolygonPath(cr, {66, 74, 88, 78, 86, 100, 74, 108, 64, 96});
  Ink(cr, Hex(0x3C8FE6), 3);
  cairo_new_path(cr);
  cairo_arc(cr, 44, 40, 30, M_PI, 2 * M_PI);
  InkLine(cr, 3);
  cairo_move_to(cr, 10, 40);
  cairo_line_to(cr, 78, 40);
  cairo_line_to(cr, 70, 104);
  cairo_line_to(cr, 18, 104);
  cairo_close_path(cr);
  Ink(cr, Hex(0xE8413C), 6);
  cairo_rectangle(cr, 8, 38, 72, 8);
  Ink(cr, Hex(0xF56A5A), 1);
  StarPath(cr, 44, 72, 12, 0.45, 5);
  FillPath(cr, Rgb{1, 1, 1});
}

void Anchor(cairo_t* cr) {
  const Rgb metal = Hex(0x5A6A9A);
  auto shape = [cr] {
    cairo_new_path(cr);
    cairo_arc(cr, 50, 16, 10, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 50, 26);
    cairo_line_to(cr, 50, 112);
    cairo_move_to(cr, 30, 40);
    cairo_line_to(cr, 70, 40);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 50, 72, 40, M_PI * 0.95, M_PI * 0.05);
  };
  shape();
  InkTube(cr, metal, 8);
  for (const double side : {-1.0, 1.0}) {
    PolygonPath(cr, {50 + side * 40, 62, 50 + side * 46, 84, 50 + side * 28, 80});
    Ink(cr, metal, 1);
  }
}

void Crown(cairo_t* cr) {
  PolygonPath(cr, {12, 80, 8, 24, 36, 50, 60, 10, 84, 50, 112, 24, 108, 80});
  Ink(cr, Hex(0xFFC933), 6);
  cairo_rectangle(cr, 12, 72, 96, 12);
  Ink(cr, Hex(0xF2A81E), 2);
  for (const auto& g : {Circle{8, 24, 5}, Circle{60, 10, 5}, Circle{112, 24, 5}}) {
    CirclePath(cr, g.x, g.y, g.r);
    Ink(cr, Rgb{1, 1, 1}, 1);
  }
  const Rgb gems[] = {Hex(0xE8413C), Hex(0x3C8FE6), Hex(0x4CAF50)};
  for (int k = 0; k < 3; ++k) {
    PolygonPath(cr, {35.0 + k * 25, 62, 41.0 + k * 25, 56, 47.0 + k * 25, 62, 41.0 + k * 25, 68});
    Ink(cr, gems[k], 1);
  }
}

void Gift(cairo_t* cr) {
  const Rgb box = Hex(0x4FA3E8), ribbon = Hex(0xE8413C);
  for (const double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 50, 30);
    cairo_curve_to(cr, 50 + side * 40, 0, 50 + side * 40, 40, 50, 30);
    cairo_close_path(cr);
    Ink(cr, ribbon, 2);
  }
  cairo_rectangle(cr, 10, 46, 80, 60);
  Ink(cr, box, 6);
  cairo_rectangle(cr, 4, 30, 92, 18);
  Ink(cr, Shade(box, 0.1), 3);
  cairo_rectangle(cr, 42, 30, 16, 76);
  Ink(cr, ribbon, 2);
}

void Snowman(cairo_t* cr) {
  const Rgb snow = Hex(0xF6FAFE);
  for (const double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 45 + side * 18, 74);
    cairo_line_to(cr, 45 + side * 40, 58);
    cairo_move_to(cr, 45 + side * 34, 62);
    cairo_line_to(cr, 45 + side * 40, 68);
    StrokePath(cr, Hex(0x8A5A34), 3);
  }
  CirclePath(cr, 45, 118, 32);
  Ink(cr, snow, 6);
  CirclePath(cr, 45, 74, 23);
  Ink(cr, snow, 5);
  CirclePath(cr, 45, 38, 18);
  Ink(cr, snow, 4);
  cairo_rectangle(cr, 30, 4, 30, 24);
  Ink(cr, Hex(0x3A3346), 2);
  cairo_rectangle(cr, 22, 24, 46, 6);
  Ink(cr, Hex(0x3A3346), 1);
  cairo_rectangle(cr, 30, 18, 30, 5);
  FillPath(cr, Hex(0xE8413C));
  Eyes(cr, 39, 51, 36, 3);
  PolygonPath(cr, {45, 42, 60, 46, 45, 48});
  Ink(cr, Hex(0xFF8C2E), 0);
  cairo_rectangle(cr, 26, 56, 38, 8);
  Ink(cr, Hex(0xE8413C), 1);
  for (const double y : {68.0, 80.0, 108.0}) {
    CirclePath(cr, 45, y, 3);
    FillPath(cr, Hex(0x3A3346));
  }
}

void Hourglass(cairo_t* cr) {
  const Rgb wood = Hex(0xA86A3A), sand = Hex(0xE8C27A);
  auto glass = [cr] {
    cairo_move_to(cr, 14, 20);
    cairo_line_to(cr, 66, 20);
    cairo_curve_to(cr, 66, 52, 44, 60, 44, 70);
    cairo_curve_to(cr, 44, 80, 66, 88, 66, 120);
    cairo_line_to(cr, 14, 120);
    cairo_curve_to(cr, 14, 88, 36, 80, 36, 70);
    cairo_curve_to(cr, 36, 60, 14, 52, 14, 20);
    cairo_close_path(cr);
  };
  glass();
  FillPath(cr, Hex(0xDFF2FB), 0.9);
  cairo_save(cr);
  glass();
  cairo_clip(cr);
  PolygonPath(cr, {10, 40, 70, 40, 40, 70});
  cairo_rectangle(cr, 39, 60, 2, 50);
  cairo_move_to(cr, 8, 122);
  cairo_line_to(cr, 8, 112);
  cairo_curve_to(cr, 20, 96, 60, 96, 72, 112);
  cairo_line_to(cr, 72, 122);
  cairo_close_path(cr);
  FillPath(cr, sand);
  cairo_restore(cr);
  glass();
  InkLine(cr);
  Shine(cr, 22, 34, 3, 8, 0.6);
  for (const double y : {8.0, 120.0}) {
    RoundedRect(cr, 4, y, 72, 12, 4);
    Ink(cr, wood, 3);
  }
  for (const double x : {10.0, 66.0}) {
    cairo_rectangle(cr, x, 20, 4, 100);
    Ink(cr, wood, 1);
  }
}

}  // namespace

std::vector<ClipRecipe> ObjectClips() {
  return {{150, 80, Car},    {130, 136, Sailboat}, {80, 152, Rocket}, {152, 80, Airplane}, {100, 148, Balloon},
          {120, 126, Umbrella}, {92, 82, Mug},     {140, 62, Bowl},   {100, 112, Bucket},  {100, 118, Anchor},
          {120, 88, Crown},  {100, 110, Gift},     {90, 152, Snowman}, {80, 134, Hourglass}};
}

}  // namespace vdr::mediagen
