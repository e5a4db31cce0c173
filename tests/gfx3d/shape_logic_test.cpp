// The polygons of a frame, the ray and sphere tests against them in a pose,
// and the shadow volumes they cast, without a window.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "gfx3d/collision_tests.h"
#include "gfx3d/frame_shape.h"
#include "gfx3d/shadow_volume.h"

namespace vdr {
namespace {

MeshVertex Corner(Vec3 p) {
  MeshVertex v;
  v.position[0] = p.x;
  v.position[1] = p.y;
  v.position[2] = p.z;
  SetVertexColour(v, 0x808080);
  return v;
}

MeshVertex Boundary() {
  MeshVertex v;
  SetVertexColour(v, kBoundaryColour);
  return v;
}

// Polygons as a file holds them: each with corners of its own, separated by
// boundary vertices.
MeshFrame FrameOf(std::initializer_list<std::initializer_list<Vec3>> polygons) {
  MeshFrame frame;
  for (const auto& polygon : polygons) {
    if (!frame.empty()) frame.push_back(Boundary());
    for (const Vec3& p : polygon) frame.push_back(Corner(p));
  }
  return frame;
}

// The cube from -1 to 1 on each axis, faces counter-clockwise from outside.
MeshFrame CubeFrame() {
  return FrameOf({{{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}},
                  {{1, -1, -1}, {-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}},
                  {{1, -1, 1}, {1, -1, -1}, {1, 1, -1}, {1, 1, 1}},
                  {{-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}},
                  {{-1, 1, 1}, {1, 1, 1}, {1, 1, -1}, {-1, 1, -1}},
                  {{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}}});
}

Matrix4 Translate(float x, float y, float z) {
  Matrix4 m = kIdentity;
  m[12] = x;
  m[13] = y;
  m[14] = z;
  return m;
}

Matrix4 Scale(float x, float y, float z) {
  Matrix4 m = kIdentity;
  m[0] = x;
  m[5] = y;
  m[10] = z;
  return m;
}

// Column-major: 45 degrees about z, and 90 degrees about x (y onto z).
const float kHalfRoot2 = std::sqrt(0.5f);
const Matrix4 kTurnZ45 = {kHalfRoot2, kHalfRoot2, 0, 0, -kHalfRoot2, kHalfRoot2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
const Matrix4 kTurnX90 = {1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1};

TEST(FrameShape, CornersWeldedIntoAClosedSurface) {
  const FrameShape cube = ShapeOfFrame(CubeFrame());
  EXPECT_EQ(cube.points.size(), 8u);
  EXPECT_EQ(cube.TriangleCount(), 12u);
  for (int32_t neighbour : cube.neighbours) EXPECT_GE(neighbour, 0);
  EXPECT_FLOAT_EQ(cube.low.x, -1);
  EXPECT_FLOAT_EQ(cube.high.z, 1);
  // A lone quad has four open edges and one inner edge; a two-corner polygon
  // and empty polygons add nothing.
  MeshFrame quad = FrameOf({{{0, 0, 0}, {1, 0, 0}}, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}});
  quad.push_back(Boundary());
  quad.push_back(Boundary());
  const FrameShape open = ShapeOfFrame(quad);
  EXPECT_EQ(open.TriangleCount(), 2u);
  int openEdges = 0;
  for (int32_t neighbour : open.neighbours) openEdges += neighbour < 0 ? 1 : 0;
  EXPECT_EQ(openEdges, 4);
  EXPECT_EQ(ShapeOfFrame(MeshFrame{}).TriangleCount(), 0u);
}

TEST(RayDistance, HitsInPosesMatchTheGeometry) {
  const FrameShape cube = ShapeOfFrame(CubeFrame());
  struct Case {
    const char* pose;
    Matrix4 place;
    Vec3 origin, direction;
    float distance;
  };
  const Case cases[] = {
      {"moved back", Translate(0, 0, -5), {0, 0, 0}, {0, 0, -1}, 4},
      // Stretched 3 along x: the near face at x = 7; the direction's length does not count.
      {"scaled and moved", Multiply(Translate(10, 0, 0), Scale(3, 1, 1)), {0, 0, 0}, {2, 0, 0}, 7},
      // Turned 45 degrees about z: the lowest edge at y = 5 - sqrt 2.
      {"turned", Multiply(Translate(0, 5, 0), kTurnZ45), {0, 0, 0}, {0, 1, 0}, 5 - std::sqrt(2.0f)},
      // Twice as tall, then turned so its height lies along z: near face at z = -8.
      {"scaled, turned, moved", Multiply(Translate(0, 0, -10), Multiply(kTurnX90, Scale(1, 2, 1))), {0, 0, 0},
       {0, 0, -1}, 8},
      {"from inside", kIdentity, {0, 0, 0}, {1, 0, 0}, 1},
      {"slanting", Translate(0, 0, -5), {0, 0, 0}, {0.1f, 0, -1}, 4 * std::sqrt(1.01f)},
      {"just inside the edge", kIdentity, {0.999f, 0, 5}, {0, 0, -1}, 4},
      {"just outside the edge", kIdentity, {1.001f, 0, 5}, {0, 0, -1}, -1},
      {"turned away", Translate(0, 0, -5), {0, 0, 0}, {0, 0, 1}, -1},
      {"zero direction", Translate(0, 0, -5), {0, 0, 0}, {0, 0, 0}, -1},
      {"flattened to nothing", Multiply(Translate(0, 0, -5), Scale(1, 1, 0)), {0, 0, 0}, {0, 0, -1}, -1},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(RayDistance(cube, c.place, c.origin, c.direction), c.distance, 1e-4) << c.pose;
  }
  EXPECT_EQ(RayDistance(ShapeOfFrame(MeshFrame{}), kIdentity, {0, 0, 5}, {0, 0, -1}), -1);
}

// A row of unit squares along x at z = 0 with square 30 left out: far more
// triangles than one run holds.
TEST(RayDistance, RowsOfManyRunsAndTheirGaps) {
  MeshFrame row;
  for (int i = 0; i < 60; ++i) {
    if (i == 30) continue;
    const float x = static_cast<float>(i);
    if (!row.empty()) row.push_back(Boundary());
    for (Vec3 p : {Vec3{x, 0, 0}, Vec3{x + 1, 0, 0}, Vec3{x + 1, 1, 0}, Vec3{x, 1, 0}}) row.push_back(Corner(p));
  }
  const FrameShape shape = ShapeOfFrame(row);
  ASSERT_GT(shape.runs.size(), 3u);
  for (float x : {0.5f, 25.5f, 45.5f, 59.5f}) EXPECT_NEAR(RayDistance(shape, kIdentity, {x, 0.5f, 5}, {0, 0, -1}), 5, 1e-5) << x;
  EXPECT_EQ(RayDistance(shape, kIdentity, {30.5f, 0.5f, 5}, {0, 0, -1}), -1);
  // Slanting in over the row's far end: the last square, 10 x sqrt 1.01 away.
  EXPECT_NEAR(RayDistance(shape, kIdentity, {69.5f, 0.5f, 1}, {-1, 0, -0.1f}), 10 * std::sqrt(1.01f), 1e-3);
  EXPECT_TRUE(SphereTouches(shape, kIdentity, {50.5f, 0.5f, 0.4f}, 0.5f));
  EXPECT_FALSE(SphereTouches(shape, kIdentity, {30.5f, 0.5f, 0}, 0.4f));
}

TEST(SphereTouches, TouchingAndApart) {
  const FrameShape cube = ShapeOfFrame(CubeFrame());
  struct Case {
    const char* what;
    Matrix4 place;
    Vec3 centre;
    float radius;
    bool touches;
  };
  const Case cases[] = {
      {"over the near face", Translate(0, 0, -5), {0, 0, -3}, 1.01f, true},
      {"short of the near face", Translate(0, 0, -5), {0, 0, -3}, 0.99f, false},
      // Inside the bounding box's reach but short of the edge (sqrt 2 away).
      {"towards an edge", Translate(0, 0, -5), {2, 2, -5}, 1.5f, true},
      {"short of an edge", Translate(0, 0, -5), {2, 2, -5}, 1.3f, false},
      {"stretched to it", Scale(3, 1, 1), {3.5f, 0, 0}, 0.6f, true},
      {"short of the stretched face", Scale(3, 1, 1), {3.5f, 0, 0}, 0.4f, false},
      {"cutting a turned corner", kTurnZ45, {0, 2, 0}, 0.6f, true},
      {"wholly inside", kIdentity, {0, 0, 0}, 0.5f, false},
      {"around it all", kIdentity, {0, 0, 0}, 5, true},
      {"negative radius", kIdentity, {0, 0, 1.5f}, -1, false},
  };
  for (const Case& c : cases) EXPECT_EQ(SphereTouches(cube, c.place, c.centre, c.radius), c.touches) << c.what;
}

size_t Count(const std::vector<uint8_t>& flags) {
  size_t n = 0;
  for (uint8_t f : flags) n += f;
  return n;
}

TEST(ShadowVolume, SilhouettesOfACube) {
  const FrameShape cube = ShapeOfFrame(CubeFrame());
  struct Case {
    const char* light;
    Vec3 at;
    size_t facing, edges;
  };
  // Straight above: the top face, rimmed by its four edges; over a corner:
  // three faces and the six edges around them.
  for (const Case& c : {Case{"above", {0, 10, 0}, 2, 4}, Case{"over a corner", {5, 6, 7}, 6, 6}}) {
    ShadowScratch scratch;
    std::vector<float> volume;
    AppendShadowVolume(cube, kIdentity, c.at, 50, scratch, volume);
    EXPECT_EQ(Count(scratch.facing), c.facing) << c.light;
    ASSERT_EQ(scratch.edges.size(), 2 * c.edges) << c.light;
    // Two caps of the facing triangles, two triangles per silhouette edge.
    EXPECT_EQ(volume.size(), 9 * (2 * c.facing + 2 * c.edges)) << c.light;
  }
  // From above, the far cap lies 50 beyond each top corner, straight away
  // from the light.
  ShadowScratch scratch;
  std::vector<float> volume;
  AppendShadowVolume(cube, Multiply(Translate(0, -1, 0), Scale(0.5f, 1, 0.5f)), {0, 10, 0}, 50, scratch, volume);
  float lowest = 0;
  for (size_t i = 1; i < volume.size(); i += 3) lowest = std::min(lowest, volume[i]);
  const float corner = std::sqrt(0.5f * 0.5f * 2 + 10.0f * 10.0f);  // light to a top corner
  EXPECT_NEAR(lowest, 10 - (corner + 50) * 10 / corner, 1e-3);
}

TEST(ShadowVolume, OpenSurfacesAndLightBehind) {
  const FrameShape quad = ShapeOfFrame(FrameOf({{{-1, 0, 1}, {1, 0, 1}, {1, 0, -1}, {-1, 0, -1}}}));  // facing up
  ShadowScratch scratch;
  std::vector<float> volume;
  AppendShadowVolume(quad, kIdentity, {0, 5, 0}, 10, scratch, volume);
  EXPECT_EQ(scratch.edges.size(), 8u);  // its open rim
  EXPECT_EQ(volume.size(), 9u * (4 + 8));
  volume.clear();
  AppendShadowVolume(quad, kIdentity, {0, -5, 0}, 10, scratch, volume);  // the light behind it
  EXPECT_TRUE(volume.empty());
  // Facing is read in the world: mirrored along z by its placement, the
  // quad faces down and casts from a light below.
  AppendShadowVolume(quad, Scale(1, 1, -1), {0, -5, 0}, 10, scratch, volume);
  EXPECT_FALSE(volume.empty());
}

}  // namespace
}  // namespace vdr
