// Objects drawn into the window: silhouette, lighting, fog, face culling,
// texturing, all three at once, blends between frames and the view-volume test, checked by
// reading the pixels back.

#include <SDL2/SDL_opengl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "gfx2d/sprite_commands.h"
#include "gfx3d/object_commands.h"
#include "gfx3d/scene_commands.h"
#include "runtime/error_status.h"
#include "tests/gfx3d/gfx3d_test_support.h"
#include "tests/support/memory_file_bytes.h"

namespace vdr {
namespace {

using test::Pixel;

int Channel(int32_t rgb, int shift) { return (rgb >> shift) & 0xFF; }

// A "DDDA" square of side 2 around the origin in the x-y plane, counter-
// clockwise seen from +z, in one colour; frame 1 is frame 0 moved 2 along x.
std::string SquareText(int red, int green, int blue) {
  std::string text = "DDDA 1.0\n4  0 0  1 0  1 1  0 1\n";
  text += "1  " + std::to_string(red) + " " + std::to_string(green) + " " + std::to_string(blue) +
          "  4  0 0  1 1  2 2  3 3\n";
  text += "2\n4  -1 -1 0  1 -1 0  1 1 0  -1 1 0\n4  1 -1 0  3 -1 0  3 1 0  1 1 0\n";
  return text;
}

constexpr int kSquare = 3;

class ObjectDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scene = &test::FreshScene(0);
    square = test::PublishBytes(SquareText(255, 0, 0));
    LoadObject(square.Name().c_str(), kSquare);
    ASSERT_EQ(ErrorStatus().code, 0);
    Begin3D(1, 100, 45);
  }
  Lumet3D* scene = nullptr;
  MemoryFile square;
};

TEST_F(ObjectDrawingTest, SilhouetteWhereTheProjectionPutsIt) {
  EXPECT_EQ(ObjectFrames(kSquare), 2);
  TranslateObject(0, 0, -5);
  DrawObject(kSquare, 0);
  // Half a side at distance 5 is 1 / (5 tan 22.5) of half the 480 rows: 116.
  EXPECT_EQ(Pixel(320, 240), 0x0000FF);
  for (auto [x, y] : {std::pair{208, 240}, {432, 240}, {320, 128}, {320, 352}}) {
    EXPECT_EQ(Pixel(x, y), 0x0000FF) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{200, 240}, {440, 240}, {320, 120}, {320, 360}}) {
    EXPECT_EQ(Pixel(x, y), 0) << x << "," << y;
  }
}

TEST_F(ObjectDrawingTest, SetCameraResetsTheObjectTransform) {
  TranslateObject(50, 0, 0);
  ScaleObject(3, 3, 3);
  SetCamera(0, 0, 5, 0, 0, 0);
  DrawObject(kSquare, 0);
  EXPECT_EQ(Pixel(320, 240), 0x0000FF);
  EXPECT_EQ(Pixel(200, 240), 0);  // not scaled
}

TEST_F(ObjectDrawingTest, LitByTheLightsAngle) {
  LoadObject(test::PublishBytes(SquareText(128, 128, 128)).Name().c_str(), kSquare);
  SetLight(0, 0xFFFFFF, 0, 0, 0, 0, 0, -1, 180);  // shining onto the square's face
  TranslateObject(0, 0, -5);
  DrawObject(kSquare, 0);
  const int facing = Channel(Pixel(320, 240), 8);
  // 0.2 x 0.2 ambient plus the colour at full strength.
  EXPECT_NEAR(facing, 138, 4);
  test::FreshFrame(0);
  Begin3D(1, 100, 45);
  SetLight(0, 0xFFFFFF, 0, 0, 0, 0, 0, -1, 180);
  TranslateObject(0, 0, -5);
  RotateObject(60, 0, 1, 0);
  DrawObject(kSquare, 0);
  EXPECT_NEAR(Channel(Pixel(320, 240), 8), 74, 4);  // half as much diffuse light
  test::FreshFrame(0);
  Begin3D(1, 100, 45);  // no lights: the colour as it is
  TranslateObject(0, 0, -5);
  DrawObject(kSquare, 0);
  EXPECT_NEAR(Channel(Pixel(320, 240), 8), 128, 1);
}

TEST_F(ObjectDrawingTest, FogBlendsTowardsItsColourWithDistance) {
  SetFog(0xFF0000, 0, 1, 20);  // blue, linear from 1 to 20
  TranslateObject(0, 0, -5);
  DrawObject(kSquare, 0);
  const int32_t near = Pixel(320, 240);
  test::FreshFrame(0);
  Begin3D(1, 100, 45);
  SetFog(0xFF0000, 0, 1, 20);
  TranslateObject(0, 0, -15);
  DrawObject(kSquare, 0);
  const int32_t far = Pixel(320, 240);
  // (end - distance) / (end - start) of the object's colour.
  EXPECT_NEAR(Channel(near, 0), 201, 8);
  EXPECT_NEAR(Channel(near, 16), 54, 8);
  EXPECT_NEAR(Channel(far, 0), 67, 8);
  EXPECT_NEAR(Channel(far, 16), 188, 8);
}

