#include "game/grains.h"

#include <gtest/gtest.h>

#include "runtime/random.h"

namespace granzel {
namespace {

class GrainsTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetField(game_);
    vdr::SeedRandom(7);
  }
  int32_t& Cell(int x, int y) { return game_.cells[y * kFieldWidth + x]; }
  void Drop(double x, double y, double colour, double variant) {
    const int32_t n = vdr::ArrayBounds(game_.grains, 0);
    vdr::RedimArray(game_.grains, n + 1);
    game_.grains[n] = Grain{x, y, colour, variant, 0};
  }
  // Advances until every grain has settled (or gives up).
  void SettleAll() {
    for (int frame = 0; frame < 400 && vdr::ArrayBounds(game_.grains, 0) > 0; ++frame) AdvanceGrains(game_);
  }
  GameState game_;
};

TEST_F(GrainsTest, CellsPerFrameByVariant) {
  // Falling freely: 3, 3, 4, 5 and 5 cells a frame.
  const double expected[] = {3, 3, 4, 5, 5};
  for (int variant = 0; variant < 5; ++variant) Drop(10 + variant * 20, 10, 1, variant);
  AdvanceGrains(game_);
  for (int variant = 0; variant < 5; ++variant) {
    EXPECT_EQ(game_.grains[variant].y, 10 + expected[variant]) << "variant " << variant;
  }
}

TEST_F(GrainsTest, SettlesOnAFlatFloorAtOnce) {
  Drop(100, 316, 7, 0);  // right above the floor rows
  AdvanceGrains(game_);
  EXPECT_EQ(vdr::ArrayBounds(game_.grains, 0), 0);
  EXPECT_EQ(Cell(100, 316), 7);
  ASSERT_EQ(vdr::ArrayBounds(game_.settledThisFrame, 0), 1);
  EXPECT_EQ(game_.settledThisFrame[0].x, 100);
  EXPECT_EQ(game_.settledThisFrame[0].y, 316);
}

TEST_F(GrainsTest, SlidesOffASingleCellPeakToEitherSide) {
  bool wentLeft = false, wentRight = false;
  for (int seed = 0; seed < 40 && !(wentLeft && wentRight); ++seed) {
    ResetField(game_);
    vdr::RedimArray(game_.grains, 0);
    vdr::SeedRandom(seed);
    Cell(200, 316) = 1;  // a one-cell peak on the floor
    Drop(200, 315, 3, 0);
    SettleAll();
    // It slides down beside the peak and comes to rest on the floor there.
    EXPECT_EQ(Cell(200, 315), 0);
    EXPECT_NE(Cell(199, 316) == 3, Cell(201, 316) == 3);
    wentLeft |= Cell(199, 316) == 3;
    wentRight |= Cell(201, 316) == 3;
  }
  EXPECT_TRUE(wentLeft);
  EXPECT_TRUE(wentRight);
}

// A grain blocked in its first move slides off a floating one-cell peak and
// falls freely for the rest of the frame. The direction drawn (-1 or +1)
// is also where the step counter goes on from, so the moves that follow
// depend on it: from -1 the counter runs -0.6, -0.2, 0.2, 0.6, 1.0, 1.4,
// 1.8, 2.2, from +1 it runs 1.4, 1.8, 2.2, each in 64-bit floating point,
// and the grain moves again while the counter is at most 1, 1.2, 1.4, 1.6
// or 1.8 (variants 0 to 4).
TEST_F(GrainsTest, BlockedStepByVariantAndSide) {
  struct Case { double variant; int side; double x, y; };
  const Case cases[] = {
      {0, -1, 201, 105}, {1, -1, 201, 105}, {2, -1, 201, 106}, {3, -1, 201, 106}, {4, -1, 201, 107},
      {0, +1, 199, 100}, {1, +1, 199, 100}, {2, +1, 199, 101}, {3, +1, 199, 101}, {4, +1, 199, 102},
  };
  for (const Case& c : cases) {
    ResetField(game_);
    vdr::RedimArray(game_.grains, 0);
    // A seed whose first draw gives the wanted direction (0 stands for -1).
    int seed = 0;
    for (vdr::SeedRandom(seed); vdr::Random(1) != (c.side < 0 ? 0 : 1); vdr::SeedRandom(++seed)) {}
    vdr::SeedRandom(seed);
    Cell(200, 100) = 1;
    Drop(200, 99, 3, c.variant);
    AdvanceGrains(game_);
    ASSERT_EQ(vdr::ArrayBounds(game_.grains, 0), 1);
    EXPECT_EQ(game_.grains[0].x, c.x) << "variant " << c.variant << " side " << c.side;
    EXPECT_EQ(game_.grains[0].y, c.y) << "variant " << c.variant << " side " << c.side;
  }
}

TEST_F(GrainsTest, FootprintsOfTheVariants) {
  struct Case { double variant; std::vector<std::pair<int, int>> blocked; };
  const Case cases[] = {
      {0, {{0, 0}}},
      {1, {{0, 0}}},
      {2, {{-1, 0}, {0, 0}, {1, 0}}},
      {4, {{-1, 0}, {0, 0}, {1, 0}, {0, -1}}},
  };
  for (const Case& c : cases) {
    ResetField(game_);
    vdr::RedimArray(game_.grains, 0);
    Drop(240, 316, 9, c.variant);
    AdvanceGrains(game_);
    int count = 0;
    for (int y = 300; y < 317; ++y) {
      for (int x = 230; x < 250; ++x) count += Cell(x, y) != 0;
    }
    EXPECT_EQ(count, static_cast<int>(c.blocked.size())) << "variant " << c.variant;
    for (auto [dx, dy] : c.blocked) EXPECT_EQ(Cell(240 + dx, 316 + dy), 9) << "variant " << c.variant;
  }
}

TEST_F(GrainsTest, ColourZeroBlocksAtOnce) {
  Drop(50, 316, 0, 0);
  Drop(50, 300, 2, 0);
  SettleAll();
  // The second grain lands beside the first instead of passing through it.
  EXPECT_EQ(Cell(50, 316), kSettledColourZero);
  EXPECT_TRUE(Cell(49, 316) == 2 || Cell(51, 316) == 2);
}

TEST_F(GrainsTest, DeletingASettledGrainDoesNotSkipTheNext) {
  Drop(100, 316, 4, 0);  // settles in its first move
  Drop(300, 100, 5, 0);  // falls freely
  AdvanceGrains(game_);
  ASSERT_EQ(vdr::ArrayBounds(game_.grains, 0), 1);
  EXPECT_EQ(game_.grains[0].y, 103);  // it moved in the same step
}

TEST_F(GrainsTest, APileForms) {
  for (int i = 0; i < 300; ++i) Drop(240 + vdr::Random(6) - 3, 10 + (i % 5), 1 + i % 3, vdr::Random(4));
  SettleAll();
  EXPECT_EQ(vdr::ArrayBounds(game_.grains, 0), 0);
  // A heap: the column under the pour is higher than its flanks.
  auto height = [&](int x) {
    int y = 0;
    while (y < kFieldHeight && Cell(x, y) == 0) ++y;
    return kFieldHeight - y;
  };
  EXPECT_GT(height(240), height(200));
  EXPECT_GT(height(240), 10);
}

}  // namespace
}  // namespace granzel
