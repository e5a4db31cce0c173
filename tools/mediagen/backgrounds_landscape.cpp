// Landscapes: hills, mountains, deserts, coasts, cities, forests and space.

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

// Layers of hills from far (first) to near, each with its tree colour.
void HillLayers(cairo_t* cr, uint64_t seed, std::initializer_list<Rgb> colours, double firstY, double step) {
  int i = 0;
  for (const Rgb& c : colours) {
    const Ridge ridge = HillRidge(seed + i, firstY + i * step, 40 - i * 4, 2 + i);
    FillRidge(cr, ridge, c, Shade(c, -0.15));
    RimRidge(cr, ridge, Shade(c, 0.35), 0.5);
    ++i;
  }
}

void Meadow(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x4FA8EC)}, {0.7, Hex(0xBFE4FA)}});
  DrawSun(cr, 400, 60, 22, Hex(0xFFE680), Hex(0xFFF6C8));
  Rng rng(11);
  DrawCloud(cr, rng, 110, 80, 120, Rgb{1, 1, 1}, Hex(0xD6E6F2));
  DrawCloud(cr, rng, 290, 120, 80, Rgb{1, 1, 1}, Hex(0xD6E6F2));
  HillLayers(cr, 100, {Hex(0x9CD38F), Hex(0x6DBE63), Hex(0x4AA24A)}, 190, 35);
  const double trees[][2] = {{70, 262}, {96, 268}, {380, 255}, {300, 281}};
  for (const auto& t : trees) DrawRoundTree(cr, t[0], t[1], 46, Hex(0x2F7F3A), Hex(0x6B4A2A));
}

void LakeDawn(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x6E6BB6)}, {0.35, Hex(0xE7A1B4)}, {0.62, Hex(0xFCD29C)}});
  DrawSun(cr, 300, 190, 16, Hex(0xFFEFC0), Hex(0xFFD9A0));
  const Rgb layers[] = {Hex(0xB89CC8), Hex(0x8E7DB5), Hex(0x62609A)};
  for (int i = 0; i < 3; ++i) {
    const Ridge ridge = MountainRidge(20 + i, 200 - i * 2, 110 - i * 30, 3 + i * 2);
    FillRidge(cr, ridge, layers[i], layers[i]);
    if (i == 0) ShadeFaces(cr, ridge, 200, Hex(0x3A2E6A), 0.2);
  }
  ReflectInWater(cr, 200, Hex(0x4A4E8E), 0.35);
  Rng rng(21);
  DrawRipples(cr, rng, 204, H, Rgb{1, 0.93, 0.85}, 0.35);
}

void MistyPines(cairo_t* cr) {
  const Rgb mist = Hex(0xE3ECE6);
  PaintVertical(cr, {{0, mist}, {1, Hex(0xB9CEC4)}});
  Rng rng(31);
  const Rgb layers[] = {Hex(0xA7BFB4), Hex(0x7E9E90), Hex(0x55796B), Hex(0x2F5246)};
  for (int i = 0; i < 4; ++i) {
    const double base = 150 + i * 45;
    const Ridge ridge = HillRidge(30 + i, base + 20, 24, 2);
    for (double x = rng.Uniform(-10, 10); x < W + 20; x += rng.Uniform(10, 22) + i * 4) {
      const double h = rng.Uniform(40, 70) + i * 18;
      // Planted so that the lowest boughs touch the ground.
      DrawPine(cr, x, ridge[static_cast<int>(std::clamp(x, 0.0, W))] + h * 0.16, h, layers[i]);
    }
    FillRidge(cr, ridge, layers[i], layers[i]);
    if (i == 3) break;
    // Mist rising between this row of trees and the next.
    cairo_rectangle(cr, 0, 0, W, H);
    SetLinearGradient(cr, 0, base - 30, 0, base + 50, {{0, mist, 0}, {1, mist, 0.45}});
    cairo_fill(cr);
  }
}

