#pragma once
// Pixel-exact collision of two sprites (or animation frames) through their
// alpha masks.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vdr {

// The alpha of a sprite texture's level 0: one byte per texel, rows bottom-up
// as the texture holds them (image row r of a picture h rows high is mask row
// h - 1 - r).
struct AlphaMask {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> alpha;

  uint8_t At(int32_t x, int32_t y) const { return alpha[static_cast<size_t>(y) * width + x]; }
};

// One side of a collision test: a box on screen and the part of the sprite's
// picture it shows (the whole picture, or one animation frame of it).
struct CollisionShape {
  const AlphaMask* mask;  // null: no mask could be had, nothing collides
  int32_t imageHeight;  // height of the sprite's whole picture
  int32_t x;            // top-left corner of the box on screen
  int32_t y;
  int32_t width;        // box size: the sprite's or the frame's size
  int32_t height;
  int32_t imageX = 0;   // picture position shown at the box's top-left corner
  int32_t imageY = 0;
};

// True when the boxes overlap in at least one pixel where both masks are
// nonzero. Boxes that only touch at an edge share no pixel; mask positions
// outside the mask (a picture clamped to the largest texture) count as clear.
bool ShapesCollide(const CollisionShape& first, const CollisionShape& second);

}  // namespace vdr
