#include "pathfind/planner.h"

namespace vdr {

bool Planner::Plan(const CostGrid& grid, const PlannerSettings& settings, std::vector<GridPoint>& path) {
  path.clear();
  if (!grid.Contains(settings.start.x, settings.start.y) || !grid.Contains(settings.goal.x, settings.goal.y)) {
    return false;
  }
  const Node* goal = Search(grid, settings);
  if (goal == nullptr) return false;
  size_t count = 0;
  for (const Node* node = goal; node != nullptr; node = node->parent) ++count;
  path.resize(count);
  for (const Node* node = goal; node != nullptr; node = node->parent) path[--count] = GridPoint{node->x, node->y};
  return true;
}

}  // namespace vdr
