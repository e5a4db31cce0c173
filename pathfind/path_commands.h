#pragma once
// The path planner's command as programs call them: numbers are taken as
// 32-bit integers (ToInt) and the search is run by AStarPlanner
// (pathfind/a_star_planner.h) over the four orthogonal neighbours.

#include <cstdint>

#include "runtime/runtime_array.h"

namespace vdr {

// A cheapest path from (startX, startY) to (goalX, goalY) on `map`, indexed
// map[x][y]: a value above 0 is the cost of entering the cell, relative to
// the largest one; 0, below 0, infinite or not a number is blocked. The
// weight (0..1) blends cost-first search (0) with heading for the goal (1).
// Returns the number of cells on the path, start and goal included, and
// makes `path` that many rows of [i][0] = x, [i][1] = y from the start. A
// start or goal outside the map, or the same cell for both, gives 0 and
// leaves `path` as it was; a goal that cannot be reached gives 0 and empties it.
// The command keeps its working memory for the next call, as much as the
// largest map searched needs, so repeated searches take no new memory.
int32_t FindPath(const RuntimeArray<double>& map, RuntimeArray<int32_t>& path, double weight, double startX,
                 double startY, double goalX, double goalY);
int32_t FindPath(const RuntimeArray<double>& map, RuntimeArray<double>& path, double weight, double startX,
                 double startY, double goalX, double goalY);

}  // namespace vdr
