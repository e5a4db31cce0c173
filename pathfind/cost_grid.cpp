#include "pathfind/cost_grid.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace vdr {
namespace {

// An infinite value would make every other cost 1 and its own NaN, and NaN
// would break the order of the open list, so neither is a cost.
bool Walkable(double value) { return value > 0 && std::isfinite(value); }

}  // namespace

GridSize MapGridSize(const RuntimeArray<double>& map) {
  GridSize size{std::max(map.Bounds(0), 0), std::max(map.Bounds(1), 0)};
  if (size.width == 0 || size.height == 0) size = GridSize{};
  return size;
}

void CostGrid::Build(const RuntimeArray<double>& map) {
  size_ = MapGridSize(map);
  const size_t cells = static_cast<size_t>(size_.width) * static_cast<size_t>(size_.height);
  if (cells > capacity_) {
    costs_.reset();
    capacity_ = 0;
    costs_.reset(new (std::nothrow) float[cells]);
    if (costs_ == nullptr) FatalError(kErrorOutOfMemory);
    capacity_ = cells;
  }
  const double* values = map.Data();
  double largest = 0;
  for (size_t i = 0; i < cells; ++i) {
    if (Walkable(values[i])) largest = std::max(largest, values[i]);
  }
  for (size_t i = 0; i < cells; ++i) {
    costs_[i] = Walkable(values[i]) ? static_cast<float>(values[i] / largest + 1.0) : kBlocked;
  }
}

}  // namespace vdr
