// FindPath on random maps (costs 1..100, 30 % of the cells blocked, start and
// goal in opposite corners) against the plain search of the tests
// (tests/pathfind/literal_path_search.h) on 256 x 256, and against a textbook
// Dijkstra with a binary heap (tests/pathfind/test_maps.h) on 256 x 256 and
// 1024 x 1024. Every timing starts from the map array, cost grid included;
// the cost grid is timed on its own too.
// The searches are timed in turns, so all see the same machine load, and by
// the processor time of the thread, which time spent waiting for a shared
// processor does not blur; medians and minimums are printed with their ratios
// and nodes expanded per second.
//
// Run a release build: build/bench/bench/pathfind/pathfind_bench [ROUNDS]

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/engine_state.h"
#include "pathfind/a_star_planner.h"
#include "pathfind/path_commands.h"
#include "tests/pathfind/literal_path_search.h"
#include "tests/pathfind/test_maps.h"

namespace {

using vdr::GridPoint;
using vdr::RuntimeArray;

struct Figures {
  std::string name;
  std::function<void()> run;
  int64_t expanded = 0;
  std::vector<double> times;
  double Median() {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
  }
  double Min() const { return *std::min_element(times.begin(), times.end()); }
};

// A random map of the benchmark's kind on which the far corner can be reached.
RuntimeArray<double> ConnectedMap(int32_t side, uint32_t seed) {
  for (;; ++seed) {
    std::mt19937 random(seed);
    RuntimeArray<double> map = vdr::test::RandomMap({side, side, 0.3, 0}, random);
    map.At(0, 0) = map.At(side - 1, side - 1) = 50;
    RuntimeArray<int32_t> path;
    if (vdr::FindPath(map, path, 0.5, 0, 0, side - 1, side - 1) > 0) return map;
  }
}

int64_t PlannerExpansions(const RuntimeArray<double>& map, const vdr::PlannerSettings& settings) {
  vdr::AStarPlanner planner;
  std::vector<GridPoint> path;
  planner.Plan(vdr::CostGrid(map), settings, path);
  return planner.ExpandedNodes();
}

// FindPath, the plain search and Dijkstra at the given weights on one map.
std::vector<Figures> Contestants(const RuntimeArray<double>& map, const std::vector<double>& weights, bool literal) {
  const int32_t side = map.Bounds(0);
  vdr::PlannerSettings settings;
  settings.start = GridPoint{0, 0};
  settings.goal = GridPoint{side - 1, side - 1};
  std::vector<Figures> contestants;
  for (const double weight : weights) {
    settings.weight = weight;
    char name[64];
    std::snprintf(name, sizeof name, "FindPath, weight %.1f", weight);
    contestants.push_back(Figures{name, [&map, weight, side] {
                                    RuntimeArray<int32_t> path;
                                    vdr::FindPath(map, path, weight, 0, 0, side - 1, side - 1);
                                  },
                                  PlannerExpansions(map, settings), {}});
    if (!literal) continue;
    std::snprintf(name, sizeof name, "plain search, weight %.1f", weight);
    contestants.push_back(Figures{name, [&map, settings] { vdr::test::LiteralSearch(map, settings); },
                                  vdr::test::LiteralSearch(map, settings).expanded, {}});
  }
  const auto dijkstra = [&map, side] {
    const std::vector<float> costs = vdr::test::CellCosts<float>(map);
    return vdr::test::TextbookDijkstra(costs, side, side, GridPoint{0, 0}, GridPoint{side - 1, side - 1});
  };
  contestants.push_back(Figures{"textbook Dijkstra", [dijkstra] { dijkstra(); }, dijkstra().expanded, {}});
  // The pass over the map for its largest value, which every search makes
  // whatever it expands: the floor of a search that heads straight there.
  contestants.push_back(Figures{"cost grid alone", [&map] { vdr::CostGrid grid(map); }, 0, {}});
  return contestants;
}

double ThreadMilliseconds() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void Measure(std::vector<Figures>& contestants, int rounds) {
  for (int round = 0; round < rounds; ++round) {
    for (Figures& figures : contestants) {
      const double start = ThreadMilliseconds();
      figures.run();
      figures.times.push_back(ThreadMilliseconds() - start);
    }
  }
}

void Print(const char* title, std::vector<Figures>& contestants, int rounds) {
  std::printf("\n%s, %d rounds, milliseconds of processor time\n", title, rounds);
  std::printf("%-28s %9s %9s %10s %15s\n", "", "median", "min", "expanded", "expanded per s");
  for (Figures& figures : contestants) {
    const double median = figures.Median();
    std::printf("%-28s %9.3f %9.3f %10lld %15.3g\n", figures.name.c_str(), median, figures.Min(),
                static_cast<long long>(figures.expanded), figures.expanded / (median / 1000));
  }
}

// The median and minimum time of `slow` over those of `fast`.
void PrintRatio(const char* what, Figures& slow, Figures& fast) {
  std::printf("%-52s median %7.2f  min %7.2f\n", what, slow.Median() / fast.Median(), slow.Min() / fast.Min());
}

}  // namespace

int main(int argc, char** argv) {
  vdr::Engine();  // the owner of the runtime\'s process-wide objects
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

  const RuntimeArray<double> small = ConnectedMap(256, 1);
  std::vector<Figures> onSmall = Contestants(small, {0, 0.5, 1}, true);
  const RuntimeArray<double> large = ConnectedMap(1024, 1);
  std::vector<Figures> onLarge = Contestants(large, {0, 0.5, 1}, false);
  Measure(onSmall, rounds);
  Measure(onLarge, rounds);

  Print("256 x 256", onSmall, rounds);
  Print("1024 x 1024", onLarge, rounds);
  std::printf("\n");
  PrintRatio("plain search / FindPath, 256 x 256, weight 0", onSmall[1], onSmall[0]);
  PrintRatio("plain search / FindPath, 256 x 256, weight 0.5", onSmall[3], onSmall[2]);
  PrintRatio("plain search / FindPath, 256 x 256, weight 1", onSmall[5], onSmall[4]);
  PrintRatio("FindPath weight 0 / textbook Dijkstra, 256 x 256", onSmall[0], onSmall[6]);
  PrintRatio("FindPath weight 0 / textbook Dijkstra, 1024 x 1024", onLarge[0], onLarge[3]);
  return 0;
}
