#include "pathfind/cost_grid.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace vdr {
namespace {

// Two doubles side by side, compared and chosen between as one.
using DoublePair = double __attribute__((vector_size(16)));

// The largest walkable value, 0 when there is none. Values at or below 0 lose
// to the starting 0 and NaN and infinity are read as 0, so the maximum takes
// one comparison and one choice per value, made on pairs of values in eight
// running maximums that do not wait on one another.
double LargestWalkable(const double* values, size_t count) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  const auto take = [](double largest, double value) {
    const double candidate = value < kInfinity ? value : 0.0;
    return candidate > largest ? candidate : largest;
  };
  constexpr size_t kPairs = 8;
  const DoublePair infinity = {kInfinity, kInfinity};
  DoublePair largest[kPairs] = {};
  size_t i = 0;
  for (; i + 2 * kPairs <= count; i += 2 * kPairs) {
    for (size_t pair = 0; pair < kPairs; ++pair) {
      DoublePair value;
      std::memcpy(&value, values + i + 2 * pair, sizeof value);
      const DoublePair candidate = value < infinity ? value : DoublePair{};
      largest[pair] = candidate > largest[pair] ? candidate : largest[pair];
    }
  }
  double result = 0;
  for (const DoublePair& pair : largest) result = take(take(result, pair[0]), pair[1]);
  for (; i < count; ++i) result = take(result, values[i]);
  return result;
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
