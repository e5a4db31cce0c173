// Skies and gradients: quiet backgrounds that let every sand colour show.

#include <algorithm>
#include <cmath>

#include "tools/mediagen/background_sets.h"
#include "tools/mediagen/backgrounds.h"
#include "tools/mediagen/noise.h"
#include "tools/mediagen/scenery.h"

namespace vdr::mediagen {

namespace {

constexpr double W = kSceneWidth;
constexpr double H = kSceneHeight;

void CloudySky(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x3E9BE6)}, {1, Hex(0xB4DDF7)}});
  Rng rng(301);
  const double clouds[][3] = {{90, 80, 130}, {330, 60, 100}, {220, 170, 150}, {430, 200, 110}, {60, 260, 120}, {300, 300, 90}};
  for (const auto& c : clouds) DrawCloud(cr, rng, c[0], c[1], c[2], Rgb{1, 1, 1}, Hex(0xCFE2F1));
}

void Sunrise(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0xA99BD8)}, {0.5, Hex(0xF6B9B0)}, {1, Hex(0xFFE0B2)}});
  PaintGlow(cr, 240, 330, 260, Hex(0xFFF4D0), 0.8);
}

void Ocean(cairo_t* cr) { PaintVertical(cr, {{0, Hex(0x2FB5B5)}, {0.5, Hex(0x1A6F9A)}, {1, Hex(0x0E2C5E)}}); }

void Mint(cairo_t* cr) { PaintVertical(cr, {{0, Hex(0xBDEBD6)}, {1, Hex(0xFBF6E4)}}); }

void RetroSun(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x2A1E5C)}, {0.6, Hex(0x8A3A8A)}, {1, Hex(0xF07A6A)}});
  cairo_save(cr);
  CirclePath(cr, 240, 200, 110);
  cairo_clip(cr);
  SetLinearGradient(cr, 0, 90, 0, 310, {{0, Hex(0xFFE27A)}, {1, Hex(0xF5487A)}});
  cairo_paint(cr);
  // Bands cut out of the lower half, widening toward the bottom.
  for (int i = 0; i < 7; ++i) {
    const double y = 205 + i * 15 + i * i * 0.8;
    cairo_rectangle(cr, 0, y, W, 2 + i * 1.3);
  }
  SetLinearGradient(cr, 0, 200, 0, 320, {{0, Hex(0x8A3A8A)}, {1, Hex(0xF07A6A)}});
  cairo_fill(cr);
  cairo_restore(cr);
}

void MilkyWay(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x070B1E)}, {1, Hex(0x1A2050)}});
  Rng rng(351);
  // Dense dust along a diagonal band.
  for (int i = 0; i < 1400; ++i) {
    const double t = rng.Uniform(-0.1, 1.1), spread = rng.Uniform(-1, 1) * rng.Uniform(0, 1) * 70;
    const double x = t * W, y = 290 - t * 260 + spread;
    cairo_rectangle(cr, x, y, 1, 1);
  }
  FillPath(cr, Hex(0xDCD8FF), 0.5);
  DrawStars(cr, rng, 240, H, Hex(0xFFFFFF));
}

void Bokeh(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x24143E)}, {1, Hex(0x3E1E4A)}});
  Rng rng(361);
  const Rgb colours[] = {Hex(0xF7B84A), Hex(0xF06A8A), Hex(0x8A7AF0), Hex(0x5AC8E0)};
  for (int i = 0; i < 45; ++i) {
    const double r = rng.Uniform(8, 34);
    CirclePath(cr, rng.Uniform(0, W), rng.Uniform(0, H), r);
    const Rgb c = colours[rng.Below(4)];
    SetColour(cr, c, rng.Uniform(0.12, 0.35));
    cairo_fill_preserve(cr);
    StrokePath(cr, Shade(c, 0.3), 1.2, 0.3);
  }
}

void GoldenGlow(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x6A3A1E)}, {1, Hex(0x4A2412)}});
  PaintGlow(cr, 240, 160, 300, Hex(0xFFD68A), 0.95);
}

void PastelRainbow(cairo_t* cr) {
  SetLinearGradient(cr, 0, 0, W, H,
                    {{0, Hex(0xF9C6C9)}, {0.25, Hex(0xFCE3B6)}, {0.5, Hex(0xD8F0C2)}, {0.75, Hex(0xC2DEF5)},
                     {1, Hex(0xDCCBF2)}});
  cairo_paint(cr);
}

void Paper(cairo_t* cr) {
  SetColour(cr, Hex(0xF6EDD9));
  cairo_paint(cr);
  // Fibres: short faint strokes in random directions.
  Rng rng(391);
  for (int i = 0; i < 900; ++i) {
    const double x = rng.Uniform(0, W), y = rng.Uniform(0, H), a = rng.Uniform(0, M_PI), l = rng.Uniform(2, 7);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + l * std::cos(a), y + l * std::sin(a));
  }
  StrokePath(cr, Hex(0xC9B48A), 0.6, 0.35);
  PaintGlow(cr, 240, 160, 330, Rgb{1, 1, 1}, 0.25);
}

}  // namespace

std::vector<SceneDrawer> SkyScenes() {
  return {CloudySky, Sunrise, Ocean, Mint, RetroSun, MilkyWay, Bokeh, GoldenGlow, PastelRainbow, Paper};
}

}  // namespace vdr::mediagen
