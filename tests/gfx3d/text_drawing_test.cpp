// Text of the default font in the 3D scene, read back from the window: where
// its position projects, at the height asked for, seen from its front only.

#include <SDL2/SDL_opengl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "gfx2d/font_commands.h"
#include "gfx3d/scene_commands.h"
#include "tests/gfx3d/gfx3d_test_support.h"

namespace vdr {
namespace {

// Pixels per unit at distance 10 in the 45-degree view of 480 rows.
constexpr float kPixelsPerUnit = 240 / (10 * 0.4142135f);

struct Box {
  int left, top, right, bottom;  // of the lit pixels; left > right when none
};

Box LitPixels() {
  const PixelImage frame = test::ReadFrame();
  Box box{frame.width, frame.height, -1, -1};
  for (int y = 0; y < frame.height; ++y) {
    const uint8_t* row = frame.Row(y);
    for (int x = 0; x < frame.width; ++x) {
      if (row[x * 4] + row[x * 4 + 1] + row[x * 4 + 2] == 0) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    }
  }
  return box;
}

class TextDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scene = &test::FreshScene(0);
    GetFontSize(cellWidth, cellHeight);
    ASSERT_GT(cellHeight, 0);
  }
  void Start(double eyeZ, double targetZ) {
    test::FreshFrame(0);
    Begin3D(1, 100, 45);
    SetCamera(0, 0, eyeZ, 0, 0, targetZ);
  }
  Lumet3D* scene = nullptr;
  int32_t cellWidth = 0, cellHeight = 0;
};

TEST_F(TextDrawingTest, AppearsWhereItsPositionProjects) {
  Start(0, -1);
  SetCullMode(1);
  PrintText3D("MMMM", 3, 1, -10, 1, 0);  // one unit high, in the x-y plane
  EXPECT_EQ(scene->cullMode, 1);  // the program's cull mode returns
  GLint front = 0;
  glGetIntegerv(GL_FRONT_FACE, &front);
  EXPECT_EQ(front, GL_CW);
  const Box box = LitPixels();
  ASSERT_LE(box.left, box.right) << "no text drawn";
  // Its middle at (3, 1) units from the view's centre, up being up.
  const float centreX = 320 + 3 * kPixelsPerUnit, centreY = 240 - kPixelsPerUnit;
  const float halfWidth = 2.0f * cellWidth / cellHeight * kPixelsPerUnit, halfHeight = kPixelsPerUnit / 2;
  EXPECT_GE(box.left, centreX - halfWidth - 2);
  EXPECT_LE(box.right, centreX + halfWidth + 2);
  EXPECT_GE(box.top, centreY - halfHeight - 2);
  EXPECT_LE(box.bottom, centreY + halfHeight + 2);
  // Glyphs fill most of their cells: the text spans most of its place.
  EXPECT_GT(box.right - box.left, halfWidth * 1.5f);
}

TEST_F(TextDrawingTest, ReadsLeftToRightFromItsFrontOnly) {
  Start(0, -1);
  PrintText3D("  MM", 0, 0, -10, 1, 0);  // the glyphs in the right half
  Box box = LitPixels();
  ASSERT_LE(box.left, box.right);
  EXPECT_GE(box.left, 318);
  // From behind, text in the scene's axes turns its back and is not drawn...
  Start(-20, -10);
  PrintText3D("  MM", 0, 0, -10, 1, 0);
  box = LitPixels();
  EXPECT_GT(box.left, box.right);
  // ...while text facing the camera reads as before.
  PrintText3D("  MM", 0, 0, -10, 1, 1);
  box = LitPixels();
  ASSERT_LE(box.left, box.right);
  EXPECT_GE(box.left, 318);
  EXPECT_EQ(scene->cullMode, 0);
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
}

}  // namespace
}  // namespace vdr
