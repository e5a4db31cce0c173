#include "gfx3d/mesh_layout.h"

#include <algorithm>
#include <cmath>

namespace vdr {
namespace {

DrawVertex ToDrawVertex(const MeshVertex& v) {
  DrawVertex d;
  for (int i = 0; i < 3; ++i) {
    d.position[i] = v.position[i];
    d.normal[i] = v.normal[i];
  }
  d.uv[0] = v.u;
  d.uv[1] = v.v;
  for (int i = 0; i < 4; ++i) d.rgba[i] = static_cast<uint8_t>(std::lround(std::clamp(v.rgba[i], 0.0f, 1.0f) * 255));
  return d;
}

void Bound(const DrawVertex* vertices, int32_t count, FrameRange& range) {
  if (count == 0) return;
  float low[3], high[3];
  for (int i = 0; i < 3; ++i) low[i] = high[i] = vertices[0].position[i];
  for (int32_t v = 1; v < count; ++v) {
    for (int i = 0; i < 3; ++i) {
      low[i] = std::min(low[i], vertices[v].position[i]);
      high[i] = std::max(high[i], vertices[v].position[i]);
    }
  }
  range.centre = {(low[0] + high[0]) / 2, (low[1] + high[1]) / 2, (low[2] + high[2]) / 2};
  float radius = 0;
  for (int32_t v = 0; v < count; ++v) {
    const float* p = vertices[v].position;
    const float dx = p[0] - range.centre.x, dy = p[1] - range.centre.y, dz = p[2] - range.centre.z;
    radius = std::max(radius, std::sqrt(dx * dx + dy * dy + dz * dz));
  }
  range.radius = radius;
}

}  // namespace

void FrameVertices(const MeshFrame& frame, std::vector<DrawVertex>& out) {
  out.clear();
  for (const MeshVertex& vertex : frame) {
    if (!vertex.IsBoundary()) out.push_back(ToDrawVertex(vertex));
  }
}

void BlendFrames(const MeshFrame& a, const MeshFrame& b, float t, std::vector<DrawVertex>& out) {
  out.clear();
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i].IsBoundary()) continue;
    DrawVertex d = ToDrawVertex(a[i]);
    float length = 0;
    for (int k = 0; k < 3; ++k) {
      d.position[k] += (b[i].position[k] - a[i].position[k]) * t;
      d.normal[k] += (b[i].normal[k] - a[i].normal[k]) * t;
      length += d.normal[k] * d.normal[k];
    }
    length = std::sqrt(length);
    if (length > 1e-7f) {
      for (float& n : d.normal) n /= length;
    }
    out.push_back(d);
  }
}

MeshLayout LayOutMesh(const MeshObject& mesh) {
  MeshLayout layout;
  std::vector<DrawVertex> frameVertices;
  for (const MeshFrame& frame : mesh.frames) {
    FrameRange range;
    range.firstVertex = static_cast<int64_t>(layout.vertices.size());
    range.firstIndex = static_cast<int64_t>(layout.indices.size());
    FrameVertices(frame, frameVertices);
    layout.vertices.insert(layout.vertices.end(), frameVertices.begin(), frameVertices.end());
    range.vertexCount = static_cast<int32_t>(frameVertices.size());
    Bound(frameVertices.data(), range.vertexCount, range);
    // Each polygon's corners as a fan around its first corner.
    uint32_t corner = 0, polygonStart = 0;
    auto closePolygon = [&] {
      for (uint32_t i = polygonStart + 1; i + 1 < corner; ++i) {
        layout.indices.insert(layout.indices.end(), {polygonStart, i, i + 1});
      }
      polygonStart = corner;
    };
    for (const MeshVertex& vertex : frame) {
      if (vertex.IsBoundary()) {
        closePolygon();
      } else {
        ++corner;
      }
    }
    closePolygon();
    range.indexCount = static_cast<int32_t>(layout.indices.size() - static_cast<size_t>(range.firstIndex));
    layout.frames.push_back(range);
  }
  return layout;
}

}  // namespace vdr
