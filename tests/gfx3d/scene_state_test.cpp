// The 3D projection, camera, culling, fog, lights and shadow mode, read back
// from OpenGL's state in a real window.

#include <SDL2/SDL_opengl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "app/frame_cycle.h"
#include "gfx2d/view_commands.h"
#include "gfx3d/scene_commands.h"
#include "gfx3d/scene_frame_steps.h"
#include "tests/gfx3d/gfx3d_test_support.h"

namespace vdr {
namespace {

using test::Pixel;

constexpr float kTan22_5 = 0.4142135f;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::array<float, 16> Matrix(GLenum which) {
  std::array<float, 16> m{};
  glGetFloatv(which, m.data());
  return m;
}

std::array<float, 4> LightValue(int light, GLenum what) {
  std::array<float, 4> v{};
  glGetLightfv(GL_LIGHT0 + static_cast<GLenum>(light), what, v.data());
  return v;
}

class SceneStateTest : public ::testing::Test {
 protected:
  void SetUp() override { scene = &test::FreshScene(); }
  void TearDown() override { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }
  Lumet3D* scene = nullptr;
};

TEST_F(SceneStateTest, Begin3DSetsTheFrustumOrTheOrthographicBox) {
  Begin3D(1, 1000, 45);
  std::array<float, 16> p = Matrix(GL_PROJECTION_MATRIX);
  // A symmetric frustum at distance 1: m[0] = 1 / right, m[5] = 1 / top.
  EXPECT_NEAR(1 / p[0], 4.0f / 3.0f * kTan22_5, 1e-5);
  EXPECT_NEAR(1 / p[5], kTan22_5, 1e-5);
  EXPECT_EQ(p[11], -1);
  EXPECT_FLOAT_EQ(scene->visibilityTangent, std::tan(50 * 0.017453292f));
  EXPECT_EQ(scene->nearPlane, 1);
  EXPECT_EQ(scene->farPlane, 1000);
  Begin3D(1, 1000, -45);
  p = Matrix(GL_PROJECTION_MATRIX);
  EXPECT_EQ(p[11], 0);  // orthographic
  EXPECT_NEAR(1 / p[0], 100 * 4.0f / 3.0f * kTan22_5, 1e-3);
  EXPECT_NEAR(1 / p[5], 100 * kTan22_5, 1e-3);
  EXPECT_FLOAT_EQ(scene->visibilityTangent, std::tan(1.5533430f));
  Begin3D(1, 1000, 84.5);
  EXPECT_FLOAT_EQ(scene->visibilityTangent, std::tan(1.5533430f));
}

TEST_F(SceneStateTest, Begin3DDrawingState) {
  SetCullMode(1);
  Begin3D(1, 100, 60);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  GLint value = 0;
  glGetIntegerv(GL_DEPTH_FUNC, &value);
  EXPECT_EQ(value, GL_LESS);
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));  // cull mode 0 at the end
  EXPECT_EQ(scene->cullMode, 0);
  EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
  for (GLenum off : {GL_FOG, GL_LIGHTING, GL_STENCIL_TEST, GL_NORMALIZE, GL_TEXTURE_2D}) EXPECT_FALSE(glIsEnabled(off));
  glGetIntegerv(GL_SHADE_MODEL, &value);
  EXPECT_EQ(value, GL_SMOOTH);
  // The default camera at the origin looking along -z: the identity.
  const std::array<float, 16> m = Matrix(GL_MODELVIEW_MATRIX);
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[static_cast<size_t>(i)], i % 5 == 0 ? 1 : 0, 1e-6) << i;
}

TEST_F(SceneStateTest, CameraPlacementAndItsUpDirection) {
  Begin3D(1, 100, 45);
  SetCamera(1, 2, 3, 1, 2, 3);  // eye at the target: only the move
  std::array<float, 16> m = Matrix(GL_MODELVIEW_MATRIX);
  EXPECT_EQ(m[0], 1);
  EXPECT_EQ(m[5], 1);
  EXPECT_EQ(m[12], -1);
  EXPECT_EQ(m[13], -2);
  EXPECT_EQ(m[14], -3);
  SetCameraUp(0, 0, 1);
  SetCamera(10, 0, 0, 0, 0, 0);
  m = Matrix(GL_MODELVIEW_MATRIX);
  EXPECT_NEAR(m[9], 1, 1e-6);  // world z is the screen's up
  EXPECT_EQ(scene->cameraMatrix, m);
  Begin3D(1, 100, 45);
  SetCamera(10, 0, 0, 0, 0, 0);
  m = Matrix(GL_MODELVIEW_MATRIX);
  EXPECT_NEAR(m[5], 1, 1e-6);  // back to y
  EXPECT_NEAR(m[9], 0, 1e-6);
}

