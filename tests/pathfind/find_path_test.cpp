// FindPath as a program sees it: results, the path array, failures, and the
// costs of its paths against an independent Dijkstra.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "pathfind/cost_grid.h"
#include "pathfind/path_commands.h"
#include "tests/pathfind/test_maps.h"

namespace vdr::test {
namespace {

template <typename T>
std::vector<GridPoint> PathCells(const RuntimeArray<T>& path) {
  std::vector<GridPoint> cells;
  for (int32_t i = 0; i < path.Bounds(0); ++i) {
    cells.push_back(GridPoint{static_cast<int32_t>(path.At(i, 0)), static_cast<int32_t>(path.At(i, 1))});
  }
  return cells;
}

std::vector<GridPoint> Find(const RuntimeArray<double>& map, double weight, GridPoint start, GridPoint goal) {
  RuntimeArray<double> path;
  const int32_t count = FindPath(map, path, weight, start.x, start.y, goal.x, goal.y);
  EXPECT_EQ(count, path.Bounds(0));
  return PathCells(path);
}

// A path array holding something from before.
RuntimeArray<int32_t> UsedPath() {
  RuntimeArray<int32_t> path;
  path.Dim(4, 2);
  path.At(3, 1) = 77;
  return path;
}

void ExpectUntouched(const RuntimeArray<int32_t>& path) {
  EXPECT_EQ(path.Bounds(0), 4);
  EXPECT_EQ(path.Bounds(1), 2);
  EXPECT_EQ(path.At(3, 1), 77);
}

TEST(FindPathTest, OpenThreeByOneMapIntoEitherKindOfArray) {
  RuntimeArray<double> map;
  map.Dim(3, 1);
  for (int32_t x = 0; x < 3; ++x) map.At(x, 0) = 5;
  const std::vector<GridPoint> expected{{0, 0}, {1, 0}, {2, 0}};

  RuntimeArray<int32_t> integers = UsedPath();
  EXPECT_EQ(FindPath(map, integers, 0.5, 0, 0, 2, 0), 3);
  EXPECT_EQ(integers.Bounds(0), 3);
  EXPECT_EQ(integers.Bounds(1), 2);
  EXPECT_EQ(PathCells(integers), expected);

  RuntimeArray<double> numbers;
  EXPECT_EQ(FindPath(map, numbers, 0.5, 0.9, 0, 2.7, 0.2), 3);  // coordinates truncated
  EXPECT_EQ(PathCells(numbers), expected);
  EXPECT_EQ(PathCells(numbers), Find(map, 0.5, {0, 0}, {2, 0}));

  // The map itself may take the path.
  EXPECT_EQ(FindPath(map, map, 0, 2, 0, 0, 0), 3);
  EXPECT_EQ(PathCells(map), (std::vector<GridPoint>{{2, 0}, {1, 0}, {0, 0}}));
}

TEST(FindPathTest, StartOnGoalOrOutsideTheMapGivesZeroAndLeavesThePath) {
  RuntimeArray<double> map;
  map.Dim(3, 2);
  for (int32_t i = 0; i < 6; ++i) map.Data()[i] = 1;
  const GridPoint inside{1, 1};
  for (const GridPoint outside : {GridPoint{-1, 0}, GridPoint{3, 0}, GridPoint{0, -1}, GridPoint{0, 2},
                                  GridPoint{-2147483647, 5}}) {
    RuntimeArray<int32_t> path = UsedPath();
    EXPECT_EQ(FindPath(map, path, 0, outside.x, outside.y, inside.x, inside.y), 0);
    EXPECT_EQ(FindPath(map, path, 0, inside.x, inside.y, outside.x, outside.y), 0);
    ExpectUntouched(path);
  }
  RuntimeArray<int32_t> path = UsedPath();
  EXPECT_EQ(FindPath(map, path, 0, 2, 1, 2, 1), 0);
  ExpectUntouched(path);

  // A map of one dimension, and one never dimensioned, have no cells.
  RuntimeArray<double> row;
  row.Dim(5);
  row[0] = row[1] = 1;
  EXPECT_EQ(FindPath(row, path, 0, 0, 0, 1, 0), 0);
  EXPECT_EQ(FindPath(RuntimeArray<double>(), path, 0, 0, 0, 1, 0), 0);
  ExpectUntouched(path);
}

TEST(FindPathTest, UnreachableGoalGivesZeroAndEmptiesThePath) {
  DrawnMap walledIn = DrawMap({
      "S....",
      "..###",
      "..#G#",
      "..###",
  });
  DrawnMap blockedGoal = DrawMap({"S.#"});
  blockedGoal.goal = GridPoint{2, 0};
  DrawnMap nothingWalkable = DrawMap({"##", "##"});
  nothingWalkable.goal = GridPoint{1, 1};
  for (const DrawnMap* drawn : {&walledIn, &blockedGoal, &nothingWalkable}) {
    RuntimeArray<int32_t> path = UsedPath();
    EXPECT_EQ(FindPath(drawn->map, path, 0.5, 0, 0, drawn->goal.x, drawn->goal.y), 0);
    EXPECT_EQ(path.Bounds(0), 0);
    EXPECT_EQ(path.Count(), 0);
  }
}

TEST(FindPathTest, WeightZeroTakesTheCheapDetourWeightOneHeadsStraight) {
  const DrawnMap drawn = DrawMap({
      "S999G",
      ".....",
  });
  const std::vector<GridPoint> detour{{0, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 0}};
  const std::vector<GridPoint> straight{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}};
  EXPECT_EQ(Find(drawn.map, 0, drawn.start, drawn.goal), detour);
  EXPECT_EQ(Find(drawn.map, 1, drawn.start, drawn.goal), straight);

