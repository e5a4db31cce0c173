#pragma once
// Shadow volumes of object frames, without OpenGL. Triangles facing the
// shadow light are the volume's near cap; the same triangles pushed away
// from the light are its far cap; the silhouette edges (an edge between a
// triangle facing the light and one turned away, or an open edge of a
// facing triangle) are extruded into its sides. The volume is closed, so a
// stencil value inverted by each of its faces in front of a pixel ends odd
// exactly when the pixel lies in it (with the eye outside every volume).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx3d/camera_math.h"
#include "gfx3d/frame_shape.h"

namespace vdr {

// Per triangle of the placed points: 1 when its counter-clockwise side faces
// the light (a triangle seen edge-on faces away).
void FacingLight(const FrameShape& shape, const std::vector<Vec3>& placed, Vec3 light, std::vector<uint8_t>& facing);

// The silhouette edges as pairs of point indexes, in the order their facing
// triangle runs them.
void SilhouetteEdges(const FrameShape& shape, const std::vector<uint8_t>& facing, std::vector<uint32_t>& edges);

// Reused between frames so building a volume allocates nothing once warm.
struct ShadowScratch {
  std::vector<Vec3> placed;
  std::vector<uint8_t> facing;
  std::vector<uint32_t> edges;
};

// Appends the volume cast by the shape placed by `place` from a point light
// at `light` (both in the world) to `out` as triangles of x, y, z floats in
// the world, the far cap `length` beyond each point.
void AppendShadowVolume(const FrameShape& shape, const Matrix4& place, Vec3 light, float length,
                        ShadowScratch& scratch, std::vector<float>& out);

}  // namespace vdr