TEST_F(SceneStateTest, CullModeSigns) {
  Begin3D(1, 100, 45);
  struct Case {
    double mode;
    bool culling;
    GLint front;
  };
  for (const Case& c : {Case{0.5, true, GL_CW}, Case{7, true, GL_CW}, Case{-2, true, GL_CCW}, Case{kNaN, true, GL_CCW},
                        Case{0, false, GL_CCW}}) {
    SetCullMode(c.mode);
    EXPECT_EQ(glIsEnabled(GL_CULL_FACE) == GL_TRUE, c.culling) << c.mode;
    if (!c.culling) continue;
    GLint front = 0;
    glGetIntegerv(GL_FRONT_FACE, &front);
    EXPECT_EQ(front, c.front) << c.mode;
  }
}

TEST_F(SceneStateTest, FogDefaultsFromNearAndFar) {
  Begin3D(1, 500, 45);
  SetFog(0xFFFFFF, 0, 0, 0);
  EXPECT_TRUE(glIsEnabled(GL_FOG));
  GLint mode = 0;
  glGetIntegerv(GL_FOG_MODE, &mode);
  EXPECT_EQ(mode, GL_LINEAR);
  float start = 0, end = 0;
  std::array<float, 4> colour{};
  glGetFloatv(GL_FOG_START, &start);
  glGetFloatv(GL_FOG_END, &end);
  glGetFloatv(GL_FOG_COLOR, colour.data());
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 500);
  EXPECT_EQ(colour, (std::array<float, 4>{1, 1, 1, 0}));
  SetFog(0x0000FF, 1, 0.125, 0);
  glGetIntegerv(GL_FOG_MODE, &mode);
  EXPECT_EQ(mode, GL_EXP);
  float density = 0;
  glGetFloatv(GL_FOG_DENSITY, &density);
  EXPECT_EQ(density, 0.125f);
  SetFog(-1, 0, 0, 0);
  EXPECT_FALSE(glIsEnabled(GL_FOG));
  SetFog(0, 0, 0, 0);
  Begin3D(1, 500, 45);
  EXPECT_FALSE(glIsEnabled(GL_FOG));
}

TEST_F(SceneStateTest, TheFourLightKindsInOpenGLsLightState) {
  Begin3D(1, 100, 45);  // the default camera is the identity: positions read back as given
  SetLight(0, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 1);
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
  EXPECT_EQ(LightValue(0, GL_POSITION), (std::array<float, 4>{0, 0, 1, 0}));
  EXPECT_EQ(LightValue(0, GL_DIFFUSE), (std::array<float, 4>{1, 1, 1, 1}));
  EXPECT_EQ(LightValue(0, GL_SPECULAR), (std::array<float, 4>{0, 0, 0, 1}));

  SetLight(2, 0x0000FF, 0, 10, 0, 0, -1, 0, 180);
  EXPECT_EQ(LightValue(2, GL_POSITION), (std::array<float, 4>{0, 1, 0, 0}));  // towards the light
  EXPECT_EQ(LightValue(2, GL_SPOT_CUTOFF)[0], 180);
  EXPECT_EQ(LightValue(2, GL_DIFFUSE), (std::array<float, 4>{1, 0, 0, 1}));

  SetLight(3, 0x00FF00, 0, 10, 0, 0, -3, 0, 45);
  EXPECT_EQ(LightValue(3, GL_POSITION), (std::array<float, 4>{0, 10, 0, 1}));
  EXPECT_EQ(LightValue(3, GL_SPOT_CUTOFF)[0], 45);
  const std::array<float, 4> direction = LightValue(3, GL_SPOT_DIRECTION);
  EXPECT_EQ(direction[1], -1);
  EXPECT_EQ(LightValue(3, GL_SPECULAR), (std::array<float, 4>{0, 1, 0, 1}));

  SetLight(4, 0xFFFFFF, 0, 10, 0, 0, 0, 0, 120);
  EXPECT_EQ(LightValue(4, GL_POSITION), (std::array<float, 4>{0, 10, 0, 1}));
  EXPECT_EQ(LightValue(4, GL_SPOT_CUTOFF)[0], 180);

  SetLight(9, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 1);  // light 1
  EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
  EXPECT_EQ(scene->lightMask, 0x1F);

  // A negative cutoff leaves the spot light as it was.
  SetLight(3, 0xFFFFFF, 5, 5, 5, 1, 0, 0, -10);
  EXPECT_EQ(LightValue(3, GL_SPOT_CUTOFF)[0], 45);
  EXPECT_EQ(LightValue(3, GL_POSITION)[1], 10);

  // Positions follow the camera of the moment.
  SetCamera(0, 0, 10, 0, 0, 0);
  SetLight(5, 0xFFFFFF, 0, 0, 0, 0, 0, 1, 120);
  EXPECT_EQ(LightValue(5, GL_POSITION), (std::array<float, 4>{0, 0, -10, 1}));
}

