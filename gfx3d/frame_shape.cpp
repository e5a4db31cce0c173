#include "gfx3d/frame_shape.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace vdr {
namespace {

struct PointKey {
  uint32_t bits[3];
  bool operator==(const PointKey& other) const { return std::memcmp(bits, other.bits, sizeof bits) == 0; }
};

struct PointHash {
  size_t operator()(const PointKey& k) const {
    return (static_cast<size_t>(k.bits[0]) * 73856093u) ^ (static_cast<size_t>(k.bits[1]) * 19349663u) ^
           (static_cast<size_t>(k.bits[2]) * 83492791u);
  }
};

PointKey KeyOf(const float position[3]) {
  PointKey key;
  for (int i = 0; i < 3; ++i) {
    // -0 and 0 are one position.
    const float p = position[i] == 0 ? 0.0f : position[i];
    std::memcpy(&key.bits[i], &p, sizeof p);
  }
  return key;
}

void LinkNeighbours(FrameShape& shape) {
  shape.neighbours.assign(shape.corners.size(), -1);
  // Edge (low point, high point) -> the first triangle edge seen on it.
  std::unordered_map<uint64_t, size_t> open;
  open.reserve(shape.corners.size());
  for (size_t edge = 0; edge < shape.corners.size(); ++edge) {
    const size_t triangle = edge / 3;
    const uint32_t a = shape.corners[edge], b = shape.corners[triangle * 3 + (edge + 1) % 3];
    if (a == b) continue;
    const uint64_t key = (static_cast<uint64_t>(std::min(a, b)) << 32) | std::max(a, b);
    auto [it, inserted] = open.try_emplace(key, edge);
    if (inserted) continue;
    const size_t first = it->second;
    if (shape.neighbours[first] < 0 && first / 3 != triangle) {
      shape.neighbours[first] = static_cast<int32_t>(triangle);
      shape.neighbours[edge] = static_cast<int32_t>(first / 3);
    }
  }
}

}  // namespace

FrameShape ShapeOfFrame(const MeshFrame& frame) {
  FrameShape shape;
  std::unordered_map<PointKey, uint32_t, PointHash> welded;
  std::vector<uint32_t> polygon;
  auto closePolygon = [&] {
    for (size_t i = 1; i + 1 < polygon.size(); ++i) {
      shape.corners.insert(shape.corners.end(), {polygon[0], polygon[i], polygon[i + 1]});
    }
    polygon.clear();
  };
  for (const MeshVertex& vertex : frame) {
    if (vertex.IsBoundary()) {
      closePolygon();
      continue;
    }
    auto [it, inserted] = welded.try_emplace(KeyOf(vertex.position), static_cast<uint32_t>(shape.points.size()));
    if (inserted) shape.points.push_back({vertex.position[0], vertex.position[1], vertex.position[2]});
    polygon.push_back(it->second);
  }
  closePolygon();
  if (!shape.points.empty()) {
    shape.low = shape.high = shape.points[0];
    for (const Vec3& p : shape.points) {
      shape.low = {std::min(shape.low.x, p.x), std::min(shape.low.y, p.y), std::min(shape.low.z, p.z)};
      shape.high = {std::max(shape.high.x, p.x), std::max(shape.high.y, p.y), std::max(shape.high.z, p.z)};
    }
  }
  for (size_t first = 0; first < shape.TriangleCount(); first += kTrianglesPerRun) {
    const size_t end = std::min(first + kTrianglesPerRun, shape.TriangleCount());
    Box run{shape.Corner(first, 0), shape.Corner(first, 0)};
    for (size_t corner = first * 3; corner < end * 3; ++corner) {
      const Vec3 p = shape.points[shape.corners[corner]];
      run.low = {std::min(run.low.x, p.x), std::min(run.low.y, p.y), std::min(run.low.z, p.z)};
      run.high = {std::max(run.high.x, p.x), std::max(run.high.y, p.y), std::max(run.high.z, p.z)};
    }
    shape.runs.push_back(run);
  }
  LinkNeighbours(shape);
  return shape;
}

}  // namespace vdr
