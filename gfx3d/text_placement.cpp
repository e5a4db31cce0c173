#include "gfx3d/text_placement.h"

#include <utility>

namespace vdr {

TextPlane PlaneFacingCamera(const Matrix4& camera, Vec3 centre) {
  // The rows of the view's rotation are the camera's axes in the world.
  return {centre, Normalised({camera[0], camera[4], camera[8]}), Normalised({camera[1], camera[5], camera[9]})};
}

void PlaceTextOnPlane(TextVertex* vertices, size_t count, float width, float height, const TextPlane& plane,
                      float size) {
  for (size_t i = 0; i < count; ++i) {
    TextVertex& v = vertices[i];
    const Vec3 p = plane.centre + plane.right * ((v.x - width / 2) * size) + plane.up * ((height / 2 - v.y) * size);
    v.x = p.x;
    v.y = p.y;
    v.z = p.z;
  }
  // Turning y upwards mirrors the strip: each vertex pair (bottom, top)
  // swaps so its triangles run counter-clockwise again.
  for (size_t i = 0; i + 1 < count; i += 2) std::swap(vertices[i], vertices[i + 1]);
}

}  // namespace vdr
