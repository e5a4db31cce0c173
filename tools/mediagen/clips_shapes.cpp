// Clip art: simple shapes and signs.

#include <cmath>

#include "tools/mediagen/clip_style.h"

namespace vdr::mediagen {

namespace {

void Star(cairo_t* cr) {
  StarPath(cr, 50, 53, 46, 0.46, 5);
  Ink(cr, Hex(0xFFC933), 5);
  Shine(cr, 40, 38, 6, 4);
}

void Heart(cairo_t* cr) {
  HeartPath(cr, 50, 48, 38);
  Ink(cr, Hex(0xEE4B5E), 6);
  Shine(cr, 30, 30, 8, 5);
}

void Moon(cairo_t* cr) {
  CrescentPath(cr, Circle{44, 50, 44}, Circle{66, 38, 38});
  Ink(cr, Hex(0xFBE38A), 4);
  // A sleeping eye and a rosy cheek.
  cairo_new_path(cr);
  cairo_arc(cr, 20, 58, 5, 0.2, M_PI - 0.2);
  InkLine(cr, 2);
  CirclePath(cr, 24, 70, 4);
  FillPath(cr, Hex(0xF4A0A0), 0.7);
}

void Sun(cairo_t* cr) {
  StarPath(cr, 60, 60, 57, 0.72, 12);
  Ink(cr, Hex(0xFF9F2E), 3);
  CirclePath(cr, 60, 60, 36);
  Ink(cr, Hex(0xFFD43B), 5);
  Eyes(cr, 48, 72, 54, 4);
  Smile(cr, 60, 70, 12);
  CirclePath(cr, 40, 68, 5);
  CirclePath(cr, 80, 68, 5);
  FillPath(cr, Hex(0xF7866A), 0.6);
}

void Cloud(cairo_t* cr) {
  BumpPath(cr, {{28, 52, 22}, {58, 36, 28}, {92, 38, 24}, {116, 54, 19}}, 72);
  Ink(cr, Hex(0xF6F9FD), 6);
}

void Lightning(cairo_t* cr) {
  PolygonPath(cr, {44, 4, 12, 66, 34, 66, 22, 116, 62, 46, 38, 46, 58, 4});
  Ink(cr, Hex(0xFFD93B), 4);
}

void Gem(cairo_t* cr) {
  PolygonPath(cr, {26, 6, 74, 6, 96, 30, 50, 82, 4, 30});
  Ink(cr, Hex(0x4FD1E8), 5);
  // Facets.
  cairo_move_to(cr, 4, 30);
  cairo_line_to(cr, 96, 30);
  cairo_move_to(cr, 26, 6);
  cairo_line_to(cr, 36, 30);
  cairo_line_to(cr, 50, 82);
  cairo_line_to(cr, 64, 30);
  cairo_line_to(cr, 74, 6);
  cairo_move_to(cr, 50, 6);
  cairo_line_to(cr, 36, 30);
  cairo_move_to(cr, 50, 6);
  cairo_line_to(cr, 64, 30);
  InkLine(cr, 1.6);
  PolygonPath(cr, {30, 10, 46, 10, 34, 26});
  FillPath(cr, Rgb{1, 1, 1}, 0.6);
}

void Rainbow(cairo_t* cr) {
  const Rgb bands[] = {Hex(0xEE4B4B), Hex(0xF79A2E), Hex(0xF9D63A), Hex(0x5CC24E), Hex(0x3C8FE6), Hex(0x8A5CD6)};
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);  // the bands end flat on the base line
  for (int i = 0; i < 6; ++i) {
    cairo_new_path(cr);
    cairo_arc(cr, 75, 76, 66 - i * 7 - 3.5, M_PI, 2 * M_PI);
    StrokePath(cr, bands[i], 7.5);
  }
  cairo_new_path(cr);
  cairo_arc(cr, 75, 76, 66, M_PI, 2 * M_PI);
  cairo_arc_negative(cr, 75, 76, 24, 2 * M_PI, M_PI);
  cairo_close_path(cr);
  InkLine(cr);
  for (const double x : {27.0, 123.0}) {
    BumpPath(cr, {{x - 19, 68, 9}, {x - 4, 61, 13}, {x + 14, 67, 10}}, 77);
    Ink(cr, Rgb{1, 1, 1}, 3);
  }
}

void MusicNotes(cairo_t* cr) {
  PolygonPath(cr, {27, 22, 73, 8, 73, 22, 27, 36});
  cairo_rectangle(cr, 23, 26, 5, 66);
  cairo_rectangle(cr, 69, 12, 5, 66);
  Ink(cr, Hex(0x5A4BD6), 2);
  EllipsePath(cr, 17, 93, 12, 9);
  EllipsePath(cr, 63, 79, 12, 9);
  Ink(cr, Hex(0x5A4BD6), 3);
  Shine(cr, 13, 89, 4, 2.5);
  Shine(cr, 59, 75, 4, 2.5);
}

void BeachBall(cairo_t* cr) {
  const Rgb segments[] = {Hex(0xEE4B4B), Rgb{1, 1, 1}, Hex(0x3C8FE6), Rgb{1, 1, 1}, Hex(0xF9D63A), Rgb{1, 1, 1}};
  for (int i = 0; i < 6; ++i) {
    cairo_move_to(cr, 45, 45);
    cairo_arc(cr, 45, 45, 41, i * M_PI / 3 - 0.3, (i + 1) * M_PI / 3 - 0.3);
    cairo_close_path(cr);
    FillPath(cr, segments[i]);
  }
  CirclePath(cr, 45, 45, 41);
  SetRadialGradient(cr, 32, 30, 10, 60, {{0, Rgb{1, 1, 1}, 0}, {1, Hex(0x2B2233), 0.3}});
  cairo_fill_preserve(cr);
  InkLine(cr);
  CirclePath(cr, 45, 45, 7);
  Ink(cr, Rgb{1, 1, 1}, 1);
  Shine(cr, 30, 28, 8, 5);
}

}  // namespace

std::vector<ClipRecipe> ShapeClips() {
  return {{100, 100, Star},      {100, 90, Heart},     {80, 100, Moon},  {120, 120, Sun},
          {140, 80, Cloud},      {70, 120, Lightning}, {100, 88, Gem},   {150, 80, Rainbow},
          {84, 108, MusicNotes}, {90, 90, BeachBall}};
}

}  // namespace vdr::mediagen
