// Clip art: animals.

#include <cmath>

#include "tools/mediagen/clip_style.h"

namespace vdr::mediagen {

namespace {

void Whiskers(cairo_t* cr, double cx, double cy, double w) {
  for (const double side : {-1.0, 1.0})
    for (const double tilt : {-0.25, 0.1}) {
      cairo_move_to(cr, cx + side * w * 0.3, cy);
      cairo_line_to(cr, cx + side * w, cy + tilt * w);
    }
  InkLine(cr, 1.2);
}

void Cat(cairo_t* cr) {
  const Rgb fur = Hex(0xF2A04A);
  // Tail curling round the side.
  cairo_move_to(cr, 70, 118);
  cairo_curve_to(cr, 97, 118, 93, 80, 84, 70);
  InkTube(cr, fur, 8);
  cairo_move_to(cr, 48, 44);
  cairo_curve_to(cr, 20, 60, 14, 124, 30, 126);
  cairo_line_to(cr, 70, 126);
  cairo_curve_to(cr, 86, 124, 80, 60, 52, 44);
  cairo_close_path(cr);
  Ink(cr, fur, 5);
  EllipsePath(cr, 50, 100, 14, 20);
  FillPath(cr, Hex(0xFBE3C0));
  for (const double x : {38.0, 62.0}) {
    EllipsePath(cr, x, 122, 9, 5);
    Ink(cr, Hex(0xFBE3C0), 1);
  }
  PolygonPath(cr, {20, 12, 26, 40, 42, 26});
  PolygonPath(cr, {80, 12, 74, 40, 58, 26});
  Ink(cr, fur, 2);
  PolygonPath(cr, {24, 20, 28, 34, 36, 27});
  PolygonPath(cr, {76, 20, 72, 34, 64, 27});
  FillPath(cr, Hex(0xF49AA8));
  EllipsePath(cr, 50, 44, 30, 24);
  Ink(cr, fur, 4);
  for (const double x : {40.0, 50.0, 60.0}) {
    cairo_move_to(cr, x, 21);
    cairo_line_to(cr, x, 29);
  }
  InkLine(cr, 2.5);
  Eyes(cr, 39, 61, 42, 4.5);
  PolygonPath(cr, {46, 50, 54, 50, 50, 55});
  Ink(cr, Hex(0xF47A90), 0);
  Whiskers(cr, 50, 55, 34);
}

void Dog(cairo_t* cr) {
  const Rgb fur = Hex(0xD9A066), dark = Hex(0x8A5A34);
  cairo_move_to(cr, 24, 56);
  cairo_curve_to(cr, 10, 48, 8, 30, 14, 24);
  InkTube(cr, fur, 3.5);
  for (const double x : {28.0, 44.0, 76.0, 92.0}) {
    RoundedRect(cr, x, 66, 13, 38, 6);
    Ink(cr, x == 44.0 || x == 92.0 ? fur : Shade(fur, -0.1), 2);
  }
  RoundedRect(cr, 20, 46, 86, 36, 18);
  Ink(cr, fur, 4);
  EllipsePath(cr, 64, 68, 24, 8);
  FillPath(cr, Hex(0xF3D7AE));
  // Head: face, snout and a floppy ear.
  CirclePath(cr, 100, 40, 22);
  Ink(cr, fur, 4);
  EllipsePath(cr, 116, 48, 13, 10);
  Ink(cr, Hex(0xF3D7AE), 2);
  EllipsePath(cr, 126, 44, 4.5, 3.5);
  FillPath(cr, kClipOutline);
  cairo_move_to(cr, 90, 22);
  cairo_curve_to(cr, 76, 22, 74, 50, 82, 58);
  cairo_curve_to(cr, 90, 56, 94, 40, 96, 24);
  cairo_close_path(cr);
  Ink(cr, dark, 2);
  Eyes(cr, 104, 104, 34, 3.5);
  cairo_move_to(cr, 114, 56);
  cairo_curve_to(cr, 118, 60, 122, 58, 124, 54);
  InkLine(cr, 2);
  RoundedRect(cr, 82, 56, 18, 6, 3);
  Ink(cr, Hex(0xE8413C), 1);
}

void Fish(cairo_t* cr) {
  const Rgb body = Hex(0xFF8C3A);
  PolygonPath(cr, {24, 40, 4, 16, 8, 40, 4, 64});
  Ink(cr, Shade(body, -0.1), 3);
  PolygonPath(cr, {56, 18, 74, 6, 84, 20});
  PolygonPath(cr, {60, 62, 74, 74, 80, 60});
  Ink(cr, Shade(body, -0.1), 2);
  cairo_move_to(cr, 20, 40);
  cairo_curve_to(cr, 40, 8, 100, 8, 116, 40);
  cairo_curve_to(cr, 100, 72, 40, 72, 20, 40);
  cairo_close_path(cr);
  Ink(cr, body, 5);
  // Stripes and scales.
  for (const double x : {52.0, 70.0}) {
    cairo_move_to(cr, x, 18);
    cairo_curve_to(cr, x - 6, 32, x - 6, 48, x, 62);
  }
  StrokePath(cr, Rgb{1, 1, 1}, 5);
  for (const double x : {52.0, 70.0}) {
    cairo_move_to(cr, x, 18);
    cairo_curve_to(cr, x - 6, 32, x - 6, 48, x, 62);
  }
  InkLine(cr, 1);
  Eyes(cr, 96, 96, 34, 5);
  cairo_move_to(cr, 110, 46);
  cairo_line_to(cr, 104, 48);
  InkLine(cr, 2);
}

void Bird(cairo_t* cr) {
  const Rgb body = Hex(0x4FA3E8);
  PolygonPath(cr, {18, 44, 2, 34, 6, 50, 2, 62, 22, 56});
  Ink(cr, Shade(body, -0.15), 2);
  for (const double x : {44.0, 56.0}) {
    cairo_move_to(cr, x, 74);
    cairo_line_to(cr, x, 84);
    cairo_move_to(cr, x - 5, 86);
    cairo_line_to(cr, x + 5, 86);
  }
  StrokePath(cr, Hex(0xE88A2A), 2.5);
  EllipsePath(cr, 52, 46, 38, 32);
  Ink(cr, body, 5);
  EllipsePath(cr, 58, 58, 22, 16);
  FillPath(cr, Hex(0xCFE8FA));
  cairo_move_to(cr, 30, 40);
  cairo_curve_to(cr, 40, 30, 62, 40, 60, 52);
  cairo_curve_to(cr, 48, 62, 30, 56, 30, 40);
  cairo_close_path(cr);
  Ink(cr, Shade(body, -0.15), 2);
  PolygonPath(cr, {86, 34, 106, 40, 86, 46});
  Ink(cr, Hex(0xFFB02E), 2);
  Eyes(cr, 76, 76, 32, 4.5);
  CirclePath(cr, 78, 44, 4);
  FillPath(cr, Hex(0xF7866A), 0.6);
}

void Butterfly(cairo_t* cr) {
  const Rgb wing = Hex(0xA66BE0), low = Hex(0xF28AC0);
  for (const double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 60, 50);
    cairo_curve_to(cr, 60 + side * 30, 2, 60 + side * 60, 2, 60 + side * 56, 30);
    cairo_curve_to(cr, 60 + side * 52, 50, 60 + side * 20, 52, 60, 50);
    cairo_close_path(cr);
    Ink(cr, wing, 3);
    cairo_move_to(cr, 60, 52);
    cairo_curve_to(cr, 60 + side * 48, 50, 60 + side * 48, 92, 60 + side * 24, 90);
    cairo_curve_to(cr, 60 + side * 10, 88, 60, 70, 60, 52);
    cairo_close_path(cr);
    Ink(cr, low, 3);
    CirclePath(cr, 60 + side * 36, 28, 8);
    FillPath(cr, Hex(0xFFE27A));
    CirclePath(cr, 60 + side * 28, 72, 6);
    FillPath(cr, Rgb{1, 1, 1}, 0.8);
  }
  cairo_move_to(cr, 58, 30);
  cairo_curve_to(cr, 54, 16, 48, 10, 42, 8);
  cairo_move_to(cr, 62, 30);
  cairo_curve_to(cr, 66, 16, 72, 10, 78, 8);
  InkLine(cr, 2);
  RoundedRect(cr, 55, 28, 10, 60, 5);
  Ink(cr, Hex(0x4A3A5A), 2);
}

void Snail(cairo_t* cr) {
  const Rgb body = Hex(0x9FD98A);
  cairo_move_to(cr, 6, 72);
  cairo_line_to(cr, 100, 72);
  cairo_curve_to(cr, 110, 72, 112, 62, 108, 50);
  cairo_curve_to(cr, 106, 40, 96, 38, 92, 46);
  cairo_line_to(cr, 84, 62);
  cairo_line_to(cr, 16, 62);
  cairo_curve_to(cr, 8, 62, 4, 68, 6, 72);
  cairo_close_path(cr);
  Ink(cr, body, 3);
  for (const double x : {96.0, 104.0}) {
    cairo_move_to(cr, x, 44);
    cairo_line_to(cr, x + (x - 100) * 0.8, 22);
    InkLine(cr, 2);
    CirclePath(cr, x + (x - 100) * 0.8, 20, 4);
    Ink(cr, body, 1);
  }
  CirclePath(cr, 50, 40, 32);
  Ink(cr, Hex(0xE8A04A), 5);
  // The spiral of the shell.
  cairo_new_path(cr);
  for (double t = 0; t < 4.2 * M_PI; t += 0.1) {
    const double r = 26 - t * 1.7;
    cairo_line_to(cr, 52 + r * std::cos(t + 2.2), 42 + r * std::sin(t + 2.2));
  }
  InkLine(cr, 2.2);
  Eyes(cr, 92.8, 107.2, 20, 2.2);
  Smile(cr, 101, 60, 6);
}

void Ladybug(cairo_t* cr) {
  for (int i = 0; i < 3; ++i)
    for (const double side : {-1.0, 1.0}) {
      cairo_move_to(cr, 45 + side * 20, 40 + i * 12);
      cairo_line_to(cr, 45 + side * 40, 36 + i * 16);
    }
  InkLine(cr, 2.5);
  cairo_move_to(cr, 38, 16);
  cairo_curve_to(cr, 34, 8, 28, 6, 24, 6);
  cairo_move_to(cr, 52, 16);
  cairo_curve_to(cr, 56, 8, 62, 6, 66, 6);
  InkLine(cr, 2);
  CirclePath(cr, 45, 24, 14);
  Ink(cr, Hex(0x3A3346), 2);
  EllipsePath(cr, 45, 50, 34, 28);
  Ink(cr, Hex(0xE8323F), 5);
  cairo_move_to(cr, 45, 23);
  cairo_line_to(cr, 45, 78);
  InkLine(cr, 2);
  for (const auto& s : {Circle{30, 42, 6}, Circle{60, 42, 6}, Circle{26, 60, 5}, Circle{64, 60, 5}, Circle{38, 68, 4},
                        Circle{52, 68, 4}}) {
    CirclePath(cr, s.x, s.y, s.r);
    FillPath(cr, kClipOutline);
  }
  Eyes(cr, 39, 51, 20, 2.5);
  Shine(cr, 30, 32, 6, 3, 0.4);
}

void Duck(cairo_t* cr) {
  const Rgb yellow = Hex(0xFFD43B);
  cairo_move_to(cr, 8, 52);
  cairo_curve_to(cr, 14, 50, 20, 56, 28, 56);
  cairo_line_to(cr, 60, 56);
  cairo_curve_to(cr, 60, 40, 50, 34, 50, 24);
  cairo_curve_to(cr, 50, 4, 86, 4, 86, 28);
  cairo_curve_to(cr, 86, 40, 76, 46, 84, 58);
  cairo_curve_to(cr, 100, 62, 100, 92, 70, 96);
  cairo_line_to(cr, 36, 96);
  cairo_curve_to(cr, 10, 96, 4, 70, 8, 52);
  cairo_close_path(cr);
  Ink(cr, yellow, 6);
  cairo_move_to(cr, 40, 66);
  cairo_curve_to(cr, 50, 60, 68, 62, 72, 70);
  cairo_curve_to(cr, 64, 84, 46, 82, 40, 66);
  cairo_close_path(cr);
  Ink(cr, Shade(yellow, -0.1), 2);
  cairo_move_to(cr, 84, 26);
  cairo_curve_to(cr, 96, 22, 106, 26, 106, 30);
  cairo_curve_to(cr, 104, 36, 94, 38, 84, 34);
  cairo_close_path(cr);
  Ink(cr, Hex(0xFF8C2E), 2);
  Eyes(cr, 72, 72, 20, 4);
  CirclePath(cr, 66, 32, 4);
  FillPath(cr, Hex(0xF7866A), 0.5);
}

void Owl(cairo_t* cr) {
  const Rgb body = Hex(0x9A6A44), belly = Hex(0xE8CFA4);
  cairo_move_to(cr, 14, 8);
  cairo_line_to(cr, 28, 24);
  cairo_line_to(cr, 62, 24);
  cairo_line_to(cr, 76, 8);
  cairo_curve_to(cr, 90, 40, 92, 110, 45, 112);
  cairo_curve_to(cr, -2, 110, 0, 40, 14, 8);
  cairo_close_path(cr);
  Ink(cr, body, 5);
  EllipsePath(cr, 45, 80, 22, 26);
  FillPath(cr, belly);
  for (int row = 0; row < 3; ++row)
    for (int k = -1; k <= 1; ++k) {
      const double x = 45 + k * 11 + (row % 2) * 5 - 2, y = 68 + row * 11;
      cairo_new_path(cr);
      cairo_arc(cr, x, y, 4, 0.2, M_PI - 0.2);
      StrokePath(cr, Shade(belly, -0.3), 1.5);
    }
  for (const double x : {30.0, 60.0}) {
    CirclePath(cr, x, 44, 14);
    Ink(cr, Rgb{1, 1, 1}, 2);
    CirclePath(cr, x, 44, 8);
    FillPath(cr, Hex(0xFFC933));
  }
  Eyes(cr, 30, 60, 44, 4.5);
  PolygonPath(cr, {40, 54, 50, 54, 45, 64});
  Ink(cr, Hex(0xFF9F2E), 1);
  for (const double x : {34.0, 56.0}) {
    cairo_move_to(cr, x - 5, 112);
    cairo_line_to(cr, x - 5, 117);
    cairo_move_to(cr, x, 112);
    cairo_line_to(cr, x, 118);
    cairo_move_to(cr, x + 5, 112);
    cairo_line_to(cr, x + 5, 117);
  }
  StrokePath(cr, Hex(0xE88A2A), 3);
}

void Whale(cairo_t* cr) {
  const Rgb body = Hex(0x4A86D6);
  // Water spout.
  cairo_move_to(cr, 62, 30);
  cairo_curve_to(cr, 58, 14, 48, 8, 40, 10);
  cairo_move_to(cr, 62, 30);
  cairo_curve_to(cr, 66, 14, 76, 8, 84, 10);
  cairo_move_to(cr, 62, 30);
  cairo_line_to(cr, 62, 6);
  StrokePath(cr, Hex(0x7FD0F2), 4);
  cairo_move_to(cr, 8, 58);
  cairo_curve_to(cr, 8, 20, 110, 20, 120, 56);
  cairo_curve_to(cr, 124, 66, 132, 62, 138, 50);
  cairo_curve_to(cr, 150, 46, 148, 36, 144, 34);
  cairo_curve_to(cr, 148, 52, 150, 70, 146, 80);
  cairo_curve_to(cr, 140, 72, 132, 68, 124, 72);
  cairo_curve_to(cr, 100, 88, 8, 92, 8, 58);
  cairo_close_path(cr);
  Ink(cr, body, 5);
  cairo_move_to(cr, 12, 66);
  cairo_curve_to(cr, 30, 80, 80, 82, 110, 72);
  cairo_curve_to(cr, 80, 88, 20, 88, 12, 66);
  cairo_close_path(cr);
  FillPath(cr, Hex(0xCFE4FA));
  Eyes(cr, 32, 32, 52, 4);
  Smile(cr, 20, 66, 8);
  CirclePath(cr, 40, 62, 4);
  FillPath(cr, Hex(0xF7A0B0), 0.6);
}

void Turtle(cairo_t* cr) {
  const Rgb skin = Hex(0x8ED06A), shell = Hex(0x4E9A46);
  for (const double x : {30.0, 86.0}) {
    RoundedRect(cr, x, 56, 16, 20, 7);
    Ink(cr, skin, 2);
  }
  PolygonPath(cr, {14, 58, 2, 62, 16, 66});
  Ink(cr, skin, 1);
  EllipsePath(cr, 112, 46, 16, 14);
  Ink(cr, skin, 3);
  Eyes(cr, 116, 116, 42, 3);
  Smile(cr, 118, 50, 5);
  cairo_move_to(cr, 10, 64);
  cairo_curve_to(cr, 10, 4, 108, 4, 108, 64);
  cairo_close_path(cr);
  Ink(cr, shell, 5);
  // Plates of the shell.
  PolygonPath(cr, {46, 26, 72, 26, 80, 44, 72, 62, 46, 62, 38, 44});
  cairo_move_to(cr, 46, 26);
  cairo_line_to(cr, 36, 14);
  cairo_move_to(cr, 72, 26);
  cairo_line_to(cr, 82, 14);
  cairo_move_to(cr, 38, 44);
  cairo_line_to(cr, 12, 50);
  cairo_move_to(cr, 80, 44);
  cairo_line_to(cr, 106, 50);
  StrokePath(cr, Hex(0xC8E8A0), 2.5);
  cairo_rectangle(cr, 8, 62, 102, 6);
  Ink(cr, Hex(0xE8D27A), 1);
}

void Rabbit(cairo_t* cr) {
  const Rgb fur = Hex(0xF2EEF2);
  for (const double side : {-1.0, 1.0}) {
    EllipsePath(cr, 45 + side * 12, 26, 9, 24);
    Ink(cr, fur, 3);
    EllipsePath(cr, 45 + side * 12, 28, 4, 16);
    FillPath(cr, Hex(0xF7B0C6));
  }
  CirclePath(cr, 78, 110, 10);
  Ink(cr, Rgb{1, 1, 1}, 2);
  cairo_move_to(cr, 45, 64);
  cairo_curve_to(cr, 12, 70, 10, 126, 28, 126);
  cairo_line_to(cr, 62, 126);
  cairo_curve_to(cr, 80, 126, 78, 70, 45, 64);
  cairo_close_path(cr);
  Ink(cr, fur, 5);
  for (const double x : {32.0, 58.0}) {
    EllipsePath(cr, x, 122, 10, 6);
    Ink(cr, fur, 1);
  }
  EllipsePath(cr, 45, 60, 26, 22);
  Ink(cr, fur, 4);
  Eyes(cr, 36, 54, 56, 4);
  EllipsePath(cr, 45, 64, 3.5, 2.5);
  FillPath(cr, Hex(0xF47A90));
  cairo_move_to(cr, 45, 66);
  cairo_line_to(cr, 45, 70);
  InkLine(cr, 1.5);
  for (const double x : {30.0, 60.0}) {
    CirclePath(cr, x, 66, 4);
    FillPath(cr, Hex(0xF7B0C6), 0.7);
  }
}

void Bee(cairo_t* cr) {
  for (const double side : {-1.0, 1.0}) {
    EllipsePath(cr, 44 + side * 12, 18, 12, 16);
    SetColour(cr, Hex(0xDDF2FF), 0.85);
    cairo_fill_preserve(cr);
    InkLine(cr, 2);
  }
  PolygonPath(cr, {6, 48, 16, 44, 16, 52});
  FillPath(cr, kClipOutline);
  EllipsePath(cr, 46, 48, 32, 24);
  Ink(cr, Hex(0xFFCB2E), 5);
  cairo_save(cr);
  EllipsePath(cr, 46, 48, 32, 24);
  cairo_clip(cr);
  for (const double x : {28.0, 44.0}) cairo_rectangle(cr, x, 20, 8, 60);
  FillPath(cr, Hex(0x3A3346));
  cairo_restore(cr);
  EllipsePath(cr, 46, 48, 32, 24);
  InkLine(cr);
  cairo_move_to(cr, 70, 30);
  cairo_curve_to(cr, 74, 20, 80, 16, 84, 16);
  InkLine(cr, 2);
  Eyes(cr, 66, 66, 44, 4);
  Smile(cr, 68, 54, 6);
}

void Frog(cairo_t* cr) {
  const Rgb green = Hex(0x5CC24E);
  for (const double side : {-1.0, 1.0}) {
    EllipsePath(cr, 55 + side * 36, 80, 18, 8);
    Ink(cr, green, 2);
  }
  EllipsePath(cr, 55, 62, 34, 24);
  Ink(cr, green, 4);
  EllipsePath(cr, 55, 70, 20, 14);
  FillPath(cr, Hex(0xD8F0A8));
  EllipsePath(cr, 55, 38, 40, 22);
  Ink(cr, green, 4);
  for (const double side : {-1.0, 1.0}) {
    CirclePath(cr, 55 + side * 24, 20, 13);
    Ink(cr, green, 2);
    CirclePath(cr, 55 + side * 24, 20, 8);
    FillPath(cr, Rgb{1, 1, 1});
  }
  Eyes(cr, 31, 79, 21, 4.5);
  cairo_new_path(cr);
  cairo_arc(cr, 55, 28, 24, M_PI * 0.2, M_PI * 0.8);
  InkLine(cr, 2.2);
  for (const double x : {36.0, 74.0}) {
    CirclePath(cr, x, 44, 4.5);
    FillPath(cr, Hex(0xF7866A), 0.5);
  }
}

}  // namespace

std::vector<ClipRecipe> AnimalClips() {
  return {{100, 130, Cat},    {140, 110, Dog},    {120, 80, Fish},     {110, 92, Bird},  {120, 96, Butterfly},
          {116, 80, Snail},   {90, 82, Ladybug},  {106, 100, Duck},    {90, 122, Owl},   {152, 96, Whale},
          {132, 80, Turtle},  {90, 130, Rabbit},  {90, 76, Bee},       {110, 92, Frog}};
}

}  // namespace vdr::mediagen
