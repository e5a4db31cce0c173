#include "tools/mediagen/scenery.h"

#include <algorithm>
#include <cmath>

#include "tools/mediagen/backgrounds.h"
#include "tools/mediagen/noise.h"

namespace vdr::mediagen {

void PaintVertical(cairo_t* cr, std::initializer_list<GradientStop> stops) {
  SetLinearGradient(cr, 0, 0, 0, kSceneHeight, stops);
  cairo_paint(cr);
}

void PaintGlow(cairo_t* cr, double cx, double cy, double radius, const Rgb& colour, double alpha) {
  SetRadialGradient(cr, cx, cy, 0, radius, {{0, colour, alpha}, {0.4, colour, alpha * 0.45}, {1, colour, 0}});
  cairo_paint(cr);
}

void DrawSun(cairo_t* cr, double cx, double cy, double r, const Rgb& core, const Rgb& glow) {
  PaintGlow(cr, cx, cy, r * 5, glow, 0.55);
  CirclePath(cr, cx, cy, r);
  SetRadialGradient(cr, cx, cy, 0, r, {{0, Shade(core, 0.5)}, {1, core}});
  cairo_fill(cr);
}

void DrawMoon(cairo_t* cr, double cx, double cy, double r, const Rgb& colour) {
  PaintGlow(cr, cx, cy, r * 4, colour, 0.25);
  CirclePath(cr, cx, cy, r);
  FillPath(cr, colour);
  const double craters[][3] = {{-0.3, -0.2, 0.22}, {0.25, 0.3, 0.16}, {0.35, -0.35, 0.1}, {-0.1, 0.45, 0.09}};
  for (const auto& c : craters) {
    CirclePath(cr, cx + c[0] * r, cy + c[1] * r, c[2] * r);
    FillPath(cr, Shade(colour, -0.12), 0.6);
  }
}

void DrawCloud(cairo_t* cr, Rng& rng, double cx, double baseY, double width, const Rgb& light, const Rgb& shadow,
               double alpha) {
  // Puffs along the base, tallest in the middle.
  const int puffs = 4 + static_cast<int>(width / 40);
  std::vector<double> puff;
  for (int i = 0; i < puffs; ++i) {
    const double t = (i + 0.5) / puffs;
    const double r = width * (0.1 + 0.15 * std::sin(t * M_PI)) * rng.Uniform(0.8, 1.15);
    puff.insert(puff.end(), {cx - width / 2 + t * width, baseY - r * 0.6, r});
  }
  // The shadowed underside shows below the lit puffs, which sit a little higher.
  auto shape = [&](double dy, double shrink) {
    cairo_new_path(cr);
    for (size_t i = 0; i < puff.size(); i += 3) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, puff[i], puff[i + 1] + dy, puff[i + 2] - shrink, 0, 2 * M_PI);
    }
  };
  cairo_push_group(cr);
  shape(0, 0);
  FillPath(cr, shadow);
  shape(-width * 0.05, width * 0.01);
  FillPath(cr, light);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, alpha);
}

void DrawStars(cairo_t* cr, Rng& rng, int count, double maxY, const Rgb& colour) {
  for (int i = 0; i < count; ++i) {
    const double x = rng.Uniform(0, kSceneWidth), y = rng.Uniform(0, maxY);
    const double size = rng.Uniform() < 0.85 ? rng.Uniform(0.4, 0.9) : rng.Uniform(1.0, 1.6);
    const double alpha = rng.Uniform(0.45, 1) * (1 - 0.5 * y / maxY);
    CirclePath(cr, x, y, size);
    FillPath(cr, colour, alpha);
    if (size > 1.3) {
      cairo_move_to(cr, x - size * 3, y);
      cairo_line_to(cr, x + size * 3, y);
      cairo_move_to(cr, x, y - size * 3);
      cairo_line_to(cr, x, y + size * 3);
      StrokePath(cr, colour, 0.6, alpha * 0.7);
    }
  }
}

Ridge MountainRidge(uint64_t seed, double baseY, double amplitude, double features) {
  // Overlapping tents of random height make the peaks; a little fractal
  // noise roughens their slopes.
  Rng rng(seed);
  const Noise noise(seed);
  const int peaks = static_cast<int>(features * 1.5) + 2;
  const double spacing = kSceneWidth / (peaks - 1.0);
  std::vector<double> tent;
  for (int i = 0; i < peaks; ++i)
    tent.insert(tent.end(), {i * spacing + rng.Uniform(-0.4, 0.4) * spacing, amplitude * rng.Uniform(0.45, 1),
                             spacing * rng.Uniform(0.8, 1.3)});
  Ridge ridge(kSceneWidth + 1);
  for (int x = 0; x <= kSceneWidth; ++x) {
    double h = amplitude * 0.15;
    for (size_t i = 0; i < tent.size(); i += 3)
      h = std::max(h, tent[i + 1] * (1 - std::fabs(x - tent[i]) / tent[i + 2]));
    ridge[x] = baseY - h - amplitude * 0.08 * (noise.Fractal(x / 25.0, 0.5, 4) - 0.5);
  }
  return ridge;
}

