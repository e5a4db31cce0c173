// Patterns: stripes, dots, tiles and textures in soft colours.

#include <cmath>

#include "tools/mediagen/background_sets.h"
#include "tools/mediagen/backgrounds.h"
#include "tools/mediagen/scenery.h"

namespace vdr::mediagen {

namespace {

constexpr double W = kSceneWidth;
constexpr double H = kSceneHeight;

void Fill(cairo_t* cr, const Rgb& c) {
  SetColour(cr, c);
  cairo_paint(cr);
}

void Stripes(cairo_t* cr) {
  const Rgb colours[] = {Hex(0xF6C6C4), Hex(0xFBE2B8), Hex(0xFDF4C8), Hex(0xCDEBCB), Hex(0xC4DDF2), Hex(0xDCCDF0)};
  for (int i = 0; i * 32 < H; ++i) {
    cairo_rectangle(cr, 0, i * 32, W, 32);
    FillPath(cr, colours[i % 6]);
  }
}

void CandyStripes(cairo_t* cr) {
  Fill(cr, Hex(0xFFF4F6));
  for (double x = -H; x < W; x += 44) PolygonPath(cr, {x, H, x + 22, H, x + 22 + H, 0, x + H, 0});
  FillPath(cr, Hex(0xF6A3B8));
}

void PolkaDots(cairo_t* cr) {
  Fill(cr, Hex(0x2FA3A0));
  for (int row = 0; row * 30 < H + 30; ++row)
    for (int col = 0; col * 40 < W + 40; ++col) CirclePath(cr, col * 40 + (row % 2) * 20, row * 30, 8);
  FillPath(cr, Hex(0xF4F1DE));
}

void Checkers(cairo_t* cr) {
  Fill(cr, Hex(0xF3EEDC));
  for (int row = 0; row * 40 < H; ++row)
    for (int col = 0; col * 40 < W; ++col)
      if ((row + col) % 2 == 0) cairo_rectangle(cr, col * 40, row * 40, 40, 40);
  FillPath(cr, Hex(0xA9C7A4));
}

void Gingham(cairo_t* cr) {
  Fill(cr, Hex(0xFFFFFF));
  for (int i = 0; i * 30 < W; ++i) cairo_rectangle(cr, i * 30, 0, 15, H);
  FillPath(cr, Hex(0xE36A6A), 0.45);
  for (int i = 0; i * 30 < H; ++i) cairo_rectangle(cr, 0, i * 30, W, 15);
  FillPath(cr, Hex(0xE36A6A), 0.45);
}

void Waves(cairo_t* cr) {
  Fill(cr, Hex(0xDDF3F7));
  const Rgb colours[] = {Hex(0xB7E3EE), Hex(0x8ED0E2), Hex(0x5DB6D2), Hex(0x3894BC), Hex(0x21739E), Hex(0x14557E)};
  for (int i = 0; i < 6; ++i) {
    Ridge ridge(kSceneWidth + 1);
    for (int x = 0; x <= kSceneWidth; ++x) ridge[x] = 60 + i * 48 + 10 * std::sin(x / 30.0 + i * 1.3);
    FillRidge(cr, ridge, colours[i], colours[i]);
  }
}

void FishScales(cairo_t* cr) {
  Fill(cr, Hex(0x1E6E7A));
  const double r = 20;
  for (int row = 0; row * r / 2 < H + r * 2; ++row) {
    for (int col = -1; col * r * 2 < W + r * 2; ++col) {
      const double cx = col * 2 * r + (row % 2) * r, cy = row * r / 2;
      CirclePath(cr, cx, cy, r);
      SetLinearGradient(cr, 0, cy - r, 0, cy + r, {{0, Hex(0x7ED8C8)}, {1, Hex(0x2A8A94)}});
      cairo_fill_preserve(cr);
      StrokePath(cr, Hex(0x165A66), 1.5);
    }
  }
}

void Honeycomb(cairo_t* cr) {
  Fill(cr, Hex(0xC98A1C));
  const double r = 22, w = r * std::sqrt(3.0);
  for (int row = -1; row * r * 1.5 < H + r; ++row) {
    for (int col = -1; col * w < W + w; ++col) {
      const double cx = col * w + (row % 2 != 0 ? w / 2 : 0), cy = row * r * 1.5;
      cairo_new_path(cr);
      for (int k = 0; k < 6; ++k) {
        const double a = M_PI / 6 + k * M_PI / 3;
        cairo_line_to(cr, cx + (r - 2.5) * std::cos(a), cy + (r - 2.5) * std::sin(a));
      }
      cairo_close_path(cr);
      SetRadialGradient(cr, cx - 4, cy - 4, 2, r, {{0, Hex(0xFFD86A)}, {1, Hex(0xF2B431)}});
      cairo_fill(cr);
    }
  }
}

void Bricks(cairo_t* cr) {
  Fill(cr, Hex(0xE8DCCB));
  Rng rng(461);
  for (int row = 0; row * 24 < H; ++row) {
    for (int col = -1; col * 60 < W; ++col) {
      const double x = col * 60 + (row % 2) * 30;
      RoundedRect(cr, x + 2, row * 24 + 2, 56, 20, 2);
      FillPath(cr, Shade(Hex(0xC2684A), rng.Uniform(-0.12, 0.1)));
    }
  }
}

void WoodPlanks(cairo_t* cr) {
  Rng rng(471);
  for (int i = 0; i * 40 < H; ++i) {
    const Rgb base = Shade(Hex(0xC89A64), rng.Uniform(-0.1, 0.08));
    cairo_rectangle(cr, 0, i * 40, W, 40);
    FillPath(cr, base);
    // Grain lines drifting along the plank.
    for (int k = 0; k < 7; ++k) {
      const double y0 = i * 40 + 4 + k * 5 + rng.Uniform(-1, 1), phase = rng.Uniform(0, 6);
      cairo_move_to(cr, 0, y0);
      for (double x = 0; x <= W; x += 8) cairo_line_to(cr, x, y0 + 1.5 * std::sin(x / 40.0 + phase));
      StrokePath(cr, Shade(base, -0.2), 0.8, 0.6);
    }
    cairo_rectangle(cr, 0, i * 40 + 38, W, 2);
    FillPath(cr, Hex(0x6A4426));
    const double joint = rng.Uniform(60, 420);
    cairo_rectangle(cr, joint, i * 40, 2, 40);
    FillPath(cr, Hex(0x6A4426));
  }
}

void TriangleMosaic(cairo_t* cr) {
  Rng rng(481);
  const Rgb colours[] = {Hex(0xF7C8B4), Hex(0xF4DDB0), Hex(0xC8E4D0), Hex(0xB8D8EC), Hex(0xD8C8EC), Hex(0xF0B8C8)};
  const double s = 48, h = s * 0.866;
  for (int row = 0; row * h < H; ++row) {
    for (int col = -2; col * s / 2 < W + s; ++col) {
      const double x = col * s / 2 - (row % 2) * s / 2, y = row * h;
      if ((col + 2) % 2 == 0)
        PolygonPath(cr, {x, y + h, x + s / 2, y, x + s, y + h});
      else
        PolygonPath(cr, {x, y, x + s, y, x + s / 2, y + h});
      FillPath(cr, colours[rng.Below(6)]);
    }
  }
}

void Ripples(cairo_t* cr) {
  Fill(cr, Hex(0xE2EEF8));
  for (int i = 40; i > 0; --i) {
    CirclePath(cr, 240, 160, i * 12);
    FillPath(cr, i % 2 ? Hex(0xC6DCF0) : Hex(0xE2EEF8));
  }
}

void Tartan(cairo_t* cr) {
  Fill(cr, Hex(0x2E5A46));
  auto bands = [cr](bool vertical, const Rgb& c, double offset, double width, double alpha) {
    for (double p = offset; p < W; p += 80) cairo_rectangle(cr, vertical ? p : 0, vertical ? 0 : p, vertical ? width : W, vertical ? H : width);
    FillPath(cr, c, alpha);
  };
  for (bool vertical : {true, false}) {
    bands(vertical, Hex(0x1E2E52), 0, 30, 0.6);
    bands(vertical, Hex(0xC23A3A), 45, 6, 0.7);
    bands(vertical, Hex(0xE8D27A), 62, 2, 0.7);
  }
}

void Chevrons(cairo_t* cr) {
  Fill(cr, Hex(0xFFF6EC));
  for (double y = -20; y < H + 20; y += 40) {
    cairo_move_to(cr, -20, y);
    for (double x = -20; x < W + 40; x += 40) {
      cairo_line_to(cr, x + 20, y + 20);
      cairo_line_to(cr, x + 40, y);
    }
    StrokePath(cr, Hex(0xF29C84), 12);
  }
}

void Argyle(cairo_t* cr) {
  Fill(cr, Hex(0x5B6FA8));
  // Diamonds in two shades on a lattice; the background shows in between.
  for (int row = 0; row * 80 < H + 80; ++row)
    for (int col = 0; col * 60 < W + 60; ++col) {
      const double cx = col * 60, cy = row * 80;
      PolygonPath(cr, {cx, cy - 40, cx + 30, cy, cx, cy + 40, cx - 30, cy});
      FillPath(cr, (row + col) % 2 ? Hex(0x8A9BCB) : Hex(0x3E4E86));
    }
  for (double x = -H; x < W; x += 60) {
    cairo_move_to(cr, x, H);
    cairo_line_to(cr, x + H * 0.75, 0);
    cairo_move_to(cr, x + H * 0.75, H);
    cairo_line_to(cr, x, 0);
  }
  StrokePath(cr, Hex(0xF2E6C8), 1, 0.7);
}

void Stars(cairo_t* cr) {
  PaintVertical(cr, {{0, Hex(0x1E2A5E)}, {1, Hex(0x2E3E7E)}});
  Rng rng(521);
  for (int row = 0; row * 53 < H + 40; ++row)
    for (int col = 0; col * 60 < W + 40; ++col)
      StarPath(cr, col * 60 + (row % 2) * 30 + rng.Uniform(-6, 6), row * 53 + 20 + rng.Uniform(-6, 6),
               rng.Uniform(6, 11), 0.45, 5, rng.Uniform(-0.3, 0.3));
  FillPath(cr, Hex(0xF7D86A));
}

void Hearts(cairo_t* cr) {
  Fill(cr, Hex(0xFBE0E8));
  for (int row = 0; row * 40 < H + 40; ++row)
    for (int col = 0; col * 48 < W + 48; ++col) HeartPath(cr, col * 48 + (row % 2) * 24, row * 40 + 10, 9);
  FillPath(cr, Hex(0xF28AAE));
}

void Confetti(cairo_t* cr) {
  Fill(cr, Hex(0xFFFDF6));
  Rng rng(541);
  const Rgb colours[] = {Hex(0xF25C5C), Hex(0xF7B733), Hex(0x4CB97A), Hex(0x3A8FE0), Hex(0xA66BE0), Hex(0xF28AC0)};
  for (int i = 0; i < 260; ++i) {
    cairo_save(cr);
    cairo_translate(cr, rng.Uniform(0, W), rng.Uniform(0, H));
    cairo_rotate(cr, rng.Uniform(0, M_PI));
    if (rng.Uniform() < 0.6)
      cairo_rectangle(cr, -4, -1.5, 8, 3);
    else
      CirclePath(cr, 0, 0, 2.5);
    FillPath(cr, colours[rng.Below(6)]);
    cairo_restore(cr);
  }
}

void Blueprint(cairo_t* cr) {
  Fill(cr, Hex(0x1D4E8F));
  for (int i = 0; i * 10 <= W; ++i) {
    cairo_rectangle(cr, i * 10, 0, i % 5 == 0 ? 1.2 : 0.6, H);
  }
  for (int i = 0; i * 10 <= H; ++i) {
    cairo_rectangle(cr, 0, i * 10, W, i % 5 == 0 ? 1.2 : 0.6);
  }
  FillPath(cr, Hex(0xBFD8F5), 0.45);
}

void Sunburst(cairo_t* cr) {
  Fill(cr, Hex(0xFBC65A));
  for (int i = 0; i < 24; i += 2) {
    const double a0 = i * M_PI / 12, a1 = (i + 1) * M_PI / 12;
    PolygonPath(cr, {240, 320, 240 + 700 * std::cos(a0), 320 - 700 * std::sin(a0), 240 + 700 * std::cos(a1),
                     320 - 700 * std::sin(a1)});
  }
  FillPath(cr, Hex(0xF7A83E));
  PaintGlow(cr, 240, 320, 200, Hex(0xFFF2C0), 0.7);
}

void Harlequin(cairo_t* cr) {
  Fill(cr, Hex(0xE4D8F2));
  for (int row = -1; row * 40 < H + 40; ++row)
    for (int col = 0; col * 48 < W + 48; ++col) {
      const double cx = col * 48 + (row % 2 != 0 ? 24 : 0), cy = row * 40;
      PolygonPath(cr, {cx, cy - 20, cx + 12, cy, cx, cy + 20, cx - 12, cy});
    }
  FillPath(cr, Hex(0xB9A2E0));
}

void CloudPattern(cairo_t* cr) {
  Fill(cr, Hex(0x9ED3F2));
  Rng rng(581);
  for (int row = 0; row * 64 < H + 64; ++row)
    for (int col = 0; col * 120 < W + 120; ++col)
      DrawCloud(cr, rng, col * 120 + (row % 2) * 60, row * 64 + 40, 70, Rgb{1, 1, 1}, Hex(0xD8ECF8));
}

void Halftone(cairo_t* cr) {
  Fill(cr, Hex(0xFFF3E2));
  for (int row = 0; row * 12 < H + 12; ++row)
    for (int col = 0; col * 12 < W + 12; ++col) {
      const double r = 0.5 + 5.5 * (row * 12.0 / H) * (0.6 + 0.4 * std::sin(col * 0.08));
      CirclePath(cr, col * 12 + (row % 2) * 6, row * 12, r);
    }
  FillPath(cr, Hex(0xF08A6A));
}

void Terrazzo(cairo_t* cr) {
  Fill(cr, Hex(0xF1ECE4));
  Rng rng(601);
  const Rgb colours[] = {Hex(0xE07A5F), Hex(0x3D8A8A), Hex(0xF2CC8F), Hex(0x81B29A), Hex(0x5A5A7A)};
  for (int i = 0; i < 170; ++i) {
    const double cx = rng.Uniform(0, W), cy = rng.Uniform(0, H), r = rng.Uniform(2, 9);
    cairo_new_path(cr);
    const int corners = 4 + rng.Below(3);
    for (int k = 0; k < corners; ++k) {
      const double a = k * 2 * M_PI / corners + rng.Uniform(-0.3, 0.3);
      cairo_line_to(cr, cx + r * rng.Uniform(0.6, 1.2) * std::cos(a), cy + r * rng.Uniform(0.6, 1.2) * std::sin(a));
    }
    cairo_close_path(cr);
    FillPath(cr, colours[rng.Below(5)]);
  }
}

}  // namespace

std::vector<SceneDrawer> PatternScenes() {
  return {Stripes, CandyStripes, PolkaDots, Checkers,  Gingham,  Waves,        FishScales, Honeycomb,
          Bricks,  WoodPlanks,   TriangleMosaic, Ripples, Tartan, Chevrons,     Argyle,     Stars,
          Hearts,  Confetti,     Blueprint, Sunburst,  Harlequin, CloudPattern, Halftone,   Terrazzo};
}

}  // namespace vdr::mediagen
