#pragma once
// The sprite table: 65,536 numbered pictures, each an OpenGL texture with the
// sizes needed to draw it, and each with an optional collision mask made on
// demand. Slots 0 to 65,503 belong to programs; 65,504 + n holds font n.

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx2d/image/collision_mask.h"

namespace vdr {

inline constexpr int32_t kSpriteSlots = 65536;
inline constexpr int32_t kFontSlotBase = 65504;
inline constexpr int32_t kFontSlots = 32;
// The copying offscreen screens keep what the window showed here.
inline constexpr int32_t kScratchSpriteSlot = 65503;

struct SpriteRecord {
  uint32_t texture = 0;        // OpenGL texture name; 0 = none
  uint32_t mipmapTexture = 0;  // copy with a full mipmap chain (program slots only)
  float uExtent = 1.0f;        // width / textureWidth
  float vExtent = 1.0f;        // height / textureHeight
  int32_t textureWidth = -1;   // power of two; -1 when empty
  int32_t textureHeight = -1;
  int32_t width = 0;           // picture size; width 0 = empty slot
  int32_t height = 0;
  int32_t frameWidth = 0;      // animation frame size; 0 = not animated
  int32_t frameHeight = 0;

  bool Empty() const { return width == 0; }
};

inline bool IsSpriteSlot(int32_t slot) { return slot >= 0 && slot < kSpriteSlots; }
inline bool IsFontSlot(int32_t slot) { return slot >= kFontSlotBase && slot < kSpriteSlots; }

class SpriteTable {
 public:
  SpriteTable() : records_(kSpriteSlots), masks_(kSpriteSlots) {}

  SpriteRecord& operator[](int32_t slot) { return records_[static_cast<size_t>(slot)]; }
  const SpriteRecord& operator[](int32_t slot) const { return records_[static_cast<size_t>(slot)]; }

  // The lowest program slot whose picture is empty, or -1.
  int32_t FirstEmptyProgramSlot() const {
    for (int32_t slot = 0; slot < kFontSlotBase; ++slot) {
      if (records_[static_cast<size_t>(slot)].Empty()) return slot;
    }
    return -1;
  }

  const AlphaMask* Mask(int32_t slot) const { return masks_[static_cast<size_t>(slot)].get(); }
  void SetMask(int32_t slot, std::unique_ptr<AlphaMask> mask) { masks_[static_cast<size_t>(slot)] = std::move(mask); }
  // The picture changes: the mask is made again on next use.
  void DropMask(int32_t slot) { masks_[static_cast<size_t>(slot)].reset(); }

 private:
  std::vector<SpriteRecord> records_;
  std::vector<std::unique_ptr<AlphaMask>> masks_;
};

}  // namespace vdr
