#include "gfx3d/shadow_volume.h"

namespace vdr {

void FacingLight(const FrameShape& shape, const std::vector<Vec3>& placed, Vec3 light, std::vector<uint8_t>& facing) {
  facing.resize(shape.TriangleCount());
  for (size_t t = 0; t < facing.size(); ++t) {
    const Vec3 a = placed[shape.corners[t * 3]], b = placed[shape.corners[t * 3 + 1]],
               c = placed[shape.corners[t * 3 + 2]];
    facing[t] = Dot(Cross(b - a, c - a), light - a) > 0 ? 1 : 0;
  }
}

void SilhouetteEdges(const FrameShape& shape, const std::vector<uint8_t>& facing, std::vector<uint32_t>& edges) {
  edges.clear();
  for (size_t edge = 0; edge < shape.neighbours.size(); ++edge) {
    const size_t triangle = edge / 3;
    if (facing[triangle] == 0) continue;
    const int32_t other = shape.neighbours[edge];
    if (other >= 0 && facing[static_cast<size_t>(other)] != 0) continue;
    edges.push_back(shape.corners[edge]);
    edges.push_back(shape.corners[triangle * 3 + (edge + 1) % 3]);
  }
}

void AppendShadowVolume(const FrameShape& shape, const Matrix4& place, Vec3 light, float length,
                        ShadowScratch& scratch, std::vector<float>& out) {
  std::vector<Vec3>& placed = scratch.placed;
  placed.resize(shape.points.size());
  for (size_t p = 0; p < placed.size(); ++p) placed[p] = TransformPoint(place, shape.points[p]);
  FacingLight(shape, placed, light, scratch.facing);
  SilhouetteEdges(shape, scratch.facing, scratch.edges);
  auto far = [&](Vec3 p) { return p + Normalised(p - light) * length; };
  auto put = [&out](Vec3 p) { out.insert(out.end(), {p.x, p.y, p.z}); };
  for (size_t t = 0; t < scratch.facing.size(); ++t) {
    if (scratch.facing[t] == 0) continue;
    const Vec3 a = placed[shape.corners[t * 3]], b = placed[shape.corners[t * 3 + 1]],
               c = placed[shape.corners[t * 3 + 2]];
    put(a), put(b), put(c);
    put(far(a)), put(far(c)), put(far(b));
  }
  for (size_t e = 0; e < scratch.edges.size(); e += 2) {
    const Vec3 a = placed[scratch.edges[e]], b = placed[scratch.edges[e + 1]];
    const Vec3 farA = far(a), farB = far(b);
    put(b), put(a), put(farA);
    put(b), put(farA), put(farB);
  }
}

}  // namespace vdr
