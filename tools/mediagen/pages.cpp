#include "tools/mediagen/pages.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "tools/mediagen/draw.h"
#include "tools/mediagen/icons.h"
#include "tools/mediagen/palette.h"
#include "tools/mediagen/pixel_text.h"

namespace vdr::mediagen {

namespace {

constexpr Rgb kPanelTop = Hex(0x2A3046);
constexpr Rgb kPanelBottom = Hex(0x1C2031);
constexpr Rgb kWell = Hex(0x151927);
constexpr Rgb kWellEdge = Hex(0x3B4363);
constexpr Rgb kGold = Hex(0xF0C050);

enum Tab { kColoursTab, kScenesTab, kClipsTab };

void DrawPanel(cairo_t* cr) {
  RoundedRect(cr, 0, 0, kPageWidth, kPageHeight, 12);
  SetLinearGradient(cr, 0, 0, 0, kPageHeight, {{0, kPanelTop}, {1, kPanelBottom}});
  cairo_fill(cr);
  // A faint scatter of sand over the panel.
  Rng rng(0x9A9E);
  for (int i = 0; i < 900; ++i) {
    const double x = rng.Uniform(0, kPageWidth), y = rng.Uniform(0, kPageHeight);
    cairo_rectangle(cr, std::floor(x), std::floor(y), 1, 1);
  }
  FillPath(cr, Hex(0xD9B36C), 0.08);
}

void DrawCellWell(cairo_t* cr, int n) {
  const double x = CellX(n), y = CellY(n);
  RoundedRect(cr, x + 2.5, y + 2.5, kCellSize - 5, kCellSize - 5, 6);
  SetColour(cr, kWell);
  cairo_fill_preserve(cr);
  StrokePath(cr, kWellEdge, 1);
}

// The page title stacked letter by letter in the left margin.
void DrawSideTitle(cairo_t* cr, const std::string& title) {
  const PixelTextStyle style{.scale = 2, .advance = kGlyphWidth + 1, .fill = Hex(0xE8CF8F), .outline = kInk};
  const int step = (kGlyphCapHeight + 3) * style.scale;
  const int top = (kButtonTop - static_cast<int>(title.size()) * step + 3 * style.scale) / 2;
  for (size_t i = 0; i < title.size(); ++i)
    DrawPixelText(cr, title.substr(i, 1), (kGridLeft - kGlyphWidth * style.scale) / 2,
                  top + static_cast<int>(i) * step, style);
}

// A glass bottle of layered coloured sand in the right margin.
void DrawSandBottle(cairo_t* cr) {
  const double left = 447, right = 473, top = 34, bottom = 214, neck = 8;
  auto bottlePath = [&] {
    cairo_new_path(cr);
    cairo_move_to(cr, 460 - neck / 2, top);
    cairo_line_to(cr, 460 + neck / 2, top);
    cairo_line_to(cr, 460 + neck / 2, top + 16);
    cairo_curve_to(cr, right, top + 22, right, top + 26, right, top + 36);
    cairo_line_to(cr, right, bottom - 6);
    cairo_curve_to(cr, right, bottom, right, bottom, right - 6, bottom);
    cairo_line_to(cr, left + 6, bottom);
    cairo_curve_to(cr, left, bottom, left, bottom, left, bottom - 6);
    cairo_line_to(cr, left, top + 36);
    cairo_curve_to(cr, left, top + 26, left, top + 22, 460 - neck / 2, top + 16);
    cairo_close_path(cr);
  };
  bottlePath();
  FillPath(cr, Hex(0x3A4464), 0.9);
  // Wavy layers of sand, poured one after another.
  cairo_save(cr);
  bottlePath();
  cairo_clip(cr);
  // Each layer fills from the bottom to its wavy top; the highest is poured
  // first so that lower layers paint over it.
  const int layers[] = {22, 13, 24, 15, 27, 17, 29, 19, 21, 14};
  for (int i = 9; i >= 0; --i) {
    const double surface = bottom - 15.5 * (i + 1);
    cairo_new_path(cr);
    cairo_move_to(cr, left - 1, bottom + 1);
    cairo_line_to(cr, left - 1, surface + 2 * std::sin(i * 1.7));
    cairo_curve_to(cr, 453, surface - 3 * std::cos(i * 2.3), 467, surface + 3 * std::sin(i * 1.1), right + 1,
                   surface - 2 * std::cos(i * 0.9));
    cairo_line_to(cr, right + 1, bottom + 1);
    cairo_close_path(cr);
    FillPath(cr, FromPixel(SandColour(layers[i])));
  }
  cairo_restore(cr);
  // Glass: a highlight and the outline, and a cork.
  cairo_move_to(cr, left + 4, top + 42);
  cairo_line_to(cr, left + 4, bottom - 10);
  StrokePath(cr, Rgb{1, 1, 1}, 2, 0.35);
  bottlePath();
  StrokePath(cr, Hex(0xA9B4D6), 1.5);
  RoundedRect(cr, 460 - neck / 2 - 1.5, top - 9, neck + 3, 10, 2);
  FillAndStroke(cr, Hex(0xB98A4A), Hex(0x5A3A1C), 1);
}

struct ButtonLook {
  std::string label;
  std::function<void(cairo_t*, double, double)> icon;  // drawn about a centre
};

void DrawButtons(cairo_t* cr, Tab active) {
  const ButtonLook looks[] = {
      {"Colours", DrawColoursIcon},
      {"Scenes", DrawScenesIcon},
      {"Clips", DrawClipsIcon},
      {"Rain", DrawRainIcon},
  };
  cairo_rectangle(cr, 0, kButtonTop, kPageWidth, 1);
  FillPath(cr, Hex(0x3B4363));
  for (int k = 0; k < 6; ++k) {
    const double x = k * kButtonWidth;
    const bool live = k < 4;
    const bool on = k == active;
    RoundedRect(cr, x + 4.5, kButtonTop + 4.5, kButtonWidth - 9, 31, 8);
    if (live) {
      SetLinearGradient(cr, 0, kButtonTop + 4, 0, kButtonTop + 36,
                        {{0, on ? Hex(0x6272A8) : Hex(0x465079)}, {1, on ? Hex(0x434F80) : Hex(0x30385A)}});
      cairo_fill_preserve(cr);
      StrokePath(cr, on ? kGold : Hex(0x6A77A6), on ? 2 : 1);
      looks[k].icon(cr, x + 18, kButtonTop + 20);
      const PixelTextStyle style{.fill = on ? Hex(0xFFE9A8) : Hex(0xF2F2F7), .outline = kInk};
      DrawPixelText(cr, looks[k].label, static_cast<int>(x) + 31, kButtonTop + 17, style);
    } else {
      // Spare buttons: quiet recessed plates with an engraved dune line.
      SetColour(cr, Hex(0x20253A));
      cairo_fill_preserve(cr);
      StrokePath(cr, Hex(0x333A58), 1);
      cairo_move_to(cr, x + 18, kButtonTop + 23);
      cairo_curve_to(cr, x + 30, kButtonTop + 13, x + 40, kButtonTop + 27, x + 50, kButtonTop + 19);
      cairo_curve_to(cr, x + 56, kButtonTop + 15, x + 60, kButtonTop + 18, x + 62, kButtonTop + 20);
      StrokePath(cr, Hex(0x3A4263), 2);
    }
  }
}

using CellPainter = std::function<void(cairo_t*, int n, double x, double y)>;

Image DrawPage(Tab tab, const std::string& title, const CellPainter& paintCell) {
  Canvas canvas(kPageWidth, kPageHeight);
  cairo_t* cr = canvas.cr();
  DrawPanel(cr);
  DrawSideTitle(cr, title);
  DrawSandBottle(cr);
  for (int n = 0; n < kGridColumns * kGridRows; ++n) {
    DrawCellWell(cr, n);
    paintCell(cr, n, CellX(n), CellY(n));
  }
  DrawButtons(cr, tab);
  return Hardened(canvas.ToImage());
}

// Scales a picture to fit a box, centred in it.
void PaintFitted(cairo_t* cr, const Image& picture, double x, double y, double w, double h) {
  const double scale = std::min(w / picture.width(), h / picture.height());
  PaintImage(cr, picture, x + (w - picture.width() * scale) / 2, y + (h - picture.height() * scale) / 2, scale);
}

}  // namespace

Image DrawColourPage() {
  return DrawPage(kColoursTab, "COLOURS", [](cairo_t* cr, int n, double x, double y) {
    const Rgb c = FromPixel(SandColour(n));
    // A flat swatch: the game samples its centre for the palette file.
    RoundedRect(cr, x + 5, y + 5, 30, 30, 5);
    SetColour(cr, c);
    cairo_fill_preserve(cr);
    StrokePath(cr, kInk, 1);
    cairo_move_to(cr, x + 8, y + 16);
    cairo_arc(cr, x + 12, y + 12, 4, M_PI, 1.5 * M_PI);
    cairo_line_to(cr, x + 17, y + 8);
    StrokePath(cr, Shade(c, 0.55), 1.5, 0.8);
  });
}

Image DrawBackgroundPage(const std::vector<Image>& backgrounds) {
  return DrawPage(kScenesTab, "SCENES", [&](cairo_t* cr, int n, double x, double y) {
    PaintFitted(cr, backgrounds[n], x + 4, y + 9, 32, 22);
    cairo_rectangle(cr, x + 3.5, y + 8.5, 33, 23);
    StrokePath(cr, Hex(0x8A94BC), 1);
  });
}

Image DrawClipPage(const std::vector<Image>& clips) {
  return DrawPage(kClipsTab, "CLIPS", [&](cairo_t* cr, int n, double x, double y) {
    PaintFitted(cr, clips[n], x + 5, y + 5, 30, 30);
  });
}

}  // namespace vdr::mediagen