Ridge HillRidge(uint64_t seed, double baseY, double amplitude, int waves) {
  Rng rng(seed);
  double phase[3], length[3];
  for (int i = 0; i < 3; ++i) {
    phase[i] = rng.Uniform(0, 2 * M_PI);
    length[i] = (waves + i * 1.7) * rng.Uniform(0.8, 1.2);
  }
  Ridge ridge(kSceneWidth + 1);
  for (int x = 0; x <= kSceneWidth; ++x) {
    const double t = x * 2 * M_PI / kSceneWidth;
    const double h = 0.55 * std::sin(t * length[0] / 2 + phase[0]) + 0.3 * std::sin(t * length[1] / 2 + phase[1]) +
                     0.15 * std::sin(t * length[2] + phase[2]);
    ridge[x] = baseY - amplitude * (h + 1) / 2;
  }
  return ridge;
}

void RidgePath(cairo_t* cr, const Ridge& ridge) {
  cairo_new_path(cr);
  cairo_move_to(cr, -1, kSceneHeight + 1);
  for (size_t x = 0; x < ridge.size(); ++x) cairo_line_to(cr, static_cast<double>(x), ridge[x]);
  cairo_line_to(cr, kSceneWidth + 1, kSceneHeight + 1);
  cairo_close_path(cr);
}

void ShadeFaces(cairo_t* cr, const Ridge& ridge, double baseY, const Rgb& colour, double alpha) {
  // Peaks and valleys are found on a smoothed ridge so that small bumps do not
  // split a face; every slope that falls to the right gets a shadowed face
  // reaching down to the foot of the range.
  const int last = static_cast<int>(ridge.size()) - 1;
  Ridge smooth(ridge.size());
  for (int x = 0; x <= last; ++x) {
    double sum = 0;
    int n = 0;
    for (int k = std::max(0, x - 8); k <= std::min(last, x + 8); ++k, ++n) sum += ridge[k];
    smooth[x] = sum / n;
  }
  int x = 0;
  while (x < last) {
    while (x < last && smooth[x + 1] <= smooth[x]) ++x;  // climb to a peak
    const int peak = x;
    while (x < last && smooth[x + 1] >= smooth[x]) ++x;  // descend to a valley
    const int valley = x;
    if (smooth[valley] - smooth[peak] < 8) continue;
    cairo_new_path(cr);
    for (int i = peak; i <= valley; ++i) cairo_line_to(cr, i, ridge[i]);
    cairo_line_to(cr, valley, baseY);
    cairo_line_to(cr, peak + (valley - peak) * 0.3, baseY);
    cairo_close_path(cr);
    FillPath(cr, colour, alpha);
  }
}

double RidgeTop(const Ridge& ridge) { return *std::min_element(ridge.begin(), ridge.end()); }

void FillRidge(cairo_t* cr, const Ridge& ridge, const Rgb& top, const Rgb& bottom) {
  RidgePath(cr, ridge);
  SetLinearGradient(cr, 0, RidgeTop(ridge), 0, kSceneHeight, {{0, top}, {1, bottom}});
  cairo_fill(cr);
}

void RimRidge(cairo_t* cr, const Ridge& ridge, const Rgb& colour, double alpha) {
  // Slopes that face the light get a bright edge.
  for (size_t x = 1; x < ridge.size(); ++x) {
    const double slope = ridge[x - 1] - ridge[x];
    if (slope >= 0) continue;
    cairo_rectangle(cr, x - 1.0, ridge[x - 1], 1, std::min(6.0, 1.5 - slope * 2));
  }
  FillPath(cr, colour, alpha);
}

void DrawPine(cairo_t* cr, double x, double baseY, double height, const Rgb& colour) {
  const double w = height * 0.42;
  cairo_new_path(cr);
  cairo_move_to(cr, x, baseY - height);
  // Three tiers of boughs, each wider than the last.
  for (int tier = 1; tier <= 3; ++tier) {
    const double y = baseY - height + height * 0.85 * tier / 3;
    const double half = w / 2 * (0.45 + 0.55 * tier / 3);
    cairo_line_to(cr, x + half, y);
    if (tier < 3) cairo_line_to(cr, x + half * 0.45, y);
  }
  for (int tier = 3; tier >= 1; --tier) {
    const double y = baseY - height + height * 0.85 * tier / 3;
    const double half = w / 2 * (0.45 + 0.55 * tier / 3);
    if (tier < 3) cairo_line_to(cr, x - half * 0.45, y);
    cairo_line_to(cr, x - half, y);
  }
  cairo_close_path(cr);
  cairo_rectangle(cr, x - height * 0.03, baseY - height * 0.16, height * 0.06, height * 0.16);
  FillPath(cr, colour);
}