// Sand dunes: a gentle windward rise to a sharp crest, then a steep
// shadowed lee slope.
Ridge DuneRidge(uint64_t seed, double baseY, double amplitude, double period) {
  Rng rng(seed);
  const double phase = rng.Uniform(0, period);
  Ridge ridge(kSceneWidth + 1);
  for (int x = 0; x <= kSceneWidth; ++x) {
    const double t = std::fmod(x + phase, period) / period;
    const double rise = t < 0.7 ? std::sin(t / 0.7 * M_PI / 2) : std::cos((t - 0.7) / 0.3 * M_PI / 2);
    ridge[x] = baseY - amplitude * (0.3 + 0.7 * rise * rise) - 6 * std::sin(x / 53.0 + phase);
  }
  return ridge;
}

void Dunes(cairo_t* cr, uint64_t seed, const Rgb& sand, double firstY) {
  for (int i = 0; i < 4; ++i) {
    const Ridge ridge = DuneRidge(seed + i, firstY + i * 34, 40 - i * 4, 200 + i * 70);
    const Rgb c = Shade(sand, -0.05 * (3 - i));
    FillRidge(cr, ridge, Shade(c, 0.1), Shade(c, -0.1));
    for (int x = 1; x <= kSceneWidth; ++x) {
      const double slope = ridge[x] - ridge[x - 1];
      if (slope <= 0) continue;
      cairo_rectangle(cr, x - 1, ridge[x], 1, 70);
      FillPath(cr, Shade(c, -0.45), std::min(0.35, slope * 0.5));
    }
  }
}

void DesertNoon(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x6FBCEB)}, {0.55, Hex(0xF2E6CE)}});
  DrawSun(cr, 90, 55, 18, Hex(0xFFF4C0), Hex(0xFFFBE0));
  Dunes(cr, 40, Hex(0xEBC47E), 170);
}

void DesertDusk(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x2C2350)}, {0.35, Hex(0xB8477A)}, {0.6, Hex(0xF59A4A)}, {0.75, Hex(0xFFD27A)}});
  DrawSun(cr, 240, 215, 42, Hex(0xFFE08A), Hex(0xFFB060));
  const Ridge far = HillRidge(51, 230, 30, 2);
  FillRidge(cr, far, Hex(0x7A3A52), Hex(0x5B2E44));
  const Ridge near = HillRidge(52, 275, 30, 3);
  FillRidge(cr, near, Hex(0x3F1E33), Hex(0x2A1424));
  DrawCactus(cr, 80, near[80] + 4, 90, Hex(0x2A1424));
  DrawCactus(cr, 395, near[395] + 4, 70, Hex(0x2A1424));
  DrawCactus(cr, 330, far[330] + 2, 34, Hex(0x5B2E44));
}

void SnowPeaks(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x8CC3EE)}, {0.6, Hex(0xE8F3FB)}});
  const Ridge far = MountainRidge(60, 215, 110, 6);
  FillRidge(cr, far, Hex(0xD8E6F3), Hex(0xB4C8DE));
  ShadeFaces(cr, far, 230, Hex(0x7E9CC4), 0.35);
  const Ridge peaks = MountainRidge(61, 235, 160, 3);
  FillRidge(cr, peaks, Hex(0xF6FAFD), Hex(0xC8D8EA));
  ShadeFaces(cr, peaks, 260, Hex(0x8FAAD0), 0.45);
  const Ridge snow = HillRidge(62, 270, 25, 2);
  FillRidge(cr, snow, Hex(0xF8FBFE), Hex(0xDCE7F3));
  Rng rng(63);
  for (int i = 0; i < 14; ++i) {
    const double x = rng.Uniform(0, W);
    DrawPine(cr, x, snow[static_cast<int>(x)] + 8, rng.Uniform(30, 60), Hex(0x2E5A4A));
  }
}

