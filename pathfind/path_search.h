#pragma once
// The working memory of FindPath, kept from call to call: a large map's
// nodes and open list are allocated once, not on every search.

#include <vector>

#include "pathfind/a_star_planner.h"

namespace vdr {

struct PathSearch {
  static constexpr const char* kProcessObjectName = "the path search";
  CostGrid grid;
  AStarPlanner planner;
  std::vector<GridPoint> cells;
};

}  // namespace vdr
