#pragma once
// The clip-art look: flat colours with a shaded lower-right edge, a small
// shine and a dark rounded outline, like stickers.

#include <cairo.h>

#include <vector>

#include "tools/mediagen/draw.h"

namespace vdr::mediagen {

constexpr Rgb kClipOutline = Hex(0x2B2233);
constexpr double kClipLine = 2.5;

// Fills the current path with `fill`, shaded along its lower-right side by
// `shade` pixels, outlines it, and clears the path.
void Ink(cairo_t* cr, const Rgb& fill, double shade = 4);
// Outlines the current path only (for lines such as stems and strings).
void InkLine(cairo_t* cr, double width = kClipLine);
// Strokes the current path as a tube of `colour` in a dark outline.
void InkTube(cairo_t* cr, const Rgb& colour, double width);
// A soft white highlight.
void Shine(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.5);
// Two eyes looking at the viewer, with a sparkle.
void Eyes(cairo_t* cr, double x1, double x2, double y, double r);
void Smile(cairo_t* cr, double cx, double cy, double w);

struct Circle {
  double x, y, r;
};
// The outline of a row of overlapping circles (left to right), closed by a
// straight base at `baseY`: clouds, bushes, tree crowns.
void BumpPath(cairo_t* cr, const std::vector<Circle>& bumps, double baseY);
// The crescent left when the second circle is taken out of the first.
void CrescentPath(cairo_t* cr, const Circle& outer, const Circle& bite);

struct ClipRecipe {
  int width;
  int height;
  void (*draw)(cairo_t* cr);
};

std::vector<ClipRecipe> ShapeClips();
std::vector<ClipRecipe> NatureClips();
std::vector<ClipRecipe> AnimalClips();
std::vector<ClipRecipe> BuildingClips();
std::vector<ClipRecipe> ObjectClips();

}  // namespace vdr::mediagen