void Beach(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x48B0EE)}, {0.55, Hex(0xC4ECFB)}});
  Rng rng(71);
  DrawCloud(cr, rng, 120, 70, 100, Rgb{1, 1, 1}, Hex(0xD8EAF5));
  DrawCloud(cr, rng, 340, 100, 70, Rgb{1, 1, 1}, Hex(0xD8EAF5));
  cairo_rectangle(cr, 0, 180, W, 80);
  SetLinearGradient(cr, 0, 180, 0, 260, {{0, Hex(0x1C8FBF)}, {1, Hex(0x5FD6D0)}});
  cairo_fill(cr);
  DrawRipples(cr, rng, 184, 250, Rgb{1, 1, 1}, 0.35);
  Ridge shore(kSceneWidth + 1);
  for (int x = 0; x <= kSceneWidth; ++x) shore[x] = 245 + 8 * std::sin(x * 0.02) + 4 * std::sin(x * 0.051 + 1);
  RidgePath(cr, shore);
  FillPath(cr, Rgb{1, 1, 1}, 0.8);
  for (double& y : shore) y += 4;
  FillRidge(cr, shore, Hex(0xF5E1AA), Hex(0xE6C682));
  DrawPalm(cr, 400, 300, 150, -30, Hex(0x2F8A3E), Hex(0x8A6038));
}

void SeaSunset(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x2B2A6B)}, {0.35, Hex(0xC2507A)}, {0.55, Hex(0xF89D4C)}, {0.62, Hex(0xFFD98A)}});
  Rng rng(81);
  DrawCloud(cr, rng, 120, 90, 130, Hex(0xF7A6A0), Hex(0x9A4A7A), 0.8);
  DrawCloud(cr, rng, 370, 60, 90, Hex(0xF7A6A0), Hex(0x9A4A7A), 0.7);
  DrawSun(cr, 240, 198, 34, Hex(0xFFE6A0), Hex(0xFFB070));
  ReflectInWater(cr, 198, Hex(0x3A2A6A), 0.5);
  DrawRipples(cr, rng, 202, H, Hex(0xFFD9A0), 0.4);
}

void MoonlitHills(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x0B1030)}, {1, Hex(0x2E3F80)}});
  Rng rng(91);
  DrawStars(cr, rng, 160, 220, Hex(0xFFFBE8));
  DrawMoon(cr, 370, 70, 26, Hex(0xF4F0D8));
  HillLayers(cr, 92, {Hex(0x2A3568), Hex(0x1D2650), Hex(0x141B3A)}, 210, 30);
  for (int i = 0; i < 9; ++i) {
    const double x = rng.Uniform(0, W);
    DrawPine(cr, x, 300 + rng.Uniform(0, 20), rng.Uniform(30, 55), Hex(0x0C1128));
  }
}

void AutumnHills(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0xF5CFA0)}, {0.6, Hex(0xFCEDD4)}});
  DrawSun(cr, 120, 90, 20, Hex(0xFFF0C8), Hex(0xFFE0B0));
  HillLayers(cr, 101, {Hex(0xE9B277), Hex(0xDD8A4A), Hex(0xB9612F)}, 185, 38);
  Rng rng(102);
  const Rgb leaves[] = {Hex(0xD9502A), Hex(0xF2A81E), Hex(0xA83A22)};
  for (int i = 0; i < 8; ++i) {
    const double x = 30 + i * 60 + rng.Uniform(-12, 12);
    DrawRoundTree(cr, x, 290 + rng.Uniform(0, 25), rng.Uniform(40, 60), leaves[i % 3], Hex(0x5A3420));
  }
}

void LavenderField(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0xB79AD6)}, {0.45, Hex(0xF3C29A)}, {0.55, Hex(0xFBE0B0)}});
  DrawSun(cr, 330, 160, 20, Hex(0xFFF2C8), Hex(0xFFD8A8));
  const double horizon = 172;
  cairo_rectangle(cr, 0, horizon, W, H - horizon);
  SetLinearGradient(cr, 0, horizon, 0, H, {{0, Hex(0x8E7AB8)}, {1, Hex(0x5B3E8E)}});
  cairo_fill(cr);
  // Rows of lavender running to a vanishing point on the horizon.
  const double vx = 240;
  for (int i = -14; i <= 14; ++i) {
    const double spread = i * 70.0;
    cairo_move_to(cr, vx + i * 3, horizon);
    cairo_line_to(cr, vx + spread - 16, H);
    cairo_line_to(cr, vx + spread + 16, H);
    cairo_close_path(cr);
  }
  SetLinearGradient(cr, 0, horizon, 0, H, {{0, Hex(0xA58ED0)}, {1, Hex(0x9A5CD0)}});
  cairo_fill(cr);
  DrawRoundTree(cr, 110, horizon + 6, 40, Hex(0x3E3A5E), Hex(0x3E3A5E));
}