TEST_F(ObjectDrawingTest, AFaceTurnedAwayIsCulled) {
  SetCullMode(-1);  // counter-clockwise front faces
  TranslateObject(0, 0, -5);
  DrawObject(kSquare, 0);
  EXPECT_EQ(Pixel(320, 240), 0x0000FF);
  test::FreshFrame(0);
  Begin3D(1, 100, 45);
  SetCullMode(-1);
  TranslateObject(0, 0, -5);
  RotateObject(180, 0, 1, 0);
  DrawObject(kSquare, 0);
  EXPECT_EQ(Pixel(320, 240), 0);
  SetCullMode(0);
  DrawObject(kSquare, 0);
  EXPECT_EQ(Pixel(320, 240), 0x0000FF);
}

TEST_F(ObjectDrawingTest, TexturedFromASpriteForTheFrame) {
  LoadObject(test::PublishBytes(SquareText(255, 255, 255)).Name().c_str(), kSquare);
  test::MakeSprite(40, 64, 64, [](int32_t x, int32_t) { return test::Opaque(x < 32 ? test::kGreen : test::kBlue); });
  TextureObject(40, -1);
  EXPECT_EQ(scene->textureBinding, 1);
  TranslateObject(0, 0, -5);
  DrawObject(kSquare, 0);
  EXPECT_EQ(Pixel(250, 240), test::kGreen);
  EXPECT_EQ(Pixel(390, 240), test::kBlue);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));  // nothing left bound for 2D drawing
  // A new frame draws untextured until the textures are set again.
  test::FreshFrame(0);
  Begin3D(1, 100, 45);
  scene->textureBinding = 0;
  TranslateObject(0, 0, -5);
  DrawObject(kSquare, 0);
  EXPECT_EQ(Pixel(250, 240), test::kWhite);
}

TEST_F(ObjectDrawingTest, LitTexturedAndFoggedTogether) {
  LoadObject(test::PublishBytes(SquareText(255, 255, 255)).Name().c_str(), kSquare);
  test::MakeSprite(40, 64, 64, [](int32_t x, int32_t) { return test::Opaque(x < 32 ? test::kGreen : test::kBlue); });
  SetLight(0, 0xFFFFFF, 0, 0, 0, 0, 0, -1, 180);
  SetFog(0xFF0000, 0, 1, 20);  // blue, linear from 1 to 20
  TextureObject(40, -1);
  TranslateObject(0, 0, -5);
  RotateObject(60, 0, 1, 0);  // half the diffuse light, half as wide
  DrawObject(kSquare, 0);
  // Lit: 0.5 x 255 diffuse + 0.04 x 255 ambient = 138, times the texel, then
  // (20 - 5) / 19 of that and the rest of the fog colour.
  const int32_t left = Pixel(291, 240), right = Pixel(349, 240);
  EXPECT_EQ(Channel(left, 0), 0);
  EXPECT_NEAR(Channel(left, 8), 109, 10);
  EXPECT_NEAR(Channel(left, 16), 54, 10);
  EXPECT_EQ(Channel(right, 8), 0);
  EXPECT_NEAR(Channel(right, 16), 162, 10);
  // The silhouette: turned, its nearer side ends 70 pixels left of the
  // centre and its farther side 49 pixels right of it.
  EXPECT_NE(Pixel(255, 240), 0);
  EXPECT_EQ(Pixel(244, 240), 0);
  EXPECT_NE(Pixel(364, 240), 0);
  EXPECT_EQ(Pixel(375, 240), 0);
  EXPECT_NE(Pixel(320, 200), 0);
}

TEST_F(ObjectDrawingTest, BlendsBetweenTwoFrames) {
  TranslateObject(0, 0, -5);
  DrawObjectBlend(kSquare, 0, 1, 0.5);  // half way: from x = 0 to 2
  EXPECT_EQ(Pixel(250, 240), 0);
  EXPECT_EQ(Pixel(330, 240), 0x0000FF);
  EXPECT_EQ(Pixel(540, 240), 0x0000FF);
  EXPECT_EQ(Pixel(560, 240), 0);
  test::FreshFrame(0);
  Begin3D(1, 100, 45);
  TranslateObject(0, 0, -5);
  DrawObject(kSquare, 1);
  EXPECT_EQ(Pixel(560, 240), 0x0000FF);
  DrawObject(kSquare, 2);  // no such frame: nothing, and nothing breaks
  // Frame 0 just left of the view and frame 1 inside it: the blend is drawn.
  test::FreshFrame(0);
  Begin3D(1, 100, 45);
  TranslateObject(-4.6f, 0, -5);
  EXPECT_EQ(ObjectInView(kSquare, 0), 0);
  DrawObjectBlend(kSquare, 0, 1, 0.9);
  EXPECT_EQ(Pixel(20, 240), 0x0000FF);
}

