// Clip art: buildings.

#include <cmath>

#include "tools/mediagen/clip_style.h"

namespace vdr::mediagen {

namespace {

constexpr Rgb kGlass = Hex(0x9FD8F5);
constexpr Rgb kRoofRed = Hex(0xD9503A);

// A window with a cross of glazing bars.
void Window(cairo_t* cr, double x, double y, double w, double h) {
  cairo_rectangle(cr, x, y, w, h);
  Ink(cr, kGlass, 2);
  cairo_move_to(cr, x + w / 2, y);
  cairo_line_to(cr, x + w / 2, y + h);
  cairo_move_to(cr, x, y + h / 2);
  cairo_line_to(cr, x + w, y + h / 2);
  InkLine(cr, 1.5);
}

void Door(cairo_t* cr, double x, double y, double w, double h, const Rgb& colour) {
  cairo_move_to(cr, x, y + h);
  cairo_line_to(cr, x, y + w / 2);
  cairo_arc(cr, x + w / 2, y + w / 2, w / 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, x + w, y + h);
  cairo_close_path(cr);
  Ink(cr, colour, 2);
  CirclePath(cr, x + w * 0.75, y + h * 0.6, 1.8);
  FillPath(cr, Hex(0xFFD43B));
}

void Flag(cairo_t* cr, double x, double y, const Rgb& colour) {
  cairo_move_to(cr, x, y + 20);
  cairo_line_to(cr, x, y);
  InkLine(cr, 2);
  PolygonPath(cr, {x, y, x + 14, y + 4, x, y + 9});
  Ink(cr, colour, 1);
}

void House(cairo_t* cr) {
  cairo_rectangle(cr, 86, 14, 14, 30);
  Ink(cr, Hex(0xB0604A), 3);
  cairo_rectangle(cr, 16, 60, 98, 66);
  Ink(cr, Hex(0xF6E0B0), 5);
  PolygonPath(cr, {4, 64, 65, 8, 126, 64});
  Ink(cr, kRoofRed, 5);
  Door(cr, 54, 84, 22, 42, Hex(0x3C8FE6));
  Window(cr, 24, 74, 22, 20);
  Window(cr, 84, 74, 22, 20);
  CirclePath(cr, 65, 42, 8);
  Ink(cr, kGlass, 1);
}

void Castle(cairo_t* cr) {
  const Rgb stone = Hex(0xB9B4C8);
  auto tower = [cr, &stone](double x, double top, double w) {
    cairo_rectangle(cr, x, top, w, 136 - top);
    Ink(cr, stone, 4);
    for (int k = 0; k < 3; ++k) cairo_rectangle(cr, x + k * w / 2.5, top - 8, w / 5, 9);
    Ink(cr, stone, 1);
  };
  tower(30, 54, 90);
  tower(6, 34, 34);
  tower(110, 34, 34);
  Flag(cr, 23, 6, Hex(0xE8413C));
  Flag(cr, 127, 6, Hex(0x3C8FE6));
  for (const double x : {16.0, 120.0}) {
    cairo_move_to(cr, x, 70);
    cairo_line_to(cr, x, 62);
    cairo_arc(cr, x + 7, 62, 7, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + 14, 70);
    cairo_close_path(cr);
    Ink(cr, Hex(0x4A4060), 0);
  }
  Door(cr, 58, 92, 34, 44, Hex(0x8A5A34));
  for (int k = 0; k < 3; ++k) {
    cairo_move_to(cr, 66 + k * 9, 100);
    cairo_line_to(cr, 66 + k * 9, 136);
  }
  InkLine(cr, 1.5);
}

void Lighthouse(cairo_t* cr) {
  PolygonPath(cr, {18, 150, 24, 50, 50, 50, 56, 150});
  Ink(cr, Rgb{1, 1, 1}, 4);
  cairo_save(cr);
  PolygonPath(cr, {18, 150, 24, 50, 50, 50, 56, 150});
  cairo_clip(cr);
  for (const double y : {66.0, 104.0}) cairo_rectangle(cr, 0, y, 80, 18);
  FillPath(cr, Hex(0xE8413C));
  cairo_restore(cr);
  PolygonPath(cr, {18, 150, 24, 50, 50, 50, 56, 150});
  InkLine(cr);
  cairo_rectangle(cr, 18, 42, 38, 8);
  Ink(cr, Hex(0x4A4060), 1);
  PolygonPath(cr, {26, 42, 26, 24, 48, 24, 48, 42});
  Ink(cr, Hex(0xFFE27A), 2);
  PolygonPath(cr, {22, 24, 37, 8, 52, 24});
  Ink(cr, Hex(0xE8413C), 3);
  // Beams of light.
  PolygonPath(cr, {48, 30, 70, 20, 70, 40});
  PolygonPath(cr, {26, 30, 4, 20, 4, 40});
  FillPath(cr, Hex(0xFFE27A), 0.6);
  Door(cr, 31, 132, 12, 18, Hex(0x4A4060));
}

void Windmill(cairo_t* cr) {
  PolygonPath(cr, {42, 156, 50, 74, 80, 74, 88, 156});
  Ink(cr, Hex(0xE8D2A8), 5);
  PolygonPath(cr, {44, 76, 65, 50, 86, 76});
  Ink(cr, Hex(0x8A5A34), 3);
  Door(cr, 56, 130, 18, 26, Hex(0x8A5A34));
  Window(cr, 58, 96, 14, 14);
  // Sails: four lattice blades around the hub.
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 65, 66);
    cairo_rotate(cr, 0.4 + i * M_PI / 2);
    cairo_rectangle(cr, 6, -7, 50, 14);
    cairo_restore(cr);
    Ink(cr, Hex(0xF6F1E6), 2);
    cairo_save(cr);
    cairo_translate(cr, 65, 66);
    cairo_rotate(cr, 0.4 + i * M_PI / 2);
    for (int k = 1; k < 5; ++k) {
      cairo_move_to(cr, 6 + k * 10, -7);
      cairo_line_to(cr, 6 + k * 10, 7);
    }
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 56, 0);
    cairo_restore(cr);
    InkLine(cr, 1.5);
  }
  CirclePath(cr, 65, 66, 6);
  Ink(cr, Hex(0x8A5A34), 1);
}