void Farmland(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x5EB0EA)}, {0.6, Hex(0xD2EDFA)}});
  Rng rng(111);
  DrawCloud(cr, rng, 330, 75, 110, Rgb{1, 1, 1}, Hex(0xD6E6F2));
  const Rgb fields[] = {Hex(0x9CCB5A), Hex(0xE3CB5E), Hex(0x6FB04E), Hex(0xC8D66A), Hex(0x4E9A46)};
  for (int i = 0; i < 4; ++i) {
    const Ridge ridge = HillRidge(112 + i, 175 + i * 40, 45, 2 + i % 2);
    cairo_save(cr);
    RidgePath(cr, ridge);
    cairo_clip(cr);
    // Tilted strips of fields, a different tilt for each hill.
    cairo_translate(cr, W / 2, RidgeTop(ridge) + 40);
    cairo_rotate(cr, (i % 2 == 0 ? 1 : -1) * (0.3 + 0.1 * i));
    for (int k = -12; k < 12; ++k) {
      cairo_rectangle(cr, k * 38, -300, 38, 600);
      FillPath(cr, Shade(fields[(k + 12 + i * 2) % 5], -0.05 * i));
    }
    cairo_restore(cr);
    RimRidge(cr, ridge, Rgb{1, 1, 0.85}, 0.5);
  }
}

void Mesas(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x7CC6F2)}, {0.6, Hex(0xF6E2C6)}});
  auto mesa = [cr](double left, double right, double top, double base, const Rgb& c) {
    const double w = right - left;
    PolygonPath(cr, {left, base, left + w * 0.12, top + 12, left + w * 0.18, top, right - w * 0.2, top,
                     right - w * 0.1, top + 14, right, base});
    SetLinearGradient(cr, 0, top, 0, base, {{0, c}, {1, Shade(c, -0.2)}});
    cairo_fill(cr);
    // Rock strata.
    for (int k = 1; k < 4; ++k) {
      cairo_rectangle(cr, left + w * 0.1, top + k * (base - top) / 4, w * 0.8, 2);
      FillPath(cr, Shade(c, -0.25), 0.4);
    }
  };
  mesa(40, 210, 120, 230, Hex(0xC96A45));
  mesa(260, 470, 95, 232, Hex(0xB5563A));
  mesa(190, 300, 160, 236, Hex(0xD98A5A));
  const Ridge ground = HillRidge(121, 250, 18, 2);
  FillRidge(cr, ground, Hex(0xE39A5E), Hex(0xC0703E));
  Rng rng(122);
  for (int i = 0; i < 10; ++i) DrawCactus(cr, rng.Uniform(0, W), rng.Uniform(285, 320), rng.Uniform(18, 30), Hex(0x5E7A3A));
}

void RainbowHills(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x7FBFF0)}, {0.7, Hex(0xE2F2FB)}});
  const Rgb bands[] = {Hex(0xE8413C), Hex(0xF5902A), Hex(0xF7D33A), Hex(0x5CBF4A), Hex(0x3A8FE0), Hex(0x5A4FC0), Hex(0x9A4FC0)};
  for (int i = 0; i < 7; ++i) {
    cairo_new_path(cr);
    cairo_arc(cr, 240, 290, 210 - i * 9, M_PI, 2 * M_PI);
    StrokePath(cr, bands[i], 9.5, 0.55);
  }
  Rng rng(131);
  DrawCloud(cr, rng, 60, 210, 110, Rgb{1, 1, 1}, Hex(0xDCE8F2));
  DrawCloud(cr, rng, 420, 205, 110, Rgb{1, 1, 1}, Hex(0xDCE8F2));
  HillLayers(cr, 132, {Hex(0x86CF74), Hex(0x5BB54E)}, 235, 35);
  const Rgb petals[] = {Rgb{1, 1, 1}, Hex(0xFFD84A), Hex(0xF590C0)};
  for (int i = 0; i < 70; ++i) {
    CirclePath(cr, rng.Uniform(0, W), rng.Uniform(275, 320), 1.6);
    FillPath(cr, petals[i % 3]);
  }
}

