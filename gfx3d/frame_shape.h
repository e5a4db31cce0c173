#pragma once
// The polygons of one object frame as the collision tests and the shadow
// volumes read them, without OpenGL: corners welded by position (polygons of
// a file repeat the corners they share), each polygon a fan of triangles,
// the triangle across each edge, and the frame's bounding box.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx3d/camera_math.h"
#include "gfx3d/mesh_object.h"

namespace vdr {

// Triangles in file order are grouped in runs of this many, each with its
// bounding box: neighbouring polygons lie near each other, so a ray or a
// sphere skips most runs after one box test.
inline constexpr size_t kTrianglesPerRun = 32;

struct Box {
  Vec3 low, high;
};

struct FrameShape {
  std::vector<Vec3> points;         // welded corner positions
  std::vector<uint32_t> corners;    // three points per triangle
  // Per triangle edge k (corner k to corner k + 1 mod 3): the triangle on
  // its other side, -1 for an open edge. An edge shared by more than two
  // triangles pairs the first two; the others see it open.
  std::vector<int32_t> neighbours;
  Vec3 low, high;                   // bounding box of the points
  std::vector<Box> runs;            // per kTrianglesPerRun triangles

  size_t TriangleCount() const { return corners.size() / 3; }
  Vec3 Corner(size_t triangle, int k) const { return points[corners[triangle * 3 + static_cast<size_t>(k)]]; }
};

// Boundary vertices separate polygons; polygons of fewer than three corners
// add nothing.
FrameShape ShapeOfFrame(const MeshFrame& frame);

}  // namespace vdr
