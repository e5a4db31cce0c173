#include "gfx2d/image/collision_mask.h"

#include <algorithm>

namespace vdr {
namespace {

// Positions are 64-bit so that boxes near the ends of the int range cannot overflow.
bool OpaqueAt(const CollisionShape& shape, int64_t screenX, int64_t screenY) {
  const int64_t imageX = shape.imageX + screenX - shape.x;
  const int64_t maskRow = shape.imageHeight - 1 - (shape.imageY + screenY - shape.y);
  if (imageX < 0 || maskRow < 0 || imageX >= shape.mask->width || maskRow >= shape.mask->height) {
    return false;
  }
  return shape.mask->At(static_cast<int32_t>(imageX), static_cast<int32_t>(maskRow)) != 0;
}

}  // namespace

bool ShapesCollide(const CollisionShape& first, const CollisionShape& second) {
  if (!first.mask || !second.mask) return false;
  const int64_t left = std::max<int64_t>(first.x, second.x);
  const int64_t right = std::min<int64_t>(int64_t{first.x} + first.width, int64_t{second.x} + second.width);
  const int64_t top = std::max<int64_t>(first.y, second.y);
  const int64_t bottom = std::min<int64_t>(int64_t{first.y} + first.height, int64_t{second.y} + second.height);
  if (right <= left || bottom <= top) return false;
  auto both = [&](int64_t x, int64_t y) { return OpaqueAt(first, x, y) && OpaqueAt(second, x, y); };

  // Overlaps of solid shapes are usually found at the centre; otherwise a
  // coarse grid (every second row and column) is searched before the rest.
  if (both((left + right) / 2, (top + bottom) / 2)) return true;
  static constexpr int64_t kPasses[4][2] = {{0, 0}, {1, 1}, {1, 0}, {0, 1}};
  for (const auto& [offsetX, offsetY] : kPasses) {
    for (int64_t y = top + offsetY; y < bottom; y += 2) {
      for (int64_t x = left + offsetX; x < right; x += 2) {
        if (both(x, y)) return true;
      }
    }
  }
  return false;
}

}  // namespace vdr
