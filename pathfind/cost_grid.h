#pragma once
// The cost grid a search runs on, read from a program's map: the value of
// cell (x, y) lies at index x + width * y. A cell whose map value is a finite
// number above 0 costs value / largest such value + 1 to enter, so every cost
// lies in [1, 2] whatever the scale of the map; any other cell is blocked.
// The grid finds the largest value when it is built and works out a cell's
// cost when the search asks for it: a search that looks at a few cells of a
// large map pays for one pass over it, not for a copy.

#include <bit>
#include <cstdint>

#include "runtime/runtime_array.h"

namespace vdr {

struct GridSize {
  int32_t width = 0;
  int32_t height = 0;
  // A negative coordinate reads as a number above every size.
  bool Contains(int32_t x, int32_t y) const {
    return (static_cast<uint32_t>(x) < static_cast<uint32_t>(width)) &
           (static_cast<uint32_t>(y) < static_cast<uint32_t>(height));
  }
};

// The grid of a map indexed map[x][y]: width is the size of dimension 0,
// height that of dimension 1 (a map of one dimension has no cells).
GridSize MapGridSize(const RuntimeArray<double>& map);

class CostGrid {
 public:
  static constexpr float kBlocked = -1.0f;

  CostGrid() = default;
  explicit CostGrid(const RuntimeArray<double>& map) { Build(map); }
  // The grid of the map, which must stay as it is while the grid is used.
  void Build(const RuntimeArray<double>& map);

  int32_t Width() const { return size_.width; }
  int32_t Height() const { return size_.height; }
  bool Contains(int32_t x, int32_t y) const { return size_.Contains(x, y); }
  // kBlocked for a blocked cell. The cell must lie inside the grid.
  float Cost(int32_t x, int32_t y) const {
    const double value = values_[static_cast<size_t>(y) * static_cast<size_t>(size_.width) + x];
    return Walkable(value) ? static_cast<float>(value / largest_ + 1.0) : kBlocked;
  }

 private:
  // An infinite value would make every other cost 1 and its own NaN, and NaN
  // would break the order of the open list, so neither is a cost. The
  // numbers above 0 and finite are those whose bits, read as an integer,
  // lie in 1 .. the bits of the largest finite number.
  static bool Walkable(double value) {
    constexpr uint64_t kLargestFiniteBits = 0x7FEFFFFFFFFFFFFF;
    return std::bit_cast<uint64_t>(value) - 1 < kLargestFiniteBits;
  }

  GridSize size_;
  const double* values_ = nullptr;
  double largest_ = 0;
};

}  // namespace vdr