void Tent(cairo_t* cr) {
  cairo_move_to(cr, 65, 14);
  cairo_line_to(cr, 60, 4);
  cairo_move_to(cr, 65, 14);
  cairo_line_to(cr, 71, 4);
  InkLine(cr, 2.5);
  PolygonPath(cr, {4, 96, 65, 12, 126, 96});
  Ink(cr, Hex(0xF29C38), 6);
  for (const double x : {35.0, 95.0}) {
    cairo_move_to(cr, 65, 12);
    cairo_line_to(cr, x, 96);
  }
  StrokePath(cr, Hex(0xFFD08A), 2);
  PolygonPath(cr, {48, 96, 65, 46, 82, 96});
  Ink(cr, Hex(0x5A3A4A), 0);
  PolygonPath(cr, {65, 46, 82, 96, 92, 96});
  Ink(cr, Hex(0xE07E20), 1);
}

void Igloo(cairo_t* cr) {
  cairo_move_to(cr, 6, 76);
  cairo_arc(cr, 65, 76, 59, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  Ink(cr, Hex(0xEAF4FC), 6);
  // Rows of ice blocks.
  cairo_save(cr);
  cairo_move_to(cr, 6, 76);
  cairo_arc(cr, 65, 76, 59, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  cairo_clip(cr);
  for (int row = 0; row < 4; ++row) {
    const double y = 76 - (row + 1) * 14;
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, 130, y);
    for (int k = 0; k < 6; ++k) {
      const double x = 12 + k * 22 + (row % 2) * 11;
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x, y + 14);
    }
  }
  StrokePath(cr, Hex(0xA8C8E4), 1.5);
  cairo_restore(cr);
  cairo_move_to(cr, 88, 76);
  cairo_line_to(cr, 88, 52);
  cairo_arc(cr, 104, 52, 16, M_PI, 2 * M_PI);
  cairo_line_to(cr, 120, 76);
  cairo_close_path(cr);
  Ink(cr, Hex(0xEAF4FC), 3);
  cairo_move_to(cr, 96, 76);
  cairo_line_to(cr, 96, 58);
  cairo_arc(cr, 104, 58, 8, M_PI, 2 * M_PI);
  cairo_line_to(cr, 112, 76);
  cairo_close_path(cr);
  Ink(cr, Hex(0x3A4A6A), 0);
}