// Rows of buildings with lit windows; `lit` is the share of lit windows.
void Skyline(cairo_t* cr, Rng& rng, double base, double minH, double maxH, const Rgb& wall, double lit) {
  for (double x = rng.Uniform(-20, 0); x < W;) {
    const double w = rng.Uniform(26, 56), h = rng.Uniform(minH, maxH);
    cairo_rectangle(cr, x, base - h, w, h + 1);
    if (rng.Uniform() < 0.3) cairo_rectangle(cr, x + w * 0.4, base - h - 14, 3, 14);
    FillPath(cr, wall);
    for (double wy = base - h + 8; wy < base - 8; wy += 10)
      for (double wx = x + 5; wx < x + w - 6; wx += 8)
        if (rng.Uniform() < lit) cairo_rectangle(cr, wx, wy, 4, 5);
    FillPath(cr, Hex(0xFFD97A), 0.85);
    x += w + rng.Uniform(-4, 6);
  }
}

void CityDusk(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x2E2B5F)}, {0.45, Hex(0xD9707A)}, {0.7, Hex(0xFFC98A)}});
  DrawSun(cr, 330, 200, 30, Hex(0xFFE7A8), Hex(0xFFB080));
  Rng rng(141);
  Skyline(cr, rng, 300, 90, 170, Hex(0x5A3E6A), 0.15);
  Skyline(cr, rng, H + 2, 50, 120, Hex(0x2E2040), 0.3);
}

void CityNight(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x070A1E)}, {1, Hex(0x1E2A5A)}});
  Rng rng(151);
  DrawStars(cr, rng, 120, 180, Hex(0xFFFBE8));
  DrawMoon(cr, 90, 60, 20, Hex(0xF2EED6));
  Skyline(cr, rng, 290, 100, 200, Hex(0x1A2246), 0.3);
  Skyline(cr, rng, H + 2, 60, 130, Hex(0x0E1430), 0.45);
}

void Underwater(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x3FB7DA)}, {0.6, Hex(0x13679A)}, {1, Hex(0x0B3A66)}});
  // Light shafts from the surface.
  for (int i = 0; i < 6; ++i) {
    const double x = 40 + i * 80;
    PolygonPath(cr, {x, 0, x + 30, 0, x + 90, H, x + 20, H});
    SetLinearGradient(cr, 0, 0, 0, H, {{0, Rgb{1, 1, 1}, 0.22}, {1, Rgb{1, 1, 1}, 0}});
    cairo_fill(cr);
  }
  const Ridge floor = HillRidge(161, 300, 22, 3);
  FillRidge(cr, floor, Hex(0xD9C08A), Hex(0xB89A64));
  Rng rng(162);
  for (int i = 0; i < 9; ++i) {
    const double x = rng.Uniform(10, W - 10), h = rng.Uniform(50, 120);
    const double base = floor[static_cast<int>(x)] + 4;
    cairo_move_to(cr, x, base);
    for (double t = 0; t <= 1; t += 0.1) cairo_line_to(cr, x + 6 * std::sin(t * 9 + i), base - h * t);
    StrokePath(cr, i % 2 ? Hex(0x2E8A5A) : Hex(0x4FAF6A), 5);
  }
  for (int i = 0; i < 30; ++i) {
    CirclePath(cr, rng.Uniform(0, W), rng.Uniform(0, 260), rng.Uniform(1.5, 4));
    StrokePath(cr, Rgb{1, 1, 1}, 1, 0.5);
  }
}

