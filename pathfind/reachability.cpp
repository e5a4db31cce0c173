#include "pathfind/reachability.h"

#include <vector>

#include "pathfind/grid_steps.h"

namespace vdr {

bool GoalReachable(const CostGrid& grid, const PlannerSettings& settings) {
  const int32_t width = grid.Width();
  std::vector<bool> seen(static_cast<size_t>(width) * static_cast<size_t>(grid.Height()));
  std::vector<GridPoint> waiting{settings.start};
  seen[settings.start.x + static_cast<size_t>(width) * settings.start.y] = true;
  const GridSteps steps(settings.diagonalNeighbours);
  while (!waiting.empty()) {
    const GridPoint cell = waiting.back();
    waiting.pop_back();
    if (cell == settings.goal) return true;
    for (const GridStep& step : steps) {
      const int32_t x = cell.x + step.dx, y = cell.y + step.dy;
      if (!grid.Contains(x, y) || grid.Cost(x, y) < 0) continue;
      const size_t index = x + static_cast<size_t>(width) * y;
      if (seen[index]) continue;
      seen[index] = true;
      waiting.push_back(GridPoint{x, y});
    }
  }
  return false;
}

}  // namespace vdr