TEST_F(SceneStateTest, LightsGoOffOneByOneAndAtTheNextBegin3D) {
  Begin3D(1, 100, 45);
  SetLight(0, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 1);
  SetLight(0, 0, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));  // it was the only light
  SetLight(6, 0xFFFFFF, 1, 1, 1, 0, 0, 0, 100);
  SetLight(7, 0xFFFFFF, 1, 1, 1, 0, 0, 0, 100);
  SetLight(6, 0, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  SetLight(-1, 0xFF, 5, 5, 5, 0, 0, 0, 1);
  EXPECT_TRUE(scene->shadowLight.on);
  Begin3D(1, 100, 45);
  for (int light = 0; light < 8; ++light) EXPECT_FALSE(glIsEnabled(GL_LIGHT0 + static_cast<GLenum>(light)));
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
  EXPECT_EQ(scene->lightMask, 0);
  EXPECT_FALSE(scene->shadowLight.on);
}

TEST_F(SceneStateTest, TracedRunsMarkTheLights) {
  bool (*const saved)() = scene->hooks.tracing;
  scene->hooks.tracing = [] { return true; };
  Begin3D(1, 100, 45);
  SetLight(1, 0xFFFFFF, 0, 0, -10, 1, 0, 0, 45);  // a spot light ahead, pointing right
  scene->hooks.tracing = saved;
  EXPECT_EQ(Pixel(320, 240), 0x80C8FF);  // the point, 40 pixels wide
  EXPECT_EQ(Pixel(305, 240), 0x80C8FF);
  bool line = false;
  for (int y = 238; y <= 242; ++y) line = line || Pixel(500, y) == 0x6CAAE1;
  EXPECT_TRUE(line);  // the direction
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST_F(SceneStateTest, CameraLightShinesFromTheEyeTowardsTheOrigin) {
  Begin3D(1, 100, 45);
  SetCamera(0, 0, 10, 0, 0, 0);
  SetCameraLight(1, 0xFFFFFF);
  // Directional along -eye: its position is towards the eye, in eye space +z.
  const std::array<float, 4> position = LightValue(1, GL_POSITION);
  EXPECT_NEAR(position[2], 1, 1e-6);
  EXPECT_EQ(position[3], 0);
}

TEST_F(SceneStateTest, ShadowLightStylesAndTheShadowMode) {
  Begin3D(1, 100, 45);
  SetLight(-1, 0x00FF00, 5, 5, 5, 0, 0, 0, 1);
  EXPECT_EQ(scene->shadowLight.style, 1);
  EXPECT_TRUE(scene->shadowLight.on);
  EXPECT_FALSE(scene->shadowMode);  // only -3 switches it at once
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
  SetLight(-3, 0x00FF00, 5, 5, 5, 0, 0, 0, 1);
  EXPECT_EQ(scene->shadowLight.style, 3);
  EXPECT_TRUE(scene->shadowMode);
  EXPECT_TRUE(glIsEnabled(GL_STENCIL_TEST));
  GLboolean colourWrites[4];
  glGetBooleanv(GL_COLOR_WRITEMASK, colourWrites);
  EXPECT_FALSE(colourWrites[0]);
  SetViewport(0, 0, 0, 0);  // ends the shadow mode first
  EXPECT_FALSE(scene->shadowMode);
  glGetBooleanv(GL_COLOR_WRITEMASK, colourWrites);
  EXPECT_TRUE(colourWrites[0]);
  EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));
  SetLight(-2, 0, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(scene->shadowLight.style, 2);
  EXPECT_FALSE(scene->shadowLight.on);
}

// A quad drawn into the stencil in shadow mode comes out half as bright when
// the mode ends; ending it while off draws nothing.
TEST_F(SceneStateTest, EndingTheShadowModeDarkensWhatLiesInShadow) {
  test::FreshScene(0xFFFFFF);
  Begin3D(1, 100, 45);
  EndShadowMode();
  EXPECT_EQ(Pixel(320, 240), 0xFFFFFF);
  scene->SetShadowMode(true);
  glBegin(GL_QUADS);  // a shadow volume's face, x from -1 to 1 at depth 5
  glVertex3f(-1, -1, -5);
  glVertex3f(1, -1, -5);
  glVertex3f(1, 1, -5);
  glVertex3f(-1, 1, -5);
  glEnd();
  EXPECT_EQ(Pixel(320, 240), 0xFFFFFF);  // no colour written
  scene->SetShadowMode(false);
  const int32_t shaded = Pixel(320, 240);
  EXPECT_NEAR(shaded & 0xFF, 128, 2);
  EXPECT_NEAR((shaded >> 16) & 0xFF, 128, 2);
  EXPECT_EQ(Pixel(20, 20), 0xFFFFFF);
  // The stencil is clear again: a second round darkens nothing.
  scene->SetShadowMode(true);
  scene->SetShadowMode(false);
  EXPECT_EQ(Pixel(20, 20), 0xFFFFFF);
}

TEST_F(SceneStateTest, ShowScreenEndsTheShadowModeAndTheFramesTextures) {
  Begin3D(1, 100, 45);
  scene->SetShadowMode(true);
  scene->textureBinding = 1;
  ShowScreen();
  EXPECT_FALSE(scene->shadowMode);
  EXPECT_EQ(scene->textureBinding, 0);
  EXPECT_EQ(scene->currentShader, -1);
}

}  // namespace
}  // namespace vdr