void Nebula(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x05060F)}, {1, Hex(0x120A26)}});
  // Nebula clouds: noise mapped to two colours, drawn as a soft overlay.
  const Noise noise(171);
  Canvas cloud(kSceneWidth, kSceneHeight);
  cairo_surface_flush(cloud.surface());
  auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(cloud.surface()));
  const int stride = cairo_image_surface_get_stride(cloud.surface()) / 4;
  for (int y = 0; y < kSceneHeight; ++y) {
    for (int x = 0; x < kSceneWidth; ++x) {
      const double n = noise.Fractal(x / 120.0, y / 120.0, 5);
      const double band = std::exp(-std::pow((y - 150 - 60 * std::sin(x / 90.0)) / 90.0, 2));
      const double a = std::clamp((n - 0.35) * 2.2, 0.0, 1.0) * band * 0.85;
      const Rgb c = Mix(Hex(0x7A3AB8), Hex(0x2FB8C8), noise.At(x / 70.0 + 5, y / 70.0));
      auto pre = [a](double v) { return static_cast<uint32_t>(v * a * 255); };
      data[y * stride + x] = (static_cast<uint32_t>(a * 255) << 24) | (pre(c.r) << 16) | (pre(c.g) << 8) | pre(c.b);
    }
  }
  cairo_surface_mark_dirty(cloud.surface());
  cairo_set_source_surface(cr, cloud.surface(), 0, 0);
  cairo_paint(cr);
  Rng rng(172);
  DrawStars(cr, rng, 260, H, Hex(0xFFFFFF));
  // A ringed planet.
  EllipsePath(cr, 360, 230, 70, 16);
  StrokePath(cr, Hex(0xE8C89A), 5, 0.8);
  CirclePath(cr, 360, 230, 38);
  SetRadialGradient(cr, 345, 215, 5, 45, {{0, Hex(0xF7C98A)}, {1, Hex(0xB8683A)}});
  cairo_fill(cr);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 230, W, 50);
  cairo_clip(cr);
  EllipsePath(cr, 360, 230, 70, 16);
  StrokePath(cr, Hex(0xE8C89A), 5, 0.9);
  cairo_restore(cr);
}

void PlanetRise(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x02030A)}, {1, Hex(0x0B1230)}});
  Rng rng(181);
  DrawStars(cr, rng, 220, 260, Hex(0xFFFFFF));
  PaintGlow(cr, 240, 640, 420, Hex(0x6FC0FF), 0.6);
  CirclePath(cr, 240, 700, 440);
  SetRadialGradient(cr, 200, 300, 40, 500, {{0, Hex(0x5AA0E8)}, {0.6, Hex(0x2A5AB0)}, {1, Hex(0x0E2260)}});
  cairo_fill(cr);
  // Continents and cloud streaks on the planet.
  cairo_save(cr);
  CirclePath(cr, 240, 700, 440);
  cairo_clip(cr);
  const Noise land(182);
  for (int y = 256; y < kSceneHeight; y += 2)
    for (int x = 0; x < kSceneWidth; x += 2)
      if (land.Fractal(x / 60.0, y / 30.0, 4) > 0.58) cairo_rectangle(cr, x, y, 2, 2);
  FillPath(cr, Hex(0x4E9A5A), 0.75);
  cairo_restore(cr);
  DrawMoon(cr, 110, 80, 14, Hex(0xD8D4C8));
}

void Aurora(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x06122A)}, {1, Hex(0x164468)}});
  Rng rng(191);
  DrawStars(cr, rng, 140, 200, Hex(0xFFFFFF));
  // Curtains: many faint vertical strokes hanging from a wavy line.
  const Noise rays(193);
  for (int curtain = 0; curtain < 2; ++curtain) {
    const Rgb c = curtain == 0 ? Hex(0x4CF0A0) : Hex(0x7AC8F0);
    for (double x = 0; x < W; x += 1.5) {
      const double top = 60 + curtain * 30 + 30 * std::sin(x / 70.0 + curtain * 2) + 12 * std::sin(x / 23.0);
      const double len = 60 + 25 * std::sin(x / 31.0 + curtain);
      const double streak = 0.25 + 0.35 * rays.At(x / 5.0, curtain * 10.0);
      cairo_rectangle(cr, x, top, 1.5, len);
      SetLinearGradient(cr, 0, top, 0, top + len, {{0, c, streak}, {1, c, 0}});
      cairo_fill(cr);
    }
  }
  HillLayers(cr, 192, {Hex(0xCFE0F0), Hex(0xE8F1FA)}, 240, 30);
  for (int i = 0; i < 10; ++i) DrawPine(cr, rng.Uniform(0, W), rng.Uniform(290, 325), rng.Uniform(30, 55), Hex(0x0F2A2E));
}