void Barn(cairo_t* cr) {
  const Rgb red = Hex(0xC8423A);
  PolygonPath(cr, {12, 116, 12, 50, 30, 20, 100, 20, 118, 50, 118, 116});
  Ink(cr, red, 6);
  PolygonPath(cr, {6, 54, 28, 14, 102, 14, 124, 54, 118, 58, 98, 24, 32, 24, 12, 58});
  Ink(cr, Rgb{1, 1, 1}, 1);
  cairo_rectangle(cr, 42, 68, 46, 48);
  Ink(cr, Rgb{1, 1, 1}, 2);
  cairo_rectangle(cr, 46, 72, 38, 44);
  Ink(cr, red, 2);
  cairo_move_to(cr, 46, 72);
  cairo_line_to(cr, 84, 116);
  cairo_move_to(cr, 84, 72);
  cairo_line_to(cr, 46, 116);
  StrokePath(cr, Rgb{1, 1, 1}, 3);
  cairo_rectangle(cr, 55, 34, 20, 18);
  Ink(cr, Hex(0xFFE08A), 2);
}

void Church(cairo_t* cr) {
  cairo_rectangle(cr, 8, 84, 84, 62);
  Ink(cr, Hex(0xF3ECDF), 5);
  PolygonPath(cr, {2, 88, 50, 58, 98, 88});
  Ink(cr, Hex(0x5A6A9A), 4);
  cairo_rectangle(cr, 36, 40, 28, 106);
  Ink(cr, Hex(0xF3ECDF), 4);
  PolygonPath(cr, {32, 42, 50, 6, 68, 42});
  Ink(cr, Hex(0x5A6A9A), 3);
  cairo_move_to(cr, 50, 6);
  cairo_line_to(cr, 50, 0.5);
  InkLine(cr, 2);
  CirclePath(cr, 50, 58, 7);
  Ink(cr, Hex(0xFFD43B), 1);
  Door(cr, 41, 118, 18, 28, Hex(0x8A5A34));
  for (const double x : {16.0, 72.0}) {
    cairo_move_to(cr, x, 124);
    cairo_line_to(cr, x, 104);
    cairo_arc(cr, x + 6, 104, 6, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + 12, 124);
    cairo_close_path(cr);
    Ink(cr, kGlass, 1);
  }
}

void Skyscraper(cairo_t* cr) {
  cairo_rectangle(cr, 14, 30, 46, 128);
  Ink(cr, Hex(0x6A8AB8), 6);
  cairo_rectangle(cr, 22, 14, 30, 16);
  Ink(cr, Hex(0x5A78A6), 2);
  cairo_move_to(cr, 37, 14);
  cairo_line_to(cr, 37, 3);
  InkLine(cr, 2);
  CirclePath(cr, 37, 3, 2);
  FillPath(cr, Hex(0xE8413C));
  for (int row = 0; row < 10; ++row)
    for (int col = 0; col < 3; ++col) {
      cairo_rectangle(cr, 20 + col * 13, 38 + row * 11, 8, 6);
      FillPath(cr, (row * 3 + col) % 4 == 1 ? Hex(0xFFE27A) : Hex(0xBFE2F7));
    }
  cairo_rectangle(cr, 30, 146, 14, 12);
  Ink(cr, Hex(0x3A4A6A), 0);
}

void Pyramid(cairo_t* cr) {
  PolygonPath(cr, {4, 96, 70, 8, 136, 96});
  Ink(cr, Hex(0xE8C27A), 2);
  // The shadowed face and courses of stone.
  PolygonPath(cr, {70, 8, 136, 96, 92, 96});
  FillPath(cr, Hex(0xC99A52));
  cairo_save(cr);
  PolygonPath(cr, {4, 96, 70, 8, 136, 96});
  cairo_clip(cr);
  for (int k = 1; k < 8; ++k) {
    cairo_move_to(cr, 0, 96 - k * 11);
    cairo_line_to(cr, 140, 96 - k * 11);
  }
  StrokePath(cr, Hex(0xA87A3A), 1.2, 0.6);
  cairo_restore(cr);
  PolygonPath(cr, {4, 96, 70, 8, 136, 96});
  InkLine(cr);
  cairo_move_to(cr, 70, 8);
  cairo_line_to(cr, 92, 96);
  InkLine(cr, 1.5);
  PolygonPath(cr, {58, 96, 58, 82, 66, 76, 74, 82, 74, 96});
  Ink(cr, Hex(0x4A3A2A), 0);
}

}  // namespace

std::vector<ClipRecipe> BuildingClips() {
  return {{130, 130, House},  {150, 140, Castle}, {74, 154, Lighthouse}, {130, 160, Windmill}, {130, 100, Tent},
          {130, 80, Igloo},   {130, 120, Barn},   {100, 150, Church},    {74, 160, Skyscraper}, {140, 100, Pyramid}};
}

}  // namespace vdr::mediagen
