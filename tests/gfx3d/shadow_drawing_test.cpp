// Shadow volumes cast by the shadow light, read back from the window: a cube
// over a floor darkens the floor where the light's geometry puts its shadow,
// by every style, and nothing else.

#include <gtest/gtest.h>

#include <string>

#include "gfx2d/drawing_commands.h"
#include "gfx2d/view_commands.h"
#include "gfx3d/object_commands.h"
#include "gfx3d/scene_commands.h"
#include "gfx3d/scene_frame_steps.h"
#include "runtime/error_status.h"
#include "tests/gfx3d/gfx3d_test_support.h"
#include "tests/support/memory_file_bytes.h"

namespace vdr {
namespace {

using test::Pixel;

constexpr int kCube = 5, kFloor = 6;
constexpr int kFloorGrey = 200;

// The cube from -1 to 1, red, faces counter-clockwise from outside.
const char kCubeText[] =
    "DDDA 1.0\n1  0 0\n6\n"
    "255 0 0  4  4 0  5 0  6 0  7 0\n255 0 0  4  1 0  0 0  3 0  2 0\n"
    "255 0 0  4  5 0  1 0  2 0  6 0\n255 0 0  4  0 0  4 0  7 0  3 0\n"
    "255 0 0  4  7 0  6 0  2 0  3 0\n255 0 0  4  0 0  1 0  5 0  4 0\n"
    "1\n8  -1 -1 -1  1 -1 -1  1 1 -1  -1 1 -1  -1 -1 1  1 -1 1  1 1 1  -1 1 1\n";

// A grey floor at y = 0, facing up.
const char kFloorText[] =
    "DDDA 1.0\n1  0 0\n1\n200 200 200  4  0 0  1 0  2 0  3 0\n"
    "1\n4  -12 0 6  12 0 6  12 0 -24  -12 0 -24\n";

const Vec3 kLight{-10, 20, -8};
const Vec3 kInShadow{2.2f, -1, -8};  // the light's ray to it passes through the cube's top
const Vec3 kLitLeft{-3, -1, -8}, kLitRight{4, -1, -8};

struct ScreenPoint {
  int x, y;
};

// Where the scene's projection and camera put a point of the world.
ScreenPoint Project(const Lumet3D& scene, Vec3 p) {
  const Matrix4 m = Multiply(scene.projectionMatrix, scene.cameraMatrix);
  const float w = m[3] * p.x + m[7] * p.y + m[11] * p.z + m[15];
  const Vec3 clip = TransformPoint(m, p);
  return {static_cast<int>((clip.x / w + 1) * 320), static_cast<int>((1 - clip.y / w) * 240)};
}

class ShadowDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scene = &test::FreshScene(0);
    cube = test::PublishBytes(kCubeText);
    floor = test::PublishBytes(kFloorText);
    LoadObject(cube.Name().c_str(), kCube);
    LoadObject(floor.Name().c_str(), kFloor);
    ASSERT_EQ(ErrorStatus().code, 0);
  }
  void TearDown() override {
    FreeObject(kCube);
    FreeObject(kFloor);
  }

  void StartScene(int style, double cutoff = 1) {
    test::FreshFrame(0);
    Begin3D(1, 100, 45);
    SetCamera(0, 6, 4, 0, -1, -8);
    SetLight(-style, 0xFFFFFF, kLight.x, kLight.y, kLight.z, 0, 0, 0, cutoff);
  }
  void DrawFloor() {
    TranslateObject(0, -1, 0);
    DrawObject(kFloor, 0);
  }
  void DrawCube() {
    TranslateObject(0, 1, -8);
    DrawObject(kCube, 0);
  }
  int Grey(Vec3 p) { return Pixel(Project(*scene, p).x, Project(*scene, p).y) & 0xFF; }
  // Ends the 3D part of the frame as ShowScreen would.
  void Resolve() { SetViewport(0, 0, 0, 0); }

  Lumet3D* scene = nullptr;
  MemoryFile cube, floor;
};

TEST_F(ShadowDrawingTest, TheCubesShadowFallsWhereTheLightPutsIt) {
  StartScene(2);
  DrawCube();  // drawn first: its volume waits for the floor
  DrawFloor();
  EXPECT_EQ(Grey(kInShadow), kFloorGrey);  // nothing darkened before the mode ends
  Resolve();
  EXPECT_NEAR(Grey(kInShadow), kFloorGrey / 2, 3);
  EXPECT_EQ(Grey(kLitLeft), kFloorGrey);
  EXPECT_EQ(Grey(kLitRight), kFloorGrey);
  // The 2D layer after the frame is drawn at full brightness over the shadow.
  const ScreenPoint s = Project(*scene, kInShadow);
  DrawRect(s.x - 4, s.y - 4, 9, 9, 0xFFFFFF);
  EXPECT_EQ(Pixel(s.x, s.y), 0xFFFFFF);
}

TEST_F(ShadowDrawingTest, NoDarkeningWithShadowsOff) {
  StartScene(2, 0);
  EXPECT_FALSE(scene->shadowLight.on);
  DrawFloor();
  DrawCube();
  Resolve();
  EXPECT_EQ(Grey(kInShadow), kFloorGrey);
  EXPECT_EQ(Grey(kLitRight), kFloorGrey);
}

// Style 1 darkens at once what was drawn before the caster; style 3 draws
// volumes alone while its mode is on.
TEST_F(ShadowDrawingTest, ImmediateAndVolumeOnlyStyles) {
  StartScene(1);
  DrawFloor();
  DrawCube();
  EXPECT_NEAR(Grey(kInShadow), kFloorGrey / 2, 3);
  StartScene(1);
  DrawCube();
  DrawFloor();  // drawn after the shadow was resolved: lit
  EXPECT_EQ(Grey(kInShadow), kFloorGrey);

  StartScene(2, 0);  // shadows off: floor and cube drawn plainly
  DrawFloor();
  DrawCube();
  SetLight(-3, 0xFFFFFF, kLight.x, kLight.y, kLight.z, 0, 0, 0, 1);
  EXPECT_TRUE(scene->shadowMode);
  DrawCube();  // only its volume
  const ScreenPoint centre = Project(*scene, {0, 1, -8});
  EXPECT_EQ(Pixel(centre.x, centre.y), 0x0000FF);
  EXPECT_EQ(Grey(kInShadow), kFloorGrey);
  EndShadowMode();
  EXPECT_NEAR(Grey(kInShadow), kFloorGrey / 2, 3);
  EXPECT_EQ(Grey(kLitRight), kFloorGrey);
}

}  // namespace
}  // namespace vdr
