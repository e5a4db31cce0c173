// Drawing commands in a real window: opacity modes, sprite placement,
// primitives, the polygon batch and collisions.

#include <gtest/gtest.h>

#include <cstdlib>

#include "gfx2d/drawing_commands.h"
#include "gfx2d/render_context.h"
#include "gfx2d/sprite_commands.h"
#include "tests/gfx2d/gfx2d_test_support.h"

namespace vdr {
namespace {

using test::FreshFrame;
using test::Pixel;

int Channel(int32_t rgb, int shift) { return (rgb >> shift) & 0xFF; }

void ExpectNearRgb(int32_t actual, int r, int g, int b, const char* what) {
  EXPECT_NEAR(Channel(actual, 0), r, 2) << what;
  EXPECT_NEAR(Channel(actual, 8), g, 2) << what;
  EXPECT_NEAR(Channel(actual, 16), b, 2) << what;
}

// Columns [left, right) of row y that are not the background.
std::vector<int> DrawnColumns(int y, int from, int to, int32_t background) {
  std::vector<int> drawn;
  for (int x = from; x < to; ++x) {
    if (Pixel(x, y) != background) drawn.push_back(x);
  }
  return drawn;
}

class DrawingTest : public ::testing::Test {
 protected:
  void SetUp() override { FreshFrame(0); }
};

TEST_F(DrawingTest, AlphaModesBlendAsAsked) {
  test::MakeSolidSprite(30, 4, 4, 0xC8C8C8);  // grey 200
  struct Case { double level; int r, b; const char* what; };
  // Over a background of blue 100.
  for (const Case& c : {Case{0.5, 100, 200, "additive half"}, Case{-0.5, 100, 150, "half transparent"},
                        Case{-3, 200, 200, "blended, fully opaque"}, Case{0, 200, 200, "opaque"}}) {
    FreshFrame(100 << 16);
    AlphaMode(c.level);
    DrawSprite(30, 10, 10);
    ExpectNearRgb(Pixel(11, 11), c.r, c.r, c.b, c.what);
  }
  // Opaque mode keeps the alpha test: nearly transparent pixels are dropped,
  // the rest drawn at full strength.
  FreshFrame(0);
  test::MakeSprite(31, 2, 1, [](int32_t x, int32_t) { return (x == 0 ? 10u : 128u) << 24 | 0xFFFFFF; });
  AlphaMode(-0.5);
  AlphaMode(0);
  DrawSprite(31, 0, 0);
  EXPECT_EQ(Pixel(0, 0), 0);
  EXPECT_EQ(Pixel(1, 0), test::kWhite);
  EXPECT_EQ(ActiveRenderContext()->AlphaLevel(), 1.0f);
}

TEST_F(DrawingTest, RectanglesLinesAndPixels) {
  DrawRect(10, 10, -3, 2, test::kRed);
  for (int y = 9; y <= 12; ++y) {
    const std::vector<int> expected = y == 10 || y == 11 ? std::vector<int>{8, 9, 10} : std::vector<int>{};
    EXPECT_EQ(DrawnColumns(y, 0, 20, 0), expected) << "row " << y;
  }
  DrawLine(50, 50, 50, 50, test::kGreen);
  int drawn = 0;
  for (int y = 45; y < 55; ++y) drawn += static_cast<int>(DrawnColumns(y, 45, 55, 0).size());
  EXPECT_EQ(drawn, 1);
  EXPECT_EQ(Pixel(50, 50), test::kGreen);
  // Both end points belong to the line.
  DrawLine(60, 70, 64, 70, test::kWhite);
  EXPECT_EQ(DrawnColumns(70, 55, 70, 0), (std::vector<int>{60, 61, 62, 63, 64}));
  SetPixel(100, 101, 0x123456);
  EXPECT_EQ(Pixel(100, 101), 0x123456);
  EXPECT_EQ(Pixel(101, 101), 0);
}

TEST_F(DrawingTest, SpritePlacementZoomStretchAndTurn) {
  test::MakeSolidSprite(32, 10, 10, test::kWhite);
  ZoomSprite(32, 100, 100, 2, 2);
  EXPECT_EQ(DrawnColumns(105, 90, 120, 0).front(), 95);
  EXPECT_EQ(DrawnColumns(105, 90, 120, 0).back(), 114);
  EXPECT_EQ(Pixel(105, 94), 0);
  EXPECT_EQ(Pixel(105, 95), test::kWhite);
  EXPECT_EQ(Pixel(105, 114), test::kWhite);
  EXPECT_EQ(Pixel(105, 115), 0);

  // Factor 1 draws exactly what DrawSprite draws.
  FreshFrame(0);
  test::MakeSprite(33, 3, 2, [](int32_t x, int32_t y) { return test::Opaque(x * 60 + y * 0x7000); });
  DrawSprite(33, 10, 10);
  ZoomSprite(33, 30, 10, 1, 1);
  for (int y = 9; y < 13; ++y) {
    for (int x = 9; x < 14; ++x) EXPECT_EQ(Pixel(x, y), Pixel(x + 20, y)) << x << "," << y;
  }

  // Left half red, right half green; a negative width mirrors.
  FreshFrame(0);
  test::MakeSprite(34, 8, 8, [](int32_t x, int32_t) { return test::Opaque(x < 4 ? test::kRed : test::kGreen); });
  StretchSprite(34, 20, 20, -8, 8);
  EXPECT_EQ(Pixel(13, 24), test::kGreen);
  EXPECT_EQ(Pixel(18, 24), test::kRed);
  // Turned by 90 degrees counter-clockwise the right half is on top.
  RotoSprite(34, 50, 50, 90);
  EXPECT_EQ(Pixel(54, 51), test::kGreen);
  EXPECT_EQ(Pixel(54, 56), test::kRed);
  RotoZoomSprite(34, 100, 100, 0, 2);
  EXPECT_EQ(Pixel(97, 104), test::kRed);
  EXPECT_EQ(Pixel(110, 104), test::kGreen);
  EXPECT_EQ(Pixel(95, 104), 0);
}

TEST_F(DrawingTest, AnimationFramesComeFromTheirCells) {
  // Six frames of 2 x 2, three across: each frame one colour.
  const int32_t colours[6] = {0x000010, 0x000020, 0x000030, 0x000040, 0x000050, 0x000060};
  test::MakeSprite(35, 6, 4, [&](int32_t x, int32_t y) { return test::Opaque(colours[y / 2 * 3 + x / 2]); });
  SmoothShading(0);  // stretched frames would blend with their neighbours
  DrawAnim(35, 5, 0, 0);  // nothing: no frame size yet
  EXPECT_EQ(Pixel(0, 0), 0);
  SetSpriteAnim(35, 2, 2);
  DrawAnim(35, 5, 0, 0);
  EXPECT_EQ(Pixel(0, 0), 0x000060);
  EXPECT_EQ(Pixel(1, 1), 0x000060);
  EXPECT_EQ(Pixel(2, 0), 0);
  StretchAnim(35, 1, 10, 10, 4, 4);
  EXPECT_EQ(Pixel(10, 10), 0x000020);
  EXPECT_EQ(Pixel(13, 13), 0x000020);
  RotoZoomAnim(35, 3, 30, 30, 0, 1);
  EXPECT_EQ(Pixel(30, 30), 0x000040);
}

TEST_F(DrawingTest, PolygonBatchDrawsStripsFansAndColours) {
  test::MakeSolidSprite(36, 16, 16, test::kWhite);
  // Two separate quads in one strip batch.
  StartPoly(36, 2);
  for (int quad = 0; quad < 2; ++quad) {
    const double x = 10 + quad * 20;
    PolyNewStrip();
    PolyVector(x, 10, 0, 0, quad == 0 ? test::kRed : 0xFFFFFF);
    PolyVector(x + 5, 10, 5, 0, quad == 0 ? test::kRed : 0xFFFFFF);
    PolyVector(x, 15, 0, 5, quad == 0 ? test::kRed : 0xFFFFFF);
    PolyVector(x + 5, 15, 5, 5, quad == 0 ? test::kRed : 0xFFFFFF);
  }
  EndPoly();
  EXPECT_EQ(DrawnColumns(12, 0, 40, 0), (std::vector<int>{10, 11, 12, 13, 14, 30, 31, 32, 33, 34}));
  EXPECT_EQ(Pixel(12, 12), test::kRed);  // the white sprite tinted red
  EXPECT_EQ(Pixel(32, 12), test::kWhite);

  // An untextured fan; vertices in the key colour are transparent.
  StartPoly(-1, 0);
  PolyVector(50, 50, 0, 0, test::kGreen);
  PolyVector(60, 50, 0, 0, test::kGreen);
  PolyVector(60, 60, 0, 0, test::kGreen);
  PolyVector(50, 60, 0, 0, test::kGreen);
  EndPoly();
  EXPECT_EQ(Pixel(55, 55), test::kGreen);
  StartPoly(-1, 1);
  for (auto [x, y] : {std::pair{70, 50}, {80, 50}, {70, 60}}) PolyVector(x, y, 0, 0, test::kKey);
  EndPoly();
  EXPECT_EQ(Pixel(72, 52), 0);
  // Unknown modes and empty sprites draw nothing.
  for (auto [slot, mode] : {std::pair{36, 3}, {37, 2}}) {
    StartPoly(slot, mode);
    for (auto [x, y] : {std::pair{90, 50}, {100, 50}, {90, 60}, {100, 60}}) PolyVector(x, y, 0, 0, 0xFFFFFF);
    EndPoly();
  }
  EXPECT_EQ(Pixel(92, 52), 0);
}

TEST_F(DrawingTest, EmptySlotsDrawNothing) {
  ActiveRenderContext()->Sprites().FreeSprite(38);
  DrawSprite(38, 0, 0);
  StretchSprite(38, 0, 0, 10, 10);
  RotoZoomSprite(38, 0, 0, 30, 2);
  DrawSprite(99999, 0, 0);
  EXPECT_EQ(Pixel(2, 2), 0);
}

TEST_F(DrawingTest, CollisionsNeedASharedVisiblePixel) {
  test::MakeSolidSprite(40, 4, 4, test::kWhite);
  // A ring: only its border is visible.
  test::MakeSprite(41, 6, 6, [](int32_t x, int32_t y) {
    return x == 0 || y == 0 || x == 5 || y == 5 ? test::Opaque(test::kWhite) : 0u;
  });
  EXPECT_EQ(SpriteCollision(40, 0, 0, 40, 4, 0), 0);  // boxes touch at an edge
  EXPECT_EQ(SpriteCollision(40, 0, 0, 40, 3, 3), 1);
  EXPECT_EQ(SpriteCollision(40, 1, 1, 41, 0, 0), 0);  // fills the ring's hole exactly
  EXPECT_EQ(SpriteCollision(40, 2, 1, 41, 0, 0), 1);  // reaches its right border
  EXPECT_EQ(SpriteCollision(40, 0, 0, 38, 0, 0), 0);  // empty slot

  // Frames: the second frame of a 2-frame strip is transparent.
  test::MakeSprite(42, 8, 4, [](int32_t x, int32_t) { return x < 4 ? test::Opaque(test::kWhite) : 0u; });
  SetSpriteAnim(42, 4, 4);
  EXPECT_EQ(AnimCollision(42, 0, 0, 0, 42, 0, 2, 2), 1);
  EXPECT_EQ(AnimCollision(42, 0, 0, 0, 42, 1, 0, 0), 0);
  EXPECT_EQ(AnimCollision(42, 0, 0, 0, 42, 0, 4, 0), 0);
  EXPECT_EQ(AnimCollision(42, 2000000000, 0, 0, 42, 0, 0, 0), 0);  // far outside the picture
}

}  // namespace
}  // namespace vdr
