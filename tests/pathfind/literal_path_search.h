#pragma once
// The grid path search written the plain way, to hold the fast planner to:
// 256 hash buckets in 16 x 16 tiles for the closed set, an open list kept
// sorted in a ring buffer, searched from the back for a cell and filled by
// binary search. Slow on large maps, but every step is there to read.

#include <cstdint>
#include <vector>

#include "pathfind/planner.h"
#include "runtime/runtime_array.h"

namespace vdr::test {

struct LiteralResult {
  bool found = false;
  std::vector<GridPoint> path;  // start to goal
  int64_t expanded = 0;         // nodes taken from the open list
  int64_t reopened = 0;         // closed nodes put back into the open list
  int64_t improvedOpen = 0;     // open nodes moved for a cheaper path
  int64_t equalPriorityInserts = 0;  // insertions in front of a node of the same priority
};

// One search; start and goal must lie on the map.
LiteralResult LiteralSearch(const RuntimeArray<double>& map, const PlannerSettings& settings);

}  // namespace vdr::test
