#include "tools/mediagen/clip_style.h"

#include <algorithm>
#include <cmath>

namespace vdr::mediagen {

void Ink(cairo_t* cr, const Rgb& fill, double shade) {
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_save(cr);
  cairo_clip(cr);
  SetColour(cr, Shade(fill, -0.2));
  cairo_paint(cr);
  // The lit part: the same shape nudged up and left, inside the first.
  cairo_translate(cr, -shade, -shade);
  cairo_append_path(cr, path);
  FillPath(cr, fill);
  cairo_restore(cr);
  cairo_append_path(cr, path);
  StrokePath(cr, kClipOutline, kClipLine);
  cairo_path_destroy(path);
}

void InkLine(cairo_t* cr, double width) { StrokePath(cr, kClipOutline, width); }

void InkTube(cairo_t* cr, const Rgb& colour, double width) {
  cairo_path_t* path = cairo_copy_path(cr);
  StrokePath(cr, kClipOutline, width + 4);
  cairo_append_path(cr, path);
  StrokePath(cr, colour, width);
  cairo_path_destroy(path);
}

void Shine(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  EllipsePath(cr, cx, cy, rx, ry);
  FillPath(cr, Rgb{1, 1, 1}, alpha);
}

void Eyes(cairo_t* cr, double x1, double x2, double y, double r) {
  for (const double x : {x1, x2}) {
    CirclePath(cr, x, y, r);
    FillPath(cr, kClipOutline);
    CirclePath(cr, x - r * 0.35, y - r * 0.35, r * 0.38);
    FillPath(cr, Rgb{1, 1, 1});
  }
}

namespace {

// The intersection of two circles on the side of the line a -> b to the
// left when walking from a to b (the upper one for circles side by side).
bool Meet(const Circle& a, const Circle& b, double& x, double& y) {
  const double dx = b.x - a.x, dy = b.y - a.y, d = std::hypot(dx, dy);
  if (d == 0 || d > a.r + b.r || d < std::fabs(a.r - b.r)) return false;
  const double along = (a.r * a.r - b.r * b.r + d * d) / (2 * d);
  const double h = std::sqrt(std::max(0.0, a.r * a.r - along * along));
  x = a.x + along * dx / d + h * dy / d;
  y = a.y + along * dy / d - h * dx / d;
  return true;
}

double AngleOn(const Circle& c, double x, double y) { return std::atan2(y - c.y, x - c.x); }

}  // namespace

void BumpPath(cairo_t* cr, const std::vector<Circle>& bumps, double baseY) {
  cairo_new_sub_path(cr);
  for (size_t i = 0; i < bumps.size(); ++i) {
    const Circle& c = bumps[i];
    const double drop = std::clamp((baseY - c.y) / c.r, -1.0, 1.0);
    double start = M_PI - std::asin(drop), end = 2 * M_PI + std::asin(drop);
    double x, y;
    if (i > 0 && Meet(bumps[i - 1], c, x, y)) start = AngleOn(c, x, y);
    if (i + 1 < bumps.size() && Meet(c, bumps[i + 1], x, y)) end = AngleOn(c, x, y);
    while (end - start > 2 * M_PI) end -= 2 * M_PI;
    while (end < start) end += 2 * M_PI;
    cairo_arc(cr, c.x, c.y, c.r, start, end);
  }
  cairo_close_path(cr);
}

void CrescentPath(cairo_t* cr, const Circle& outer, const Circle& bite) {
  double x1, y1, x2, y2;
  if (!Meet(outer, bite, x1, y1) || !Meet(bite, outer, x2, y2)) {
    CirclePath(cr, outer.x, outer.y, outer.r);
    return;
  }
  cairo_new_sub_path(cr);
  double start = AngleOn(outer, x1, y1), end = AngleOn(outer, x2, y2);
  while (end < start) end += 2 * M_PI;
  cairo_arc_negative(cr, outer.x, outer.y, outer.r, start, end - 2 * M_PI);
  start = AngleOn(bite, x2, y2);
  end = AngleOn(bite, x1, y1);
  while (end < start) end += 2 * M_PI;
  cairo_arc(cr, bite.x, bite.y, bite.r, start, end);
  cairo_close_path(cr);
}

void Smile(cairo_t* cr, double cx, double cy, double w) {
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy - w * 0.5, w * 0.7, M_PI * 0.25, M_PI * 0.75);
  InkLine(cr, 2);
}

}  // namespace vdr::mediagen
