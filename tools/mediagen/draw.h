#pragma once
// Shared drawing helpers over cairo: colours, an owned drawing surface, and
// the shapes and fills every picture family uses.

#include <cairo.h>

#include <cstdint>
#include <initializer_list>

#include "tools/mediagen/image.h"

namespace vdr::mediagen {

// A colour with channels in 0..1.
struct Rgb {
  double r, g, b;
};

constexpr Rgb Hex(uint32_t rrggbb) {
  return Rgb{((rrggbb >> 16) & 255) / 255.0, ((rrggbb >> 8) & 255) / 255.0, (rrggbb & 255) / 255.0};
}
Rgb Mix(const Rgb& a, const Rgb& b, double t);
// Positive amounts move toward white, negative ones toward black.
Rgb Shade(const Rgb& c, double amount);
Rgb FromPixel(const Pixel& p);
// The colour integer the game uses: red + green * 256 + blue * 65536.
uint32_t ColourInteger(const Pixel& p);

// A cairo ARGB32 surface with its context, cleared to transparent.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }
  Image ToImage() const { return ImageFromSurface(surface_); }

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// A cairo surface holding a copy of an image (for scaling and compositing).
class ImageSurface {
 public:
  explicit ImageSurface(const Image& image);
  ~ImageSurface();
  ImageSurface(const ImageSurface&) = delete;
  ImageSurface& operator=(const ImageSurface&) = delete;
  cairo_surface_t* get() const { return surface_; }

 private:
  cairo_surface_t* surface_;
};

// Draws `image` scaled by `scale` with its top-left corner at (x, y).
void PaintImage(cairo_t* cr, const Image& image, double x, double y, double scale, double alpha = 1);

struct GradientStop {
  double offset;
  Rgb colour;
  double alpha = 1;
};

void SetColour(cairo_t* cr, const Rgb& c, double alpha = 1);
void SetLinearGradient(cairo_t* cr, double x0, double y0, double x1, double y1,
                       std::initializer_list<GradientStop> stops);
void SetRadialGradient(cairo_t* cr, double cx, double cy, double r0, double r1,
                       std::initializer_list<GradientStop> stops);

// Path helpers: they add to the current path.
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void CirclePath(cairo_t* cr, double cx, double cy, double r);
void PolygonPath(cairo_t* cr, std::initializer_list<double> xy);
// A star of `points` points, inner radius `inner` times the outer one, the
// first point straight up turned by `turn` radians.
void StarPath(cairo_t* cr, double cx, double cy, double r, double inner, int points, double turn = 0);
// A heart centred on (cx, cy), about 2s across.
void HeartPath(cairo_t* cr, double cx, double cy, double s);

// Fills the current path with `fill` and strokes it with `line`; clears it.
void FillAndStroke(cairo_t* cr, const Rgb& fill, const Rgb& line, double width);
void FillPath(cairo_t* cr, const Rgb& fill, double alpha = 1);
void StrokePath(cairo_t* cr, const Rgb& line, double width, double alpha = 1);

// A small, fast, seeded generator so that every picture comes out the same.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  // Uniform in [lo, hi).
  double Uniform(double lo = 0, double hi = 1);
  // Uniform integer in [0, n).
  int Below(int n);

 private:
  uint64_t state_;
};

}  // namespace vdr::mediagen
