#pragma once
// Building blocks of the landscape and sky backgrounds, all drawn on a
// 480 x 320 scene: gradients, glows, sun and moon, clouds, stars, ridges of
// hills and mountains, trees and water.

#include <cairo.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "tools/mediagen/draw.h"

namespace vdr::mediagen {

// Fills the whole scene with a top-to-bottom gradient.
void PaintVertical(cairo_t* cr, std::initializer_list<GradientStop> stops);
// A soft round glow fading out at `radius`.
void PaintGlow(cairo_t* cr, double cx, double cy, double radius, const Rgb& colour, double alpha);
void DrawSun(cairo_t* cr, double cx, double cy, double r, const Rgb& core, const Rgb& glow);
// A full moon with a few soft craters.
void DrawMoon(cairo_t* cr, double cx, double cy, double r, const Rgb& colour);
// A puffy cloud `width` wide whose flat base sits at y = `baseY`.
void DrawCloud(cairo_t* cr, Rng& rng, double cx, double baseY, double width, const Rgb& light, const Rgb& shadow,
               double alpha = 1);
// Stars scattered above `maxY`, a few of them with a twinkle.
void DrawStars(cairo_t* cr, Rng& rng, int count, double maxY, const Rgb& colour);

// The skyline of a range: one height per pixel column (plus one).
using Ridge = std::vector<double>;
// Rough mountains: fractal noise with `features` bumps across the scene.
Ridge MountainRidge(uint64_t seed, double baseY, double amplitude, double features);
// Gentle hills: a few long waves.
Ridge HillRidge(uint64_t seed, double baseY, double amplitude, int waves);
// Adds the ridge and everything below it to the path.
void RidgePath(cairo_t* cr, const Ridge& ridge);
// Fills below the ridge, `top` at its highest point fading to `bottom`.
void FillRidge(cairo_t* cr, const Ridge& ridge, const Rgb& top, const Rgb& bottom);
// A lit edge along the ridge: light from the upper left.
void RimRidge(cairo_t* cr, const Ridge& ridge, const Rgb& colour, double alpha);
double RidgeTop(const Ridge& ridge);
// Darkens every face of the range that falls away to the right, down to `baseY`.
void ShadeFaces(cairo_t* cr, const Ridge& ridge, double baseY, const Rgb& colour, double alpha);

void DrawPine(cairo_t* cr, double x, double baseY, double height, const Rgb& colour);
void DrawRoundTree(cairo_t* cr, double x, double baseY, double height, const Rgb& leaves, const Rgb& trunk);
void DrawPalm(cairo_t* cr, double x, double baseY, double height, double lean, const Rgb& fronds, const Rgb& trunk);
void DrawCactus(cairo_t* cr, double x, double baseY, double height, const Rgb& colour);
// Short horizontal glints on water between `top` and `bottom`.
void DrawRipples(cairo_t* cr, Rng& rng, double top, double bottom, const Rgb& colour, double alpha);
// Mirrors the part of the scene above `horizon` into the water below it.
void ReflectInWater(cairo_t* cr, double horizon, const Rgb& tint, double tintAlpha);

}  // namespace vdr::mediagen
