// The 3D arithmetic and the light, fog and cull rules, without a window.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gfx3d/camera_math.h"
#include "gfx3d/light_rules.h"
#include "gfx3d/mesh_layout.h"

namespace vdr {
namespace {

constexpr float kTan22_5 = 0.4142135f;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Projection, FrustumAndOrthographicBoxOfBegin3D) {
  const ProjectionBox frustum = ProjectionFor(1, 1000, 45, 640.0f / 480.0f);
  EXPECT_FALSE(frustum.orthographic);
  EXPECT_NEAR(frustum.right, 4.0f / 3.0f * kTan22_5, 1e-6);
  EXPECT_NEAR(frustum.left, -4.0f / 3.0f * kTan22_5, 1e-6);
  EXPECT_NEAR(frustum.top, kTan22_5, 1e-6);
  EXPECT_NEAR(frustum.bottom, -kTan22_5, 1e-6);
  const ProjectionBox box = ProjectionFor(1, 1000, -45, 640.0f / 480.0f);
  EXPECT_TRUE(box.orthographic);
  EXPECT_NEAR(box.top, 100 * kTan22_5, 1e-4);
  EXPECT_NEAR(box.right, 100 * 4.0f / 3.0f * kTan22_5, 1e-4);
  EXPECT_EQ(box.nearPlane, 1);
  EXPECT_EQ(box.farPlane, 1000);
}

TEST(Projection, RuntimeTangentAndVisibilityTangent) {
  EXPECT_NEAR(RuntimeTangent(0.3926991f), kTan22_5, 1e-6);
  EXPECT_NEAR(RuntimeTangent(0.7853982f), 1.0f, 1e-5);
  EXPECT_FLOAT_EQ(VisibilityTangent(45), std::tan(50 * 0.017453292f));
  const float tan89 = std::tan(1.5533430f);
  for (float fov : {84.5f, 85.0f, 170.0f, 0.0f, -45.0f}) EXPECT_FLOAT_EQ(VisibilityTangent(fov), tan89) << fov;
}

TEST(Camera, LookAtFacesTheTargetWithTheUpDirection) {
  // From +x towards the origin with z up: z is the screen's up.
  const Matrix4 zUp = LookAt({10, 0, 0}, {0, 0, 0}, {0, 0, 1});
  const Vec3 above = TransformPoint(zUp, {0, 0, 1});
  EXPECT_NEAR(above.x, 0, 1e-6);
  EXPECT_NEAR(above.y, 1, 1e-6);
  EXPECT_NEAR(above.z, -10, 1e-6);
  const Vec3 yUp = TransformPoint(LookAt({10, 0, 0}, {0, 0, 0}, {0, 1, 0}), {0, 1, 0});
  EXPECT_NEAR(yUp.y, 1, 1e-6);
  // Eye equal to target: only the move by -eye.
  const Matrix4 still = LookAt({1, 2, 3}, {1, 2, 3}, {0, 1, 0});
  Matrix4 expected = kIdentity;
  expected[12] = -1, expected[13] = -2, expected[14] = -3;
  EXPECT_EQ(still, expected);
}

TEST(Camera, ViewPlanesHoldWhatTheCameraSees) {
  const Matrix4 projection = ProjectionMatrix(ProjectionFor(1, 100, 45, 1));
  const ViewPlanes planes = PlanesOf(projection, LookAt({0, 0, 10}, {0, 0, 0}, {0, 1, 0}));
  for (const Plane& p : planes) EXPECT_NEAR(p.nx * p.nx + p.ny * p.ny + p.nz * p.nz, 1, 1e-5);
  EXPECT_FALSE(SphereOutside(planes, {0, 0, 0}, 0.1f));
  EXPECT_TRUE(SphereOutside(planes, {0, 0, 20}, 1));      // behind the camera
  EXPECT_TRUE(SphereOutside(planes, {0, 0, -200}, 1));    // beyond far
  EXPECT_TRUE(SphereOutside(planes, {10, 0, 0}, 1));      // right of the view
  EXPECT_FALSE(SphereOutside(planes, {10, 0, 0}, 8));     // reaches into it
  EXPECT_TRUE(SphereOutside(planes, {0, -10, 0}, 1));     // below
}

TEST(Lights, FourKindsFromTheArguments) {
  const float none[3] = {0, 0, 0};
  const float above[3] = {0, 10, 0};
  const float down[3] = {0, -1, 0};
  struct Case {
    int32_t number;
    const float* position;
    const float* direction;
    float cutoff;
    LightKind kind;
    int light;
    float w;  // the position's w
    float spotCutoff;
  };
  const Case cases[] = {
      {0, none, none, 1, LightKind::kViewAxis, 0, 0, 180},
      {0, none, none, 0, LightKind::kOff, 0, 0, 180},
      {2, above, down, 180, LightKind::kDirectional, 2, 0, 180},
      {2, above, down, 45, LightKind::kSpot, 2, 1, 45},
      {2, above, none, 120, LightKind::kPoint, 2, 1, 180},
      {9, above, down, 90, LightKind::kSpot, 1, 1, 90},
      {3, above, down, -5, LightKind::kRefused, 3, 0, 180},
      {3, above, down, std::numeric_limits<float>::quiet_NaN(), LightKind::kRefused, 3, 0, 180},
  };
  for (const Case& c : cases) {
    const LightSetup setup = DescribeLight(c.number, 0x336699, c.position, c.direction, c.cutoff);
    EXPECT_EQ(setup.kind, c.kind) << c.number << " " << c.cutoff;
    EXPECT_EQ(setup.light, c.light);
    EXPECT_EQ(setup.position[3], c.w);
    EXPECT_EQ(setup.spotCutoff, c.spotCutoff);
  }
  const LightSetup directional = DescribeLight(2, 0x336699, above, down, 180);
  EXPECT_EQ(directional.position[1], 1);  // towards the light, normalised
  EXPECT_FLOAT_EQ(directional.diffuse[0], 0x99 / 255.0f);
  EXPECT_FLOAT_EQ(directional.diffuse[2], 0x33 / 255.0f);
  EXPECT_EQ(directional.specular[0], 0);
  const float longDown[3] = {0, -4, 0};
  const LightSetup spot = DescribeLight(2, 0xFFFFFF, above, longDown, 45);
  EXPECT_EQ(spot.spotDirection[1], -1);
  EXPECT_EQ(spot.specular[0], 1);
  const LightSetup view = DescribeLight(0, 0xFFFFFF, none, none, 1);
  EXPECT_EQ(view.position[2], 1);
  EXPECT_EQ(view.specular[0], 0);
}

TEST(Lights, ShadowLightStyleAndFlag) {
  const float at[3] = {5, 5, 5};
  struct Case {
    int32_t number;
    float cutoff;
    bool on;
    int style;
  };
  for (const Case& c : {Case{-1, 1, true, 1}, Case{-1, 0, false, 1}, Case{-3, 1, true, 3}, Case{-2, -1, true, 2},
                        Case{-7, 0.000001f, false, 2}, Case{-1, std::numeric_limits<float>::quiet_NaN(), true, 1}}) {
    const ShadowLight light = DescribeShadowLight(c.number, 0x0000FF, at, c.cutoff);
    EXPECT_EQ(light.on, c.on) << c.number << " " << c.cutoff;
    EXPECT_EQ(light.style, c.style) << c.number;
    EXPECT_EQ(light.position[1], 5);
    EXPECT_EQ(light.colour[0], 1);
    EXPECT_EQ(light.colour[2], 0);
  }
}

TEST(Culling, SignOfTheNumber) {
  EXPECT_EQ(CullModeFor(0.5), 1);
  EXPECT_EQ(CullModeFor(7), 1);
  EXPECT_EQ(CullModeFor(0), 0);
  EXPECT_EQ(CullModeFor(-0.1), -1);
  EXPECT_EQ(CullModeFor(kNaN), -1);
}

TEST(Fog, DefaultsAndOff) {
  const FogSetup white = DescribeFog(0xFFFFFF, 0, 0, 0, 1, 500);
  EXPECT_TRUE(white.on);
  EXPECT_FALSE(white.exponential);
  EXPECT_EQ(white.start, 1);
  EXPECT_EQ(white.end, 500);
  EXPECT_EQ(white.colour[0], 1);
  EXPECT_EQ(white.colour[3], 0);
  const FogSetup given = DescribeFog(0x0000FF, 0, 3, 40, 1, 500);
  EXPECT_EQ(given.start, 3);
  EXPECT_EQ(given.end, 40);
  EXPECT_EQ(given.colour[1], 0);
  const FogSetup dense = DescribeFog(0, 2, 0.25, 9, 1, 500);
  EXPECT_TRUE(dense.exponential);
  EXPECT_EQ(dense.density, 0.25f);
  EXPECT_FALSE(DescribeFog(-1, 0, 0, 0, 1, 500).on);
  EXPECT_FALSE(DescribeFog(4294967295.0, 0, 0, 0, 1, 500).on);  // low 32 bits are -1
  EXPECT_TRUE(DescribeFog(kNaN, 0, 0, 0, 1, 500).on);
}

TEST(Layout, PolygonsBecomeFansAndBoundariesCarryNoGeometry) {
  MeshObject mesh;
  MeshFrame frame;
  auto corner = [](float x, float y) {
    MeshVertex v;
    v.position[0] = x;
    v.position[1] = y;
    SetVertexColour(v, 0xFF);
    return v;
  };
  MeshVertex boundary;
  SetVertexColour(boundary, kBoundaryColour);
  // A quad, a lone pair (no polygon) and a triangle.
  frame = {boundary, corner(0, 0), corner(1, 0), corner(1, 1), corner(0, 1), boundary, corner(5, 5), corner(6, 6),
           boundary, corner(2, 2), corner(3, 2), corner(2, 3)};
  mesh.frames = {frame, frame};
  const MeshLayout layout = LayOutMesh(mesh);
  ASSERT_EQ(layout.frames.size(), 2u);
  EXPECT_EQ(layout.frames[0].vertexCount, 9);
  EXPECT_EQ(layout.frames[1].firstVertex, 9);
  EXPECT_EQ(layout.frames[0].indexCount, 9);
  EXPECT_EQ(std::vector<uint32_t>(layout.indices.begin(), layout.indices.begin() + 9),
            (std::vector<uint32_t>{0, 1, 2, 0, 2, 3, 6, 7, 8}));
  EXPECT_EQ(layout.frames[1].firstIndex, 9);
  EXPECT_EQ(layout.vertices[0].rgba[0], 255);
  EXPECT_FLOAT_EQ(layout.frames[0].centre.x, 3);
  EXPECT_NEAR(layout.frames[0].radius, std::sqrt(18.0f), 1e-5);
}

}  // namespace
}  // namespace vdr
