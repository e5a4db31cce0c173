#pragma once
// How an object is laid out for drawing, without OpenGL: every frame's
// corners as one run of vertices, its polygons as triangle fans over them
// (indexes counted from the frame's first vertex), and a bounding sphere per
// frame for the view-volume test.

#include <cstdint>
#include <vector>

#include "gfx3d/camera_math.h"
#include "gfx3d/mesh_object.h"

namespace vdr {

struct DrawVertex {
  float position[3];
  float normal[3];
  float uv[2];
  uint8_t rgba[4];
};

struct FrameRange {
  int64_t firstVertex = 0;
  int32_t vertexCount = 0;
  int64_t firstIndex = 0;
  int32_t indexCount = 0;
  Vec3 centre;
  float radius = 0;
};

struct MeshLayout {
  std::vector<DrawVertex> vertices;
  std::vector<uint32_t> indices;
  std::vector<FrameRange> frames;
};

// Boundary vertices carry no geometry and are left out; a polygon of fewer
// than three corners draws nothing.
MeshLayout LayOutMesh(const MeshObject& mesh);

// The drawn vertices of a frame (boundaries left out).
void FrameVertices(const MeshFrame& frame, std::vector<DrawVertex>& out);
// Frame a blended towards frame b by t (0: a, 1: b), normals renormalised;
// the frames must have the same vertex count.
void BlendFrames(const MeshFrame& a, const MeshFrame& b, float t, std::vector<DrawVertex>& out);

}  // namespace vdr