  // Weights outside 0..1 are taken into it; NaN counts as 0.
  EXPECT_EQ(Find(drawn.map, -4, drawn.start, drawn.goal), detour);
  EXPECT_EQ(Find(drawn.map, std::nan(""), drawn.start, drawn.goal), detour);
  EXPECT_EQ(Find(drawn.map, 12, drawn.start, drawn.goal), straight);
}

TEST(FindPathTest, ScaledValuesGiveTheSamePath) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    const RuntimeArray<double> map = RandomMap({12, 9, 0.25, 9}, random);
    const GridPoint start{0, 0}, goal{11, 8};
    for (const double weight : {0.0, 0.5, 1.0}) {
      const std::vector<GridPoint> original = Find(map, weight, start, goal);
      for (const double factor : {0.25, 0.001, 10.0, 65536.0, 1e300}) {
        RuntimeArray<double> scaled = map;
        for (int32_t i = 0; i < scaled.Count(); ++i) scaled.Data()[i] *= factor;
        EXPECT_EQ(Find(scaled, weight, start, goal), original) << "round " << round << " factor " << factor;
      }
    }
  }
}

TEST(FindPathTest, ValuesThatAreNotFiniteBlockTheirCells) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const double bad : {inf, -inf, nan}) {
    RuntimeArray<double> corridor;
    corridor.Dim(3, 1);
    corridor[0] = corridor[2] = 1;
    corridor[1] = bad;
    RuntimeArray<int32_t> path = UsedPath();
    EXPECT_EQ(FindPath(corridor, path, 0, 0, 0, 2, 0), 0) << bad;

    // Elsewhere on the map it changes nothing: the other costs stay relative.
    DrawnMap drawn = DrawMap({
        "S999G",
        ".....",
        "#####",
    });
    const std::vector<GridPoint> expected = Find(drawn.map, 0, drawn.start, drawn.goal);
    drawn.map.At(2, 2) = bad;
    EXPECT_EQ(Find(drawn.map, 0, drawn.start, drawn.goal), expected) << bad;
  }
}

TEST(FindPathTest, EveryFiniteValueAboveZeroIsWalkableAndNothingElse) {
  const double largest = std::numeric_limits<double>::max();
  const struct {
    double value;
    bool walkable;
  } cases[] = {
      {largest, true},
      {std::numeric_limits<double>::denorm_min(), true},
      {std::numeric_limits<double>::min(), true},
      {0.0, false},
      {-0.0, false},
      {-std::numeric_limits<double>::denorm_min(), false},
      {-largest, false},
  };
  for (const auto& c : cases) {
    RuntimeArray<double> corridor;
    corridor.Dim(3, 1);
    corridor[0] = corridor[2] = largest;
    corridor[1] = c.value;
    RuntimeArray<int32_t> path = UsedPath();
    EXPECT_EQ(FindPath(corridor, path, 0, 0, 0, 2, 0), c.walkable ? 3 : 0) << c.value;
  }
}

