#pragma once
// Background pictures: up to 8 slots, each a grid of at most 8 x 8 square
// tiles drawn from the top-left of the window (slot 0 starts every frame).

#include <array>
#include <cstdint>

#include "gfx2d/image/texture_image.h"

namespace vdr {

inline constexpr int32_t kBackgroundSlots = 8;

struct BackgroundTile {
  uint32_t texture = 0;
  int32_t textureWidth = 0;
  int32_t textureHeight = 0;
  int32_t width = 0;  // pixels of the tile that are drawn
  int32_t height = 0;
};

struct BackgroundRecord {
  // Tile (column, row) at index column * 8 + row.
  std::array<BackgroundTile, kMaxBackgroundTiles * kMaxBackgroundTiles> tiles;
  int32_t columns = 0;
  int32_t rows = 0;

  BackgroundTile& Tile(int32_t column, int32_t row) {
    return tiles[static_cast<size_t>(column * kMaxBackgroundTiles + row)];
  }
};

inline bool IsBackgroundSlot(int32_t slot) { return slot >= 0 && slot < kBackgroundSlots; }

using BackgroundTable = std::array<BackgroundRecord, kBackgroundSlots>;

// GrabBackground's tile side: 128, doubled while below the larger window side
// and below the largest texture size.
inline int32_t GrabTileSide(int32_t windowWidth, int32_t windowHeight, int32_t maxTextureSize) {
  int32_t side = 128;
  while (side < windowWidth || side < windowHeight) {
    if (side >= maxTextureSize) break;
    side *= 2;
  }
  return side;
}

}  // namespace vdr
