#pragma once
// Small icons, each drawn about a centre point in a box of about 22 pixels.

#include <cairo.h>

#include "tools/mediagen/draw.h"

namespace vdr::mediagen {

// The dark outline of icons, buttons and page lettering.
constexpr Rgb kInk = Hex(0x0B0D15);

void DrawColoursIcon(cairo_t* cr, double cx, double cy);
void DrawScenesIcon(cairo_t* cr, double cx, double cy);
void DrawClipsIcon(cairo_t* cr, double cx, double cy);
void DrawRainIcon(cairo_t* cr, double cx, double cy);
void DrawGearIcon(cairo_t* cr, double cx, double cy, double radius);
void DrawCrossIcon(cairo_t* cr, double cx, double cy, double size);
void DrawTickIcon(cairo_t* cr, double cx, double cy, double size);

}  // namespace vdr::mediagen
