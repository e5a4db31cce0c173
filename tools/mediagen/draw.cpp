#include "tools/mediagen/draw.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vdr::mediagen {

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
  return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Shade(const Rgb& c, double amount) {
  return amount >= 0 ? Mix(c, Rgb{1, 1, 1}, amount) : Mix(c, Rgb{0, 0, 0}, -amount);
}

Rgb FromPixel(const Pixel& p) { return Rgb{p.r / 255.0, p.g / 255.0, p.b / 255.0}; }

uint32_t ColourInteger(const Pixel& p) { return p.r + p.g * 256u + p.b * 65536u; }

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

ImageSurface::ImageSurface(const Image& image)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width(), image.height())) {
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < image.width(); ++x) {
      const Pixel p = image.at(x, y);
      auto pre = [&p](uint8_t c) { return static_cast<uint32_t>((c * p.a + 127) / 255); };
      row[x] = (static_cast<uint32_t>(p.a) << 24) | (pre(p.r) << 16) | (pre(p.g) << 8) | pre(p.b);
    }
  }
  cairo_surface_mark_dirty(surface_);
}

ImageSurface::~ImageSurface() { cairo_surface_destroy(surface_); }

void PaintImage(cairo_t* cr, const Image& image, double x, double y, double scale, double alpha) {
  ImageSurface source(image);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, source.get(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
  cairo_paint_with_alpha(cr, alpha);
  cairo_restore(cr);
}

void SetColour(cairo_t* cr, const Rgb& c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

namespace {

void SetGradient(cairo_t* cr, cairo_pattern_t* pattern, std::initializer_list<GradientStop> stops) {
  for (const GradientStop& s : stops)
    cairo_pattern_add_color_stop_rgba(pattern, s.offset, s.colour.r, s.colour.g, s.colour.b, s.alpha);
  cairo_set_source(cr, pattern);
  cairo_pattern_destroy(pattern);
}

}  // namespace

void SetLinearGradient(cairo_t* cr, double x0, double y0, double x1, double y1,
                       std::initializer_list<GradientStop> stops) {
  SetGradient(cr, cairo_pattern_create_linear(x0, y0, x1, y1), stops);
}

void SetRadialGradient(cairo_t* cr, double cx, double cy, double r0, double r1,
                       std::initializer_list<GradientStop> stops) {
  SetGradient(cr, cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1), stops);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void CirclePath(cairo_t* cr, double cx, double cy, double r) { EllipsePath(cr, cx, cy, r, r); }

void PolygonPath(cairo_t* cr, std::initializer_list<double> xy) {
  const std::vector<double> v(xy);
  cairo_new_sub_path(cr);
  for (size_t i = 0; i + 1 < v.size(); i += 2) cairo_line_to(cr, v[i], v[i + 1]);
  cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double r, double inner, int points, double turn) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    const double a = turn - M_PI / 2 + i * M_PI / points;
    const double rr = i % 2 == 0 ? r : r * inner;
    cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
  }
  cairo_close_path(cr);
}

void HeartPath(cairo_t* cr, double cx, double cy, double s) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, cx, cy + s);
  cairo_curve_to(cr, cx - s * 1.6, cy - s * 0.2, cx - s * 0.6, cy - s * 1.3, cx, cy - s * 0.45);
  cairo_curve_to(cr, cx + s * 0.6, cy - s * 1.3, cx + s * 1.6, cy - s * 0.2, cx, cy + s);
  cairo_close_path(cr);
}

void FillAndStroke(cairo_t* cr, const Rgb& fill, const Rgb& line, double width) {
  SetColour(cr, fill);
  cairo_fill_preserve(cr);
  StrokePath(cr, line, width);
}

void FillPath(cairo_t* cr, const Rgb& fill, double alpha) {
  SetColour(cr, fill, alpha);
  cairo_fill(cr);
}

void StrokePath(cairo_t* cr, const Rgb& line, double width, double alpha) {
  SetColour(cr, line, alpha);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

uint64_t Rng::Next() {
  // splitmix64
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::Uniform(double lo, double hi) { return lo + (hi - lo) * ((Next() >> 11) * (1.0 / 9007199254740992.0)); }

int Rng::Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

}  // namespace vdr::mediagen
