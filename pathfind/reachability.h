#pragma once
// Whether a search can reach its goal at all: a flood fill from the start
// over the cells a search may enter (the start itself is left whatever its
// cost). It costs one visit per cell it reaches.

#include "pathfind/cost_grid.h"
#include "pathfind/planner.h"

namespace vdr {

bool GoalReachable(const CostGrid& grid, const PlannerSettings& settings);

}  // namespace vdr
