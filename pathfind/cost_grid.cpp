#include "pathfind/cost_grid.h"

#include <algorithm>
#include <bit>

namespace vdr {
namespace {

// The largest walkable value, 0 when there is none. Blocked cells lie
// anywhere, so each value goes in by its bits without a branch, and four
// running maximums keep the processor from waiting on one.
double LargestWalkable(const double* values, size_t count) {
  uint64_t largest[4] = {0, 0, 0, 0};
  const auto take = [](uint64_t& largest, double value) {
    const uint64_t bits = std::bit_cast<uint64_t>(value);
    const uint64_t candidate = CostGrid::WalkableBits(bits) ? bits : 0;
    largest = candidate > largest ? candidate : largest;
  };
  size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    for (size_t lane = 0; lane < 4; ++lane) take(largest[lane], values[i + lane]);
  }
  for (; i < count; ++i) take(largest[0], values[i]);
  return std::bit_cast<double>(std::max(std::max(largest[0], largest[1]), std::max(largest[2], largest[3])));
}

}  // namespace

GridSize MapGridSize(const RuntimeArray<double>& map) {
  GridSize size{std::max(map.Bounds(0), 0), std::max(map.Bounds(1), 0)};
  if (size.width == 0 || size.height == 0) size = GridSize{};
  return size;
}

void CostGrid::Build(const RuntimeArray<double>& map) {
  size_ = MapGridSize(map);
  values_ = map.Data();
  largest_ = LargestWalkable(values_, static_cast<size_t>(size_.width) * static_cast<size_t>(size_.height));
}

}  // namespace vdr
