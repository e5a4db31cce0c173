#include "pathfind/cost_grid.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <new>

namespace vdr {
namespace {

// An infinite value would make every other cost 1 and its own NaN, and NaN
// would break the order of the open list, so neither is a cost.
bool Walkable(double value) { return (value > 0) & (value <= std::numeric_limits<double>::max()); }

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
    if (values[i] > largest && Walkable(values[i])) largest = values[i];
  }
  // Blocked cells lie anywhere, so the cost is chosen without a branch that
  // would guess wrong at every turn.
  const uint32_t blocked = std::bit_cast<uint32_t>(kBlocked);
  for (size_t i = 0; i < cells; ++i) {
    const uint32_t cost = std::bit_cast<uint32_t>(static_cast<float>(values[i] / largest + 1.0));
    const uint32_t walkable = 0u - static_cast<uint32_t>(Walkable(values[i]));
    costs_[i] = std::bit_cast<float>((cost & walkable) | (blocked & ~walkable));
  }
}

}  // namespace vdr
