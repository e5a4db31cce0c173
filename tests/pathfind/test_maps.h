#pragma once
// Maps for the path planner's tests and benchmark, and a textbook Dijkstra
// that knows nothing of the planner, to check its costs against.

#include <cstdint>
#include <functional>
#include <limits>
#include <queue>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "pathfind/planner.h"
#include "runtime/runtime_array.h"

namespace vdr::test {

// A map drawn in text, one string per row from the top: '#' blocked, '.' 1,
// a digit its value; the letters 'S' and 'G' (value 1) mark start and goal.
struct DrawnMap {
  RuntimeArray<double> map;
  GridPoint start{-1, -1};
  GridPoint goal{-1, -1};
};
DrawnMap DrawMap(const std::vector<std::string>& rows);

struct RandomMapShape {
  int32_t width;
  int32_t height;
  double blockedShare;
  int32_t distinctValues;  // values 1..n, many equal costs; 0: any value in [1, 100)
};
RuntimeArray<double> RandomMap(const RandomMapShape& shape, std::mt19937& random);

// Cell costs of a map as the planner defines them (value / largest + 1),
// -1 for blocked cells, at index x + width * y.
template <typename Real>
std::vector<Real> CellCosts(const RuntimeArray<double>& map) {
  const int32_t width = map.Bounds(0), height = map.Bounds(1);
  double largest = 0;
  for (int32_t i = 0; i < width * height; ++i) largest = std::max(largest, map.Data()[i]);
  std::vector<Real> costs(static_cast<size_t>(width) * height);
  for (size_t i = 0; i < costs.size(); ++i) {
    costs[i] = map.Data()[i] > 0 ? static_cast<Real>(map.Data()[i] / largest + 1.0) : Real{-1};
  }
  return costs;
}

template <typename Real>
struct DijkstraResult {
  Real cost = -1;  // -1: the goal cannot be reached
  int64_t expanded = 0;
};

// Dijkstra over the four neighbours with a binary heap and lazy deletion,
// stopping when the goal is settled.
template <typename Real>
DijkstraResult<Real> TextbookDijkstra(const std::vector<Real>& costs, int32_t width, int32_t height, GridPoint start,
                                      GridPoint goal) {
  using Entry = std::pair<Real, int32_t>;
  std::vector<Real> distance(costs.size(), std::numeric_limits<Real>::infinity());
  std::vector<bool> settled(costs.size());
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
  const int32_t target = goal.x + width * goal.y;
  distance[start.x + width * start.y] = 0;
  queue.push({Real{0}, start.x + width * start.y});
  DijkstraResult<Real> result;
  while (!queue.empty()) {
    const auto [d, cell] = queue.top();
    queue.pop();
    if (settled[cell]) continue;
    settled[cell] = true;
    ++result.expanded;
    if (cell == target) {
      result.cost = d;
      return result;
    }
    const int32_t x = cell % width, y = cell / width;
    const int32_t neighbours[4][2] = {{x, y - 1}, {x + 1, y}, {x - 1, y}, {x, y + 1}};
    for (const auto& [nx, ny] : neighbours) {
      if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
      const int32_t next = nx + width * ny;
      if (costs[next] < 0 || d + costs[next] >= distance[next]) continue;
      distance[next] = d + costs[next];
      queue.push({distance[next], next});
    }
  }
  return result;
}

}  // namespace vdr::test
