#include "tools/mediagen/intro.h"

#include <cmath>
#include <string_view>

#include "tools/mediagen/clip_style.h"
#include "tools/mediagen/draw.h"
#include "tools/mediagen/palette.h"
#include "tools/mediagen/pixel_text.h"

namespace vdr::mediagen {

namespace {

constexpr int kTitleWidth = 290;
constexpr int kTitleHeight = 232;
constexpr int kCatWidth = 150;
constexpr int kCatHeight = 280;
constexpr Rgb kWhite{1, 1, 1};

// A round grain of sand with light from the upper left.
void Grain(cairo_t* cr, double x, double y, double r, const Rgb& colour) {
  CirclePath(cr, x, y, r);
  SetRadialGradient(cr, x - r * 0.35, y - r * 0.35, 0, r * 1.2, {{0, Shade(colour, 0.45)}, {0.6, colour}, {1, Shade(colour, -0.3)}});
  cairo_fill(cr);
}

// The name spelled in grains, each letter in its own colour.
void DrawNameInGrains(cairo_t* cr, std::string_view name, double left, double top, double pitch) {
  const int letterColours[] = {22, 23, 24, 25, 26, 27, 28};
  for (size_t i = 0; i < name.size(); ++i) {
    const Pixel p = SandColour(letterColours[i % 7]);
    const Rgb colour = FromPixel(p);
    const double x0 = left + i * (kGlyphWidth + 1) * pitch;
    for (int row = 0; row < kGlyphCapHeight; ++row)
      for (int col = 0; col < kGlyphWidth; ++col)
        if (GlyphDot(name[i], col, row)) {
          const double x = x0 + col * pitch + pitch / 2, y = top + row * pitch + pitch / 2;
          CirclePath(cr, x + 1, y + 1.5, pitch * 0.58);
          FillPath(cr, Shade(colour, -0.55), 0.35);
          Grain(cr, x, y, pitch * 0.58, colour);
        }
  }
}

// A mound of layered coloured sand, fed by a falling stream of grains.
void DrawSandMound(cairo_t* cr, double top, double bottom) {
  const double peakX = kTitleWidth / 2.0, w = kTitleWidth;
  auto mound = [&](double lift) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, bottom);
    cairo_curve_to(cr, w * 0.25, bottom - 8 - lift * 0.3, peakX - 40, top + lift, peakX, top + lift);
    cairo_curve_to(cr, peakX + 40, top + lift, w * 0.75, bottom - 8 - lift * 0.3, w, bottom);
    cairo_close_path(cr);
  };
  // Strata: each layer a smaller mound laid over the last, wavy at the top.
  const int layers[] = {21, 13, 27, 24, 19, 16, 22, 14, 28, 11};
  for (int i = 9; i >= 0; --i) {
    cairo_save(cr);
    mound(0);
    cairo_clip(cr);
    const double y = bottom - (bottom - top) * (i + 1) / 10.0;
    cairo_new_path(cr);
    cairo_move_to(cr, -5, bottom + 5);
    cairo_line_to(cr, -5, y + 6 * std::sin(i * 1.9));
    cairo_curve_to(cr, w * 0.33, y - 8 * std::cos(i * 2.7), w * 0.66, y + 8 * std::sin(i * 1.3), w + 5,
                   y - 5 * std::cos(i));
    cairo_line_to(cr, w + 5, bottom + 5);
    cairo_close_path(cr);
    FillPath(cr, FromPixel(SandColour(layers[i])));
    cairo_restore(cr);
  }
  // Speckle so the layers read as sand.
  Rng rng(0x5A5D);
  cairo_save(cr);
  mound(0);
  cairo_clip(cr);
  for (int i = 0; i < 900; ++i) {
    cairo_rectangle(cr, std::floor(rng.Uniform(0, w)), std::floor(rng.Uniform(top, bottom)), 1, 1);
  }
  FillPath(cr, kWhite, 0.35);
  cairo_restore(cr);
  // The stream pouring onto the peak.
  for (int i = 0; i < 60; ++i) {
    const double t = rng.Uniform();
    const double y = top - 52 + t * 54;
    const double spread = 1.5 + t * 4;
    cairo_rectangle(cr, std::floor(peakX + rng.Uniform(-spread, spread)), std::floor(y), 2, 2);
  }
  FillPath(cr, FromPixel(SandColour(21)));
}

}  // namespace

Image DrawTitle() {
  Canvas canvas(kTitleWidth, kTitleHeight);
  cairo_t* cr = canvas.cr();
  const double pitch = 7;
  DrawNameInGrains(cr, "GRANZEL", (kTitleWidth - (7 * 6 - 1) * pitch) / 2, 4, pitch);
  DrawSandMound(cr, 118, 206);
  const PixelTextStyle style{.scale = 1, .advance = kGlyphWidth + 1, .fill = Hex(0x4A4060), .outline = kWhite};
  constexpr std::string_view tagline = "paint with falling sand";
  DrawPixelText(cr, tagline, (kTitleWidth - PixelTextWidth(tagline, style)) / 2, 216, style);
  Image image = canvas.ToImage();
  FlattenOnto(image, kWhite);
  return image;
}

