#include "pathfind/a_star_planner.h"

#include <cmath>
#include <cstdlib>

#include "pathfind/grid_steps.h"
#include "pathfind/reachability.h"

namespace vdr {
namespace {

constexpr float kDiagonalFactor = 1.4142137f;

float ClampedWeight(double weight) {
  if (!(weight > 0)) return 0.0f;  // NaN too
  return weight < 1 ? static_cast<float>(weight) : 1.0f;
}

}  // namespace

const Node* AStarPlanner::Search(const CostGrid& grid, const PlannerSettings& settings) {
  const size_t cells = static_cast<size_t>(grid.Width()) * static_cast<size_t>(grid.Height());
  nodes_.Reset(cells);
  table_.Reset(grid.Width(), grid.Height());
  open_.Reset(cells);
  expanded_ = 0;

  const GridSteps steps(settings.diagonalNeighbours);
  const float weight = ClampedWeight(settings.weight);
  const float diagonalFactor = settings.diagonalCost ? kDiagonalFactor : 1.0f;
  const GridPoint goal = settings.goal;
  // Ordered by path cost alone, with every step costing its cell's cost times
  // one factor, nodes come out in the order of their path costs, and a step
  // from a later node onto a cell already reached costs at least what the
  // first step onto it did: a cell reached once is passed over.
  const bool reachedIsFinal = weight == 0 && (!settings.diagonalNeighbours || !settings.diagonalCost);

  const GridPoint from = settings.start;
  Node* start = nodes_.Take();
  *start = Node{nullptr, from.x, from.y, 0.0f, grid.Cost(from.x, from.y), 0, 0};
  table_.Insert(start);
  open_.Insert(start, 0.0f);

  while (Node* current = open_.TakeFirst()) {
    ++expanded_;
    if (current->x == goal.x && current->y == goal.y) return current;
    // Past one expansion per cell, cheaper paths are being spread through
    // expanded cells again and again (weights near 1 do that). Before it
    // gave up on a goal that cannot be reached, the search would expand
    // cells thousands of times over on a map of 256 x 256, so it asks once.
    if (expanded_ == static_cast<int64_t>(cells) && !GoalReachable(grid, settings)) return nullptr;
    for (const GridStep& step : steps) {
      const int32_t x = current->x + step.dx;
      const int32_t y = current->y + step.dy;
      if (!grid.Contains(x, y)) continue;
      Node* node = table_.Find(x, y);
      if (node != nullptr && reachedIsFinal) continue;
      const float cost = node != nullptr ? node->cost : grid.Cost(x, y);
      if (cost < 0) continue;
      const float g = current->g + (step.diagonal ? cost * diagonalFactor : cost);
      const float h = static_cast<float>(std::abs(goal.x - x) + std::abs(goal.y - y));
      const float f = g + weight * (h - g);
      if (node == nullptr) {
        node = nodes_.Take();
        *node = Node{current, x, y, g, cost, 0, 0};
        table_.Insert(node);
        open_.Insert(node, f);
      } else if (node->g > g) {
        node->parent = current;
        node->g = g;
        open_.Insert(node, f);
      }
    }
  }
  return nullptr;
}

}  // namespace vdr
