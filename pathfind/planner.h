#pragma once
// The interface of a grid path planner: settings of one search, and the path
// it finds read back from the goal node along the parents.

#include <cstdint>
#include <vector>

#include "pathfind/cost_grid.h"
#include "pathfind/node.h"

namespace vdr {

struct GridPoint {
  int32_t x;
  int32_t y;
  bool operator==(const GridPoint&) const = default;
};

struct PlannerSettings {
  GridPoint start{0, 0};
  GridPoint goal{0, 0};
  // 0 orders the search by path cost alone, 1 by the distance estimate
  // alone, values between blend the two; taken into 0..1, NaN as 0.
  double weight = 0;
  // The four diagonal neighbours too, and if so whether a diagonal step
  // costs the cell's cost times the square root of 2.
  bool diagonalNeighbours = false;
  bool diagonalCost = true;
};

class Planner {
 public:
  virtual ~Planner() = default;

  // Fills `path` with the cells of the path found from the start (index 0)
  // to the goal, both included; false with `path` empty when the start or
  // the goal lies outside the grid or the goal cannot be reached.
  bool Plan(const CostGrid& grid, const PlannerSettings& settings, std::vector<GridPoint>& path);

 protected:
  // Runs the search; the goal node, or null when the goal is not reached.
  // The nodes stay valid until the next search.
  virtual const Node* Search(const CostGrid& grid, const PlannerSettings& settings) = 0;
};

}  // namespace vdr