void DrawRoundTree(cairo_t* cr, double x, double baseY, double height, const Rgb& leaves, const Rgb& trunk) {
  const double r = height * 0.3;
  cairo_rectangle(cr, x - height * 0.04, baseY - height * 0.45, height * 0.08, height * 0.45);
  FillPath(cr, trunk);
  const double cy = baseY - height + r;
  CirclePath(cr, x, cy, r);
  CirclePath(cr, x - r * 0.6, cy + r * 0.45, r * 0.7);
  CirclePath(cr, x + r * 0.6, cy + r * 0.45, r * 0.7);
  FillPath(cr, leaves);
  CirclePath(cr, x - r * 0.3, cy - r * 0.3, r * 0.45);
  FillPath(cr, Shade(leaves, 0.18), 0.6);
}

void DrawPalm(cairo_t* cr, double x, double baseY, double height, double lean, const Rgb& fronds, const Rgb& trunk) {
  const double topX = x + lean, topY = baseY - height;
  // A tapering, gently curved trunk.
  cairo_move_to(cr, x - 5, baseY);
  cairo_curve_to(cr, x - 4, baseY - height * 0.5, topX - 2 - lean * 0.2, topY + height * 0.3, topX - 2, topY);
  cairo_line_to(cr, topX + 2, topY);
  cairo_curve_to(cr, topX + 2 - lean * 0.2, topY + height * 0.3, x + 4, baseY - height * 0.5, x + 5, baseY);
  cairo_close_path(cr);
  FillPath(cr, trunk);
  // Fronds: long leaves arching out of the crown, their tips hanging down.
  const double len = height * 0.55;
  for (int i = 0; i < 8; ++i) {
    const double a = M_PI * (-1.12 + i * 1.24 / 7);
    const double c = std::cos(a), s = std::sin(a);
    const double tipX = topX + c * len, tipY = topY + s * len * 0.45 + len * 0.45;
    const double ctrlX = topX + c * len * 0.6, ctrlY = topY + s * len * 0.6 - len * 0.12;
    cairo_move_to(cr, topX, topY);
    cairo_curve_to(cr, ctrlX - c * len * 0.1, ctrlY, ctrlX + c * len * 0.15, ctrlY, tipX, tipY);
    cairo_curve_to(cr, ctrlX + c * len * 0.05, ctrlY + len * 0.16, ctrlX - c * len * 0.2, ctrlY + len * 0.12, topX,
                   topY + 3);
    cairo_close_path(cr);
  }
  FillPath(cr, fronds);
}

void DrawCactus(cairo_t* cr, double x, double baseY, double height, const Rgb& colour) {
  const double w = height * 0.16;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x, baseY);
  cairo_line_to(cr, x, baseY - height + w / 2);
  // Arms: out sideways, then up.
  cairo_move_to(cr, x, baseY - height * 0.45);
  cairo_line_to(cr, x - height * 0.24, baseY - height * 0.45);
  cairo_line_to(cr, x - height * 0.24, baseY - height * 0.72);
  cairo_move_to(cr, x, baseY - height * 0.58);
  cairo_line_to(cr, x + height * 0.22, baseY - height * 0.58);
  cairo_line_to(cr, x + height * 0.22, baseY - height * 0.84);
  StrokePath(cr, colour, w);
}

void DrawRipples(cairo_t* cr, Rng& rng, double top, double bottom, const Rgb& colour, double alpha) {
  const int count = static_cast<int>((bottom - top) * 1.2);
  for (int i = 0; i < count; ++i) {
    const double t = rng.Uniform();
    const double y = top + (bottom - top) * t * t;
    const double len = rng.Uniform(6, 30) * (0.3 + t);
    const double x = rng.Uniform(-10, kSceneWidth);
    cairo_rectangle(cr, std::floor(x), std::floor(y), len, 1);
  }
  FillPath(cr, colour, alpha);
}

void ReflectInWater(cairo_t* cr, double horizon, const Rgb& tint, double tintAlpha) {
  cairo_surface_t* scene = cairo_get_target(cr);
  cairo_surface_flush(scene);
  cairo_surface_t* copy = cairo_surface_create_similar_image(scene, CAIRO_FORMAT_ARGB32, kSceneWidth, kSceneHeight);
  cairo_t* copier = cairo_create(copy);
  cairo_set_source_surface(copier, scene, 0, 0);
  cairo_paint(copier);
  cairo_destroy(copier);

  cairo_save(cr);
  cairo_rectangle(cr, 0, horizon, kSceneWidth, kSceneHeight - horizon);
  cairo_clip(cr);
  cairo_translate(cr, 0, 2 * horizon);
  cairo_scale(cr, 1, -1);
  cairo_set_source_surface(cr, copy, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(copy);

  cairo_rectangle(cr, 0, horizon, kSceneWidth, kSceneHeight - horizon);
  SetLinearGradient(cr, 0, horizon, 0, kSceneHeight, {{0, tint, tintAlpha * 0.6}, {1, tint, tintAlpha}});
  cairo_fill(cr);
}

}  // namespace vdr::mediagen
