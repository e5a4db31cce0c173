// The fast planner against the plain search (tests/pathfind/literal_path_search.h):
// the same path and the same number of expanded nodes on drawn maps and on
// thousands of random ones, with every weight the tests care about, with
// closed cells reopened and with many equal priorities.

#include <gtest/gtest.h>

#include <random>

#include "pathfind/a_star_planner.h"
#include "pathfind/path_commands.h"
#include "tests/pathfind/literal_path_search.h"
#include "tests/pathfind/test_maps.h"

namespace vdr {

void PrintTo(const GridPoint& point, std::ostream* os) { *os << "(" << point.x << ", " << point.y << ")"; }

namespace test {
namespace {

constexpr double kWeights[] = {0, 0.3, 0.5, 1};

// Plans with both and compares everything they tell; the literal result for
// the caller's tallies. One planner and grid serve every search, as they do
// in FindPath, so what one search leaves must not change the next.
LiteralResult ExpectSameSearch(const RuntimeArray<double>& map, const PlannerSettings& settings,
                               const std::string& name) {
  static AStarPlanner planner;
  static CostGrid grid;
  const LiteralResult literal = LiteralSearch(map, settings);
  grid.Build(map);
  std::vector<GridPoint> path;
  EXPECT_EQ(planner.Plan(grid, settings, path), literal.found) << name;
  EXPECT_EQ(path, literal.path) << name;
  // Once it has expanded as many nodes as the map has cells, the planner
  // gives up on a goal it cannot reach; the plain search goes on to the end.
  const int64_t cells = int64_t{map.Bounds(0)} * map.Bounds(1);
  const bool cut = !literal.found && literal.expanded > cells;
  EXPECT_EQ(planner.ExpandedNodes(), cut ? cells : literal.expanded) << name;
  return literal;
}

std::string Describe(const std::string& map, const PlannerSettings& s) {
  return map + " weight " + std::to_string(s.weight) + (s.diagonalNeighbours ? " diagonal" : "") +
         (s.diagonalNeighbours && !s.diagonalCost ? " at cell cost" : "");
}

TEST(PlannerEquivalenceTest, DrawnMaps) {
  const std::vector<std::vector<std::string>> maps{
      // Equal costs everywhere: every choice is between equal priorities.
      {"S.........", "..........", "..........", ".........G"},
      // A pocket that the estimate leads into and has to come back out of.
      {"..........", "S...#.....", "....#...G.", "....#.....", "#####....."},
      {"S.#.....#.", "..#.###.#.", "..#...#...", "..###.####", "......#..G"},
      {"S9111111", "9#####91", "1#1119#1", "1#1#G1#1", "1#1###91", "1#111191", "11111111"},
      {"S1919191", "91919191", "19191919", "9191919G"},
      {"S..#....", "...#....", "...#...G"},  // no way through
      {"S", ".", "2", "G"},
      {"SG"},
  };
  int64_t reopened = 0;
  for (size_t i = 0; i < maps.size(); ++i) {
    const DrawnMap drawn = DrawMap(maps[i]);
    for (const double weight : kWeights) {
      for (const int diagonal : {0, 1, 2}) {
        PlannerSettings settings;
        settings.start = drawn.start;
        settings.goal = drawn.goal;
        settings.weight = weight;
        settings.diagonalNeighbours = diagonal > 0;
        settings.diagonalCost = diagonal != 2;
        reopened += ExpectSameSearch(drawn.map, settings, Describe("map " + std::to_string(i), settings)).reopened;
      }
    }
  }
  EXPECT_GT(reopened, 0);
}

TEST(PlannerEquivalenceTest, RandomMaps) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int32_t> side(1, 18);
  int64_t reopened = 0, cut = 0, improvedOpen = 0, equalPriorities = 0, found = 0;
  constexpr int kMaps = 3000;
  for (int round = 0; round < kMaps; ++round) {
    const int32_t width = side(random), height = side(random);
    const RandomMapShape shape{width, height, round % 4 * 0.15, (round / 4) % 4 == 3 ? 0 : (round / 4) % 4 + 1};
    const RuntimeArray<double> map = RandomMap(shape, random);
    std::uniform_int_distribution<int32_t> x(0, width - 1), y(0, height - 1);
    PlannerSettings settings;
    settings.start = GridPoint{x(random), y(random)};
    settings.goal = GridPoint{x(random), y(random)};
    settings.weight = kWeights[round % 4];
    settings.diagonalNeighbours = round % 3 == 0;
    settings.diagonalCost = round % 6 == 0;
    const LiteralResult literal = ExpectSameSearch(map, settings, Describe("random map " + std::to_string(round), settings));
    reopened += literal.reopened;
    cut += !literal.found && literal.expanded > int64_t{width} * height;
    improvedOpen += literal.improvedOpen;
    equalPriorities += literal.equalPriorityInserts;
    found += literal.found;

    // And the command, path array and all, where it searches the same way.
    const GridPoint s = settings.start, g = settings.goal;
    if (settings.diagonalNeighbours || s == g) continue;
    RuntimeArray<int32_t> path;
    ASSERT_EQ(FindPath(map, path, settings.weight, s.x, s.y, g.x, g.y), static_cast<int32_t>(literal.path.size()));
    for (size_t i = 0; i < literal.path.size(); ++i) {
      ASSERT_EQ((GridPoint{path.At(i, 0), path.At(i, 1)}), literal.path[i]);
    }
  }
  // The maps did put the rules to work.
  EXPECT_GT(reopened, kMaps / 10);
  EXPECT_GT(cut, 0);
  EXPECT_GT(improvedOpen, kMaps);
  EXPECT_GT(equalPriorities, kMaps);
  EXPECT_GT(found, kMaps / 2);
  EXPECT_LT(found, kMaps);
}

TEST(PlannerEquivalenceTest, UnreachableGoalAtWeightOneIsGivenUpAfterOneExpansionPerCell) {
  std::mt19937 random(5);
  RuntimeArray<double> map = RandomMap({40, 40, 0.2, 0}, random);
  map.At(0, 0) = map.At(1, 0) = map.At(0, 1) = 50;
  map.At(38, 39) = map.At(39, 38) = 0;
  PlannerSettings settings;
  settings.goal = GridPoint{39, 39};
  settings.weight = 1;
  const LiteralResult literal = ExpectSameSearch(map, settings, "walled-in goal");
  EXPECT_FALSE(literal.found);
  EXPECT_GT(literal.expanded, 20 * 40 * 40);
}

}  // namespace
}  // namespace test
}  // namespace vdr
