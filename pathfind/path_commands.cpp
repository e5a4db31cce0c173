#include "pathfind/path_commands.h"

#include <vector>

#include "pathfind/path_search.h"
#include "runtime/number_text.h"
#include "runtime/process_object.h"

namespace vdr {
namespace {

PathSearch& CommandSearch() { return Registered<PathSearch>(); }

template <typename T>
int32_t FindPathInto(const RuntimeArray<double>& map, RuntimeArray<T>& path, double weight, double startX,
                     double startY, double goalX, double goalY) {
  PlannerSettings settings;
  settings.start = GridPoint{ToInt(startX), ToInt(startY)};
  settings.goal = GridPoint{ToInt(goalX), ToInt(goalY)};
  settings.weight = weight;
  const GridSize size = MapGridSize(map);
  if (!size.Contains(settings.start.x, settings.start.y) || !size.Contains(settings.goal.x, settings.goal.y) ||
      settings.start == settings.goal) {
    return 0;
  }

  // The search is over before the path array changes, so the map and the
  // path may be one array.
  PathSearch& search = CommandSearch();
  search.grid.Build(map);
  if (!search.planner.Plan(search.grid, settings, search.cells)) {
    path.Redim(0);
    return 0;
  }
  const std::vector<GridPoint>& cells = search.cells;
  const int32_t count = static_cast<int32_t>(cells.size());
  path.Redim(count, 2);
  for (int32_t i = 0; i < count; ++i) {
    path.At(i, 0) = static_cast<T>(cells[i].x);
    path.At(i, 1) = static_cast<T>(cells[i].y);
  }
  return count;
}

}  // namespace

int32_t FindPath(const RuntimeArray<double>& map, RuntimeArray<int32_t>& path, double weight, double startX,
                 double startY, double goalX, double goalY) {
  return FindPathInto(map, path, weight, startX, startY, goalX, goalY);
}
int32_t FindPath(const RuntimeArray<double>& map, RuntimeArray<double>& path, double weight, double startX,
                 double startY, double goalX, double goalY) {
  return FindPathInto(map, path, weight, startX, startY, goalX, goalY);
}

}  // namespace vdr