Image DrawCat() {
  Canvas canvas(kCatWidth, kCatHeight);
  cairo_t* cr = canvas.cr();
  const Rgb fur = Hex(0xF2A04A), cream = Hex(0xFBE3C0), stripe = Hex(0xC9702A);
  // The tail rises behind the back and curls over at the tip.
  cairo_move_to(cr, 110, 262);
  cairo_curve_to(cr, 138, 250, 136, 190, 126, 160);
  cairo_curve_to(cr, 116, 134, 124, 112, 136, 116);
  InkTube(cr, fur, 14);
  // Body, sitting: a haunch at the back, the chest at the front.
  cairo_move_to(cr, 56, 100);
  cairo_curve_to(cr, 30, 150, 26, 220, 34, 272);
  cairo_line_to(cr, 116, 272);
  cairo_curve_to(cr, 140, 262, 142, 210, 120, 186);
  cairo_curve_to(cr, 110, 150, 100, 120, 92, 100);
  cairo_close_path(cr);
  Ink(cr, fur, 7);
  cairo_move_to(cr, 58, 116);
  cairo_curve_to(cr, 40, 160, 44, 210, 56, 250);
  cairo_line_to(cr, 76, 250);
  cairo_curve_to(cr, 80, 200, 80, 150, 72, 116);
  cairo_close_path(cr);
  FillPath(cr, cream);
  // Haunch stripes.
  for (int k = 0; k < 3; ++k) {
    cairo_move_to(cr, 126 - k * 6, 196 + k * 14);
    cairo_curve_to(cr, 114 - k * 6, 200 + k * 14, 104 - k * 6, 210 + k * 14, 100 - k * 4, 222 + k * 14);
  }
  StrokePath(cr, stripe, 4);
  // Front legs and paws.
  for (const double x : {46.0, 74.0}) {
    RoundedRect(cr, x, 200, 22, 72, 10);
    Ink(cr, fur, 3);
    EllipsePath(cr, x + 9, 270, 16, 8);
    Ink(cr, cream, 2);
    for (const double toe : {-5.0, 1.0, 7.0}) {
      cairo_move_to(cr, x + 9 + toe, 266);
      cairo_line_to(cr, x + 9 + toe, 272);
    }
    InkLine(cr, 1.2);
  }
  // Head: ears, face, stripes on the brow.
  for (const double side : {-1.0, 1.0}) {
    PolygonPath(cr, {72 + side * 48, 6, 72 + side * 44, 58, 72 + side * 12, 32});
    Ink(cr, fur, 3);
    PolygonPath(cr, {72 + side * 42, 16, 72 + side * 40, 46, 72 + side * 20, 34});
    FillPath(cr, Hex(0xF49AA8));
  }
  EllipsePath(cr, 72, 66, 56, 46);
  Ink(cr, fur, 6);
  for (const double x : {60.0, 72.0, 84.0}) {
    cairo_move_to(cr, x, 22);
    cairo_line_to(cr, x + (x - 72) * 0.2, 36);
  }
  StrokePath(cr, stripe, 4);
  EllipsePath(cr, 72, 88, 24, 16);
  FillPath(cr, cream);
  // Big eyes looking to the left, at the title.
  for (const double x : {50.0, 94.0}) {
    EllipsePath(cr, x, 64, 11, 13);
    Ink(cr, Hex(0xBFE8A0), 1);
    EllipsePath(cr, x - 3, 65, 6, 10);
    FillPath(cr, kClipOutline);
    CirclePath(cr, x - 5, 60, 3);
    FillPath(cr, kWhite);
  }
  PolygonPath(cr, {66, 80, 78, 80, 72, 87});
  Ink(cr, Hex(0xF47A90), 0);
  cairo_new_path(cr);
  cairo_move_to(cr, 72, 87);
  cairo_curve_to(cr, 72, 94, 64, 96, 60, 92);
  cairo_move_to(cr, 72, 87);
  cairo_curve_to(cr, 72, 94, 80, 96, 84, 92);
  InkLine(cr, 2);
  for (const double side : {-1.0, 1.0})
    for (const double tilt : {-6.0, 2.0, 10.0}) {
      cairo_move_to(cr, 72 + side * 22, 86);
      cairo_line_to(cr, 72 + side * 66, 86 + tilt);
    }
  InkLine(cr, 1.3);
  for (const double x : {36.0, 108.0}) {
    EllipsePath(cr, x, 84, 8, 5);
    FillPath(cr, Hex(0xF7866A), 0.45);
  }
  Image image = canvas.ToImage();
  FlattenOnto(image, kWhite);
  return image;
}

}  // namespace vdr::mediagen