TEST_F(ObjectDrawingTest, ObjectsOutsideTheViewVolumeAreSkipped) {
  struct Case {
    float x, z;
    int32_t inView;
  };
  for (const Case& c : {Case{0, -5, 1}, Case{0, 20, 0}, Case{0, -2000, 0}, Case{30, -5, 0}, Case{3.5f, -5, 1}}) {
    TranslateObject(c.x, 0, c.z);
    EXPECT_EQ(ObjectInView(kSquare, 0), c.inView) << c.x << " " << c.z;
  }
  // Partly in view at the right edge: drawn.
  TranslateObject(3.5f, 0, -5);
  DrawObject(kSquare, 0);
  EXPECT_EQ(Pixel(630, 240), 0x0000FF);
  EXPECT_EQ(ObjectInView(kSquare, 5), 0);
  EXPECT_EQ(ObjectInView(999, 0), 0);
}

// The collision commands read the pose of the object transform, as drawing does.
TEST_F(ObjectDrawingTest, CollisionTestsInTheCurrentPose) {
  TranslateObject(1, 0, -5);
  EXPECT_NEAR(ObjectRayDistance(kSquare, 0, 0, 0, 0, 0, 0, -1), 5, 1e-5);
  EXPECT_NEAR(ObjectRayDistance(kSquare, 1, 2.5, 0, 0, 0, 0, -3), 5, 1e-5);  // frame 1 lies 2 further along x
  EXPECT_EQ(ObjectRayDistance(kSquare, 0, 2.5, 0, 0, 0, 0, -1), -1);
  EXPECT_EQ(ObjectSphereTouch(kSquare, 0, 1, 0, -4, 1.01), 1);
  EXPECT_EQ(ObjectSphereTouch(kSquare, 0, 1, 0, -4, 0.99), 0);
  RotateObject(90, 0, 1, 0);  // edge-on to the ray
  EXPECT_EQ(ObjectRayDistance(kSquare, 0, 0.5, 0, 0, 0, 0, -1), -1);
  EXPECT_NEAR(ObjectRayDistance(kSquare, 0, 3, 0, -5.5, -1, 0, 0), 2, 1e-5);
  // Through window pixels: the square, turned edge-on at x = 1, lies under
  // the pixels at x = 1 / (5 tan 22.5) x 240 right of the middle only.
  const float edge = 320 + 240 / (5 * 0.4142135f);
  EXPECT_GT(ObjectScreenDistance(kSquare, 0, edge, 240), 4);  // the ray grazes the square's side
  EXPECT_EQ(ObjectScreenDistance(kSquare, 0, 320, 240), -1);
  ResetObjectTransform();
  TranslateObject(0, 0, -5);
  EXPECT_NEAR(ObjectScreenDistance(kSquare, 0, 320, 240), 5, 1e-3);
  EXPECT_NEAR(ObjectScreenDistance(kSquare, 0, 320 + 100, 240 - 100), std::hypot(5, 100 * 5 * 0.4142135 / 240, 100 * 5 * 0.4142135 / 240), 2e-2);
  EXPECT_EQ(ObjectScreenDistance(kSquare, 0, 320 + 130, 240), -1);  // beside it: 116 pixels is its half side
  SetCamera(0, 0, 0, 0, 0, -1);  // the pose goes with the transform
  EXPECT_NEAR(ObjectRayDistance(kSquare, 0, 0, 0, 5, 0, 0, -1), 5, 1e-5);
  EXPECT_EQ(ObjectRayDistance(kSquare, 2, 0, 0, 5, 0, 0, -1), -1);  // no such frame
  EXPECT_EQ(ObjectRayDistance(999, 0, 0, 0, 5, 0, 0, -1), -1);
  EXPECT_EQ(ObjectSphereTouch(-1, 0, 0, 0, 0, 10), 0);
}

TEST_F(ObjectDrawingTest, FreedAndMissingObjects) {
  FreeObject(kSquare);
  EXPECT_EQ(ObjectFrames(kSquare), 0);
  TranslateObject(0, 0, -5);
  DrawObject(kSquare, 0);
  EXPECT_EQ(Pixel(320, 240), 0);
  LoadObject("no-such-object.ddd", kSquare);
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  LoadObject(square.Name().c_str(), kSquare);
  LoadObject(test::PublishBytes(std::string("DDDA 1.0 7")).Name().c_str(), kSquare);  // damaged
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  EXPECT_EQ(ObjectFrames(kSquare), 2);  // the slot keeps its object
  FreeObject(kSquare);
  LoadObject(square.Name().c_str(), kObjectSlots);  // no such slot
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  SaveObject(test::TempPath("empty.ddd").c_str(), kSquare);
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  LoadObject(square.Name().c_str(), kSquare);
  SaveObject(test::TempPath("square.ddd").c_str(), kSquare);
  EXPECT_EQ(ErrorStatus().code, 0);
  LoadObject(test::TempPath("square.ddd").c_str(), 4);
  EXPECT_EQ(ObjectFrames(4), 2);
  FreeObject(4);
}

}  // namespace
}  // namespace vdr
