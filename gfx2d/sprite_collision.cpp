// Pixel-exact collision tests of sprites and animation frames.

#include <algorithm>

#include "gfx2d/sprite_store.h"

namespace vdr {
namespace {

// Where a frame starts inside the picture; frames far outside it stay outside.
int32_t FrameOffset(int32_t index, int32_t size) {
  return static_cast<int32_t>(std::clamp<int64_t>(int64_t{index} * size, INT32_MIN, INT32_MAX));
}

}  // namespace

bool SpriteStore::SpriteCollision(int32_t slot1, int32_t x1, int32_t y1, int32_t slot2, int32_t x2, int32_t y2) {
  auto shape = [&](int32_t slot, int32_t x, int32_t y) {
    const AlphaMask* mask = CollisionMask(slot);
    if (mask == nullptr) return CollisionShape{nullptr, 0, x, y, 0, 0};
    const SpriteRecord& s = sprites_[slot];
    return CollisionShape{mask, s.height, x, y, s.width, s.height};
  };
  const CollisionShape first = shape(slot1, x1, y1);
  const CollisionShape second = shape(slot2, x2, y2);
  return ShapesCollide(first, second);
}

bool SpriteStore::AnimCollision(int32_t slot1, int32_t frame1, int32_t x1, int32_t y1, int32_t slot2,
                                int32_t frame2, int32_t x2, int32_t y2) {
  auto shape = [&](int32_t slot, int32_t frame, int32_t x, int32_t y) {
    const AlphaMask* mask = CollisionMask(slot);
    const SpriteRecord* s = mask != nullptr ? &sprites_[slot] : nullptr;
    // Frames of a sprite without a frame size are never drawn, so never collide.
    if (s == nullptr || s->frameWidth <= 0 || s->frameHeight <= 0) return CollisionShape{nullptr, 0, x, y, 0, 0};
    const FrameCell cell = AnimFrameCell(s->width, s->frameWidth, frame);
    return CollisionShape{mask, s->height, x, y, s->frameWidth, s->frameHeight,
                          FrameOffset(cell.column, s->frameWidth), FrameOffset(cell.row, s->frameHeight)};
  };
  const CollisionShape first = shape(slot1, frame1, x1, y1);
  const CollisionShape second = shape(slot2, frame2, x2, y2);
  return ShapesCollide(first, second);
}

}  // namespace vdr