void AboveClouds(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x2F86DE)}, {0.7, Hex(0xC6E6FF)}});
  DrawSun(cr, 360, 80, 24, Hex(0xFFF8D8), Hex(0xFFFFFF));
  Rng rng(201);
  // Rows of cloud tops, bluer and dimmer toward the horizon.
  for (int row = 0; row < 4; ++row) {
    const Rgb light = Mix(Hex(0xDCE6F5), Rgb{1, 1, 1}, row / 3.0);
    const Rgb shadow = Mix(Hex(0xA9BCDA), Hex(0xC6D6EC), row / 3.0);
    for (double x = -40 + row * 25; x < W + 60; x += rng.Uniform(70, 110))
      DrawCloud(cr, rng, x, 240 + row * 30, rng.Uniform(110, 160), light, shadow);
  }
}

void Bamboo(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0xE6F2D6)}, {1, Hex(0xB7D6A0)}});
  Rng rng(211);
  const Rgb shades[] = {Hex(0xA8CC8A), Hex(0x78B060), Hex(0x4A8C3E)};
  for (int layer = 0; layer < 3; ++layer) {
    for (double x = rng.Uniform(0, 20); x < W; x += rng.Uniform(34, 60)) {
      const double w = 7 + layer * 3;
      cairo_rectangle(cr, x, 0, w, H);
      FillPath(cr, shades[layer]);
      // Nodes along the stalk.
      for (double y = rng.Uniform(0, 40); y < H; y += rng.Uniform(45, 65)) {
        cairo_rectangle(cr, x - 1, y, w + 2, 2.5);
        FillPath(cr, Shade(shades[layer], -0.2));
        // A leaf from some of the nodes.
        if (rng.Uniform() < 0.35) {
          const double dir = rng.Uniform() < 0.5 ? -1 : 1;
          cairo_move_to(cr, x + w / 2, y);
          cairo_curve_to(cr, x + w / 2 + dir * 15, y - 10, x + w / 2 + dir * 30, y - 4, x + w / 2 + dir * 42, y + 6);
          cairo_curve_to(cr, x + w / 2 + dir * 28, y + 4, x + w / 2 + dir * 14, y + 4, x + w / 2, y);
          FillPath(cr, Shade(shades[layer], 0.05));
        }
      }
    }
    cairo_rectangle(cr, 0, 0, W, H);
    FillPath(cr, Hex(0xE6F2D6), layer < 2 ? 0.3 : 0);
  }
}

void CherryBlossom(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0xBFE0F5)}, {0.7, Hex(0xFBE3EC)}});
  HillLayers(cr, 221, {Hex(0xBFE0B0), Hex(0x9CD08C)}, 230, 35);
  Rng rng(222);
  for (int i = 0; i < 4; ++i) {
    const double x = 50 + i * 125 + rng.Uniform(-15, 15), base = 290 + rng.Uniform(0, 15);
    cairo_move_to(cr, x, base);
    cairo_curve_to(cr, x - 4, base - 40, x + 8, base - 60, x + 4, base - 80);
    StrokePath(cr, Hex(0x6A4A4A), 6);
    for (int k = 0; k < 26; ++k) {
      CirclePath(cr, x + 4 + rng.Uniform(-36, 36), base - 95 + rng.Uniform(-26, 26), rng.Uniform(8, 15));
      FillPath(cr, k % 3 ? Hex(0xF7B8CC) : Hex(0xFBD4E0), 0.9);
    }
  }
  for (int i = 0; i < 40; ++i) {
    EllipsePath(cr, rng.Uniform(0, W), rng.Uniform(0, H), 2.2, 1.4);
    FillPath(cr, Hex(0xF7B0C6), 0.9);
  }
}

