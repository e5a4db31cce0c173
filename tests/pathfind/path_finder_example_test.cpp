// The path finder example driven with real mouse input: the start, the goal
// and the weight follow the buttons and the wheel, and a goal in a lake
// leaves no path.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "files/platform_paths.h"
#include "tests/support/program_driver.h"

namespace vdr::test {
namespace {

constexpr int kCell = 8;
constexpr uint32_t kPath = 0x00FFFF;
constexpr uint32_t kStart = 0x30E030;
constexpr uint32_t kGoal = 0x3030F0;
constexpr uint32_t kGauge = 0xE0C040;
constexpr uint32_t kWater = 40 | 90 << 8 | 150 << 16;

class PathFinderExampleTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(example_.WaitForWindow(60)); }

  // Waits, as long as a loaded machine may need, for the window to show
  // what `shows` looks for.
  bool WaitFor(const std::function<bool(const WindowPicture&)>& shows) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
      picture_ = example_.Capture();
      if (picture_.width > 0 && shows(picture_)) return true;
      Wait(0.1);
    }
    return false;
  }
  void ClickCell(int x, int y, int button) { example_.Click(x * kCell + kCell / 2, y * kCell + kCell / 2, button); }
  void TurnWheel(int button, int steps) {
    for (int i = 0; i < steps; ++i) {
      example_.Xdotool("click --window %w " + std::to_string(button));
      Wait(0.1);
    }
  }

  static int PathPixels(const WindowPicture& p) {
    return CountPixels(p, 0, 0, 640, 448, [](uint32_t c) { return c == kPath; });
  }
  static int GaugePixels(const WindowPicture& p) {
    return CountPixels(p, 522, 468, 622, 474, [](uint32_t c) { return c == kGauge; });
  }
  static uint32_t CellColour(const WindowPicture& p, int x, int y) {
    return p.At(x * kCell + kCell / 2, y * kCell + kCell / 2);
  }
  // Path pixels just around the marker of cell (x, y): the path runs into it.
  static bool PathMeets(const WindowPicture& p, int x, int y) {
    return CountPixels(p, x * kCell - 4, y * kCell - 4, x * kCell + 12, y * kCell + 12,
                       [](uint32_t c) { return c == kPath; }) > 0;
  }

  ProgramDriver example_{PATH_FINDER_EXECUTABLE, "", TempFolder() + "path-finder"};
  WindowPicture picture_;
};

TEST_F(PathFinderExampleTest, ButtonsSetStartAndGoalWheelSetsWeight) {
  ASSERT_TRUE(WaitFor([](const WindowPicture& p) { return PathPixels(p) > 0 && GaugePixels(p) == 0; }));

  ClickCell(74, 8, 3);
  ClickCell(4, 30, 1);
  EXPECT_TRUE(WaitFor([](const WindowPicture& p) {
    return CellColour(p, 74, 8) == kGoal && CellColour(p, 4, 30) == kStart && PathMeets(p, 74, 8) &&
           PathMeets(p, 4, 30);
  }));

  // Each step of the wheel is a tenth; the gauge is 100 pixels for weight 1.
  TurnWheel(4, 5);
  EXPECT_TRUE(WaitFor([](const WindowPicture& p) { return GaugePixels(p) == 50 * 6; })) << GaugePixels(picture_);
  TurnWheel(4, 9);
  EXPECT_TRUE(WaitFor([](const WindowPicture& p) { return GaugePixels(p) == 100 * 6; })) << GaugePixels(picture_);
  TurnWheel(5, 2);
  EXPECT_TRUE(WaitFor([](const WindowPicture& p) { return GaugePixels(p) == 80 * 6; })) << GaugePixels(picture_);
  EXPECT_GT(PathPixels(picture_), 0);

  // A goal in a lake cannot be reached.
  int lakeX = -1, lakeY = -1;
  for (int y = 0; y < 56 && lakeX < 0; ++y) {
    for (int x = 0; x < 80 && lakeX < 0; ++x) {
      if (CellColour(picture_, x, y) == kWater) lakeX = x, lakeY = y;
    }
  }
  ASSERT_GE(lakeX, 0);
  ClickCell(lakeX, lakeY, 3);
  EXPECT_TRUE(WaitFor([](const WindowPicture& p) { return PathPixels(p) == 0; }));

  example_.Xdotool("key Escape");
  EXPECT_EQ(example_.WaitForExit(30), 0);
}

}  // namespace
}  // namespace vdr::test
