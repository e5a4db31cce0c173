#pragma once
// Where sprite quads, animation frames and primitives land on screen and
// which texture coordinates they take. Textures hold pictures bottom-up, so
// the top edge of a drawn picture uses the larger v.

#include <array>
#include <cstdint>

#include "gfx2d/sprite_table.h"

namespace vdr {

struct QuadVertex {
  float x, y, u, v;
};
// Corners in drawing order: top right, top left, bottom left, bottom right.
using Quad = std::array<QuadVertex, 4>;

// The part of a texture a quad shows.
struct TexCorners {
  float left, right;  // u
  float bottom, top;  // v
};

struct ScreenRect {
  float left, top, right, bottom;
};

Quad MakeQuad(const ScreenRect& rect, const TexCorners& tex);

// The sprite's whole picture: u 0..U, v 0..V.
TexCorners PictureTexCorners(const SpriteRecord& sprite);

// Frames are numbered row by row, as many per row as fit across the picture
// (all in row 0 when not even one fits).
struct FrameCell {
  int32_t row, column;
};
FrameCell AnimFrameCell(int32_t pictureWidth, int32_t frameWidth, int32_t frame);
TexCorners FrameTexCorners(const SpriteRecord& sprite, int32_t frame);

// Corners pulled in by half a texel, so rotated quads never sample the
// neighbouring texels outside the picture.
TexCorners InsetHalfTexel(const TexCorners& tex, const SpriteRecord& sprite);

// ZoomSprite: the picture scaled by sx, sy about its centre, in whole pixels.
struct PixelRect {
  int32_t x, y, w, h;
};
PixelRect ZoomedRect(int32_t x, int32_t y, int32_t w, int32_t h, float sx, float sy);

// A quad of half extents (halfWidth, halfHeight) about (centreX, centreY),
// turned by angleDegrees; positive angles turn counter-clockwise on screen.
Quad RotatedQuad(float centreX, float centreY, float halfWidth, float halfHeight, float angleDegrees,
                 const TexCorners& tex);

// DrawRect's edges: a negative width or height reaches left of or above the
// given corner, including the corner's own column or row.
ScreenRect RectEdges(int32_t x, int32_t y, int32_t w, int32_t h);

}  // namespace vdr