void SnowyNight(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x16254E)}, {1, Hex(0x5273A6)}});
  Rng rng(231);
  DrawMoon(cr, 90, 70, 18, Hex(0xF4F2E4));
  const Ridge far = HillRidge(232, 230, 40, 2);
  FillRidge(cr, far, Hex(0xB8CBE4), Hex(0x98AFD2));
  for (int i = 0; i < 16; ++i) {
    const double x = rng.Uniform(0, W);
    DrawPine(cr, x, far[static_cast<int>(x)] + 10, rng.Uniform(26, 44), Hex(0x1E3A4E));
  }
  const Ridge near = HillRidge(233, 290, 30, 3);
  FillRidge(cr, near, Hex(0xEEF4FB), Hex(0xCCDBEC));
  for (int i = 0; i < 120; ++i) {
    CirclePath(cr, rng.Uniform(0, W), rng.Uniform(0, H), rng.Uniform(0.8, 2.2));
    FillPath(cr, Rgb{1, 1, 1}, rng.Uniform(0.5, 0.95));
  }
}

void Icebergs(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0xA9D8F2)}, {0.6, Hex(0xEEF7FC)}});
  const double sea = 200;
  auto berg = [cr](double x, double w, double h, uint64_t seed) {
    Rng rng(seed);
    cairo_new_path(cr);
    cairo_move_to(cr, x, 200);
    const int steps = 6;
    for (int i = 1; i < steps; ++i)
      cairo_line_to(cr, x + w * i / steps, 200 - h * std::sin(M_PI * i / steps) * rng.Uniform(0.7, 1.1));
    cairo_line_to(cr, x + w, 200);
    cairo_close_path(cr);
    SetLinearGradient(cr, x, 0, x + w, 0, {{0, Hex(0xFFFFFF)}, {0.55, Hex(0xE6F3FB)}, {0.56, Hex(0xB8D8EE)}, {1, Hex(0x9CC6E6)}});
    cairo_fill(cr);
  };
  berg(30, 150, 70, 241);
  berg(250, 90, 40, 242);
  berg(350, 120, 95, 243);
  cairo_rectangle(cr, 0, sea, W, H - sea);
  FillPath(cr, Hex(0x2A6A9A));
  ReflectInWater(cr, sea, Hex(0x1E5A8E), 0.55);
  Rng rng(244);
  DrawRipples(cr, rng, sea + 3, H, Rgb{1, 1, 1}, 0.3);
}

void IslandSunset(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0xF7A86A)}, {0.45, Hex(0xFBD3A0)}, {0.62, Hex(0xFFEBC8)}});
  DrawSun(cr, 150, 185, 26, Hex(0xFFF4D8), Hex(0xFFD8A0));
  const double sea = 205;
  cairo_rectangle(cr, 0, sea, W, H - sea);
  FillPath(cr, Hex(0xE89A70));
  ReflectInWater(cr, sea, Hex(0xC0605A), 0.45);
  Rng rng(251);
  DrawRipples(cr, rng, sea + 3, H, Hex(0xFFF0D0), 0.45);
  EllipsePath(cr, 340, sea + 2, 90, 14);
  FillPath(cr, Hex(0x5A2E3A));
  DrawPalm(cr, 320, sea, 110, 20, Hex(0x5A2E3A), Hex(0x5A2E3A));
  DrawPalm(cr, 370, sea, 80, -15, Hex(0x5A2E3A), Hex(0x5A2E3A));
}

}  // namespace

std::vector<SceneDrawer> LandscapeScenes() {
  return {Meadow,       LakeDawn,      MistyPines, DesertNoon, DesertDusk,   SnowPeaks,  Beach,
          SeaSunset,    MoonlitHills,  AutumnHills, LavenderField, Farmland, Mesas,      RainbowHills,
          CityDusk,     CityNight,     Underwater, Nebula,     PlanetRise,   Aurora,     AboveClouds,
          Bamboo,       CherryBlossom, SnowyNight, Icebergs,   IslandSunset};
}

}  // namespace vdr::mediagen
