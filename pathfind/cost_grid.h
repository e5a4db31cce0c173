#pragma once
// The cost grid a search runs on, built from a program's map: one float per
// cell at index x + width * y. A cell whose map value is a finite number
// above 0 costs value / largest such value + 1 to enter, so every cost lies
// in [1, 2] whatever the scale of the map; any other cell is blocked.

#include <cstdint>
#include <memory>

#include "runtime/runtime_array.h"

namespace vdr {

struct GridSize {
  int32_t width = 0;
  int32_t height = 0;
  bool Contains(int32_t x, int32_t y) const { return x >= 0 && x < width && y >= 0 && y < height; }
};

// The grid of a map indexed map[x][y]: width is the size of dimension 0,
// height that of dimension 1 (a map of one dimension has no cells).
GridSize MapGridSize(const RuntimeArray<double>& map);

class CostGrid {
 public:
  static constexpr float kBlocked = -1.0f;

  CostGrid() = default;
  explicit CostGrid(const RuntimeArray<double>& map) { Build(map); }
  // The grid of the map, in the storage of the grid before when it is large enough.
  void Build(const RuntimeArray<double>& map);

  int32_t Width() const { return size_.width; }
  int32_t Height() const { return size_.height; }
  bool Contains(int32_t x, int32_t y) const { return size_.Contains(x, y); }
  // kBlocked for a blocked cell. The cell must lie inside the grid.
  float Cost(int32_t x, int32_t y) const { return costs_[static_cast<size_t>(y) * size_.width + x]; }

 private:
  GridSize size_;
  std::unique_ptr<float[]> costs_;
  size_t capacity_ = 0;
};

}  // namespace vdr