TEST(CostGridTest, TheLargestValueIsFoundWhereverItLies) {
  // 37 cells: the grid reads values in blocks, so the largest value is put in
  // every place of the blocks and of the tail after them, with the values
  // that are no costs in the same place of another block.
  const double inf = std::numeric_limits<double>::infinity();
  for (const double bad : {inf, -inf, std::numeric_limits<double>::quiet_NaN(), -1.0}) {
    for (int32_t at = 0; at < 37; ++at) {
      RuntimeArray<double> map;
      map.Dim(37, 1);
      for (int32_t i = 0; i < 37; ++i) map[i] = 10;
      map[at] = 40;
      map[(at + 16) % 37] = map[(at + 21) % 37] = bad;
      const CostGrid grid(map);
      EXPECT_EQ(grid.Cost(at, 0), 2.0f) << bad << " " << at;
      EXPECT_EQ(grid.Cost((at + 1) % 37, 0), 1.25f) << bad << " " << at;
      EXPECT_EQ(grid.Cost((at + 16) % 37, 0), CostGrid::kBlocked) << bad << " " << at;
    }
  }
}

// ---- costs at weight 0 --------------------------------------------------

// The cost of walking the path, in double precision; -1 when a step is not
// to a walkable orthogonal neighbour.
double WalkedCost(const std::vector<double>& costs, int32_t width, const std::vector<GridPoint>& cells) {
  double total = 0;
  for (size_t i = 1; i < cells.size(); ++i) {
    const int32_t dx = std::abs(cells[i].x - cells[i - 1].x), dy = std::abs(cells[i].y - cells[i - 1].y);
    const double cost = costs[cells[i].x + static_cast<size_t>(width) * cells[i].y];
    if (dx + dy != 1 || cost < 0) return -1;
    total += cost;
  }
  return total;
}

void ExpectDijkstraCost(const RuntimeArray<double>& map, GridPoint start, GridPoint goal, const std::string& name) {
  const int32_t width = map.Bounds(0), height = map.Bounds(1);
  const std::vector<double> costs = CellCosts<double>(map);
  const DijkstraResult<double> best = TextbookDijkstra(costs, width, height, start, goal);
  const std::vector<GridPoint> cells = Find(map, 0, start, goal);
  if (best.cost < 0) {
    EXPECT_TRUE(cells.empty()) << name;
    return;
  }
  ASSERT_FALSE(cells.empty()) << name;
  EXPECT_EQ(cells.front(), start) << name;
  EXPECT_EQ(cells.back(), goal) << name;
  EXPECT_NEAR(WalkedCost(costs, width, cells), best.cost, 1e-5 * static_cast<double>(cells.size())) << name;
}

TEST(FindPathCostTest, WeightZeroCostsEqualDijkstra) {
  const std::vector<std::vector<std::string>> drawn{
      {"S999G", "....."},
      {"S.#....", ".##.##.", "....#G.", "##.##..", "......."},
      {"S1111", "9999.", "1111.", ".9999", "1111G"},
      {"S5555555", "5#####15", "5#1111#5", "5#1#G1#5", "5#1###15", "5#111115", "55555555"},
      {"S3", "#3", "#G"},
      {"S..#..", "...#..", "...#.G"},
  };
  for (size_t i = 0; i < drawn.size(); ++i) {
    const DrawnMap map = DrawMap(drawn[i]);
    ExpectDijkstraCost(map.map, map.start, map.goal, "drawn map " + std::to_string(i));
  }
  std::mt19937 random(11);
  std::uniform_int_distribution<int32_t> side(2, 14);
  for (int round = 0; round < 300; ++round) {
    const int32_t width = side(random), height = side(random);
    const RuntimeArray<double> map = RandomMap({width, height, round % 3 * 0.2, round % 4 * 3}, random);
    std::uniform_int_distribution<int32_t> x(0, width - 1), y(0, height - 1);
    const GridPoint start{x(random), y(random)}, goal{x(random), y(random)};
    if (start == goal) continue;
    ExpectDijkstraCost(map, start, goal, "random map " + std::to_string(round));
  }
}

}  // namespace
}  // namespace vdr::test
