#include "gfx3d/collision_tests.h"

#include <algorithm>
#include <cmath>

namespace vdr {
namespace {

float Component(Vec3 v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

// The entry parameter of the ray into the box (0 when it starts inside), or
// -1 when it misses it.
float EntryIntoBox(Vec3 low, Vec3 high, Vec3 origin, Vec3 direction) {
  float enter = 0, leave = INFINITY;
  for (int axis = 0; axis < 3; ++axis) {
    const float o = Component(origin, axis), d = Component(direction, axis);
    const float lo = Component(low, axis), hi = Component(high, axis);
    if (d == 0) {
      if (o < lo || o > hi) return -1;
      continue;
    }
    float t0 = (lo - o) / d, t1 = (hi - o) / d;
    if (t0 > t1) std::swap(t0, t1);
    enter = std::max(enter, t0);
    leave = std::min(leave, t1);
    if (enter > leave) return -1;
  }
  return enter;
}

// The ray parameter of the hit on triangle abc (either side), or -1.
float HitTriangle(Vec3 a, Vec3 b, Vec3 c, Vec3 origin, Vec3 direction) {
  const Vec3 ab = b - a, ac = c - a;
  const Vec3 p = Cross(direction, ac);
  const float determinant = Dot(ab, p);
  if (std::fabs(determinant) < 1e-20f) return -1;  // parallel to the plane, or a degenerate triangle
  const float k = 1 / determinant;
  const Vec3 s = origin - a;
  const float u = Dot(s, p) * k;
  if (u < 0 || u > 1) return -1;
  const Vec3 q = Cross(s, ab);
  const float v = Dot(direction, q) * k;
  if (v < 0 || u + v > 1) return -1;
  const float t = Dot(ac, q) * k;
  return t >= 0 ? t : -1;
}

// The point of triangle abc nearest to p.
Vec3 NearestOnTriangle(Vec3 p, Vec3 a, Vec3 b, Vec3 c) {
  const Vec3 ab = b - a, ac = c - a, ap = p - a;
  const float d1 = Dot(ab, ap), d2 = Dot(ac, ap);
  if (d1 <= 0 && d2 <= 0) return a;
  const Vec3 bp = p - b;
  const float d3 = Dot(ab, bp), d4 = Dot(ac, bp);
  if (d3 >= 0 && d4 <= d3) return b;
  const float vc = d1 * d4 - d3 * d2;
  if (vc <= 0 && d1 >= 0 && d3 <= 0) return a + ab * (d1 / (d1 - d3));
  const Vec3 cp = p - c;
  const float d5 = Dot(ab, cp), d6 = Dot(ac, cp);
  if (d6 >= 0 && d5 <= d6) return c;
  const float vb = d5 * d2 - d1 * d6;
  if (vb <= 0 && d2 >= 0 && d6 <= 0) return a + ac * (d2 / (d2 - d6));
  const float va = d3 * d6 - d5 * d4;
  if (va <= 0 && d4 - d3 >= 0 && d5 - d6 >= 0) return b + (c - b) * ((d4 - d3) / ((d4 - d3) + (d5 - d6)));
  const float denominator = va + vb + vc;
  if (denominator == 0) return a;  // a degenerate triangle: its first corner stands for it
  return a + ab * (vb / denominator) + ac * (vc / denominator);
}

}  // namespace

float RayDistance(const FrameShape& shape, const Matrix4& place, Vec3 origin, Vec3 direction) {
  const float length = std::sqrt(Dot(direction, direction));
  if (!(length > 0) || !std::isfinite(length) || shape.corners.empty()) return -1;
  Matrix4 inverse;
  if (!InvertAffine(place, inverse)) return -1;
  // The ray's parameter is the same in both spaces: a hit at t lies t x
  // |direction| from the origin in the world.
  const Vec3 o = TransformPoint(inverse, origin), d = TransformDirection(inverse, direction);
  if (EntryIntoBox(shape.low, shape.high, o, d) < 0) return -1;
  float nearest = INFINITY;
  for (size_t run = 0; run < shape.runs.size(); ++run) {
    const float entry = EntryIntoBox(shape.runs[run].low, shape.runs[run].high, o, d);
    if (entry < 0 || entry > nearest) continue;
    const size_t end = std::min((run + 1) * kTrianglesPerRun, shape.TriangleCount());
    for (size_t t = run * kTrianglesPerRun; t < end; ++t) {
      const float hit = HitTriangle(shape.Corner(t, 0), shape.Corner(t, 1), shape.Corner(t, 2), o, d);
      if (hit >= 0 && hit < nearest) nearest = hit;
    }
  }
  return std::isfinite(nearest) ? nearest * length : -1;
}

bool SphereTouches(const FrameShape& shape, const Matrix4& place, Vec3 centre, float radius) {
  if (!(radius >= 0) || shape.corners.empty()) return false;
  Matrix4 inverse;
  if (!InvertAffine(place, inverse)) return false;
  // The sphere in object space is an ellipsoid; its box has the half
  // extents radius x the length of each row of the inverse's linear part.
  const Vec3 c = TransformPoint(inverse, centre);
  Vec3 reach;
  for (int row = 0; row < 3; ++row) {
    const float extent = radius * std::sqrt(inverse[static_cast<size_t>(row)] * inverse[static_cast<size_t>(row)] +
                                            inverse[static_cast<size_t>(row + 4)] * inverse[static_cast<size_t>(row + 4)] +
                                            inverse[static_cast<size_t>(row + 8)] * inverse[static_cast<size_t>(row + 8)]);
    (row == 0 ? reach.x : row == 1 ? reach.y : reach.z) = extent;
  }
  const Vec3 low = c - reach, high = c + reach;
  auto apart = [&](Vec3 lo, Vec3 hi) {
    return hi.x < low.x || lo.x > high.x || hi.y < low.y || lo.y > high.y || hi.z < low.z || lo.z > high.z;
  };
  if (apart(shape.low, shape.high)) return false;
  // Polygons near the ellipsoid's box are measured in the world, where the
  // sphere is round whatever the scale.
  const float squared = radius * radius;
  for (size_t t = 0; t < shape.TriangleCount(); ++t) {
    if (t % kTrianglesPerRun == 0 && apart(shape.runs[t / kTrianglesPerRun].low, shape.runs[t / kTrianglesPerRun].high)) {
      t += kTrianglesPerRun - 1;
      continue;
    }
    const Vec3 a = shape.Corner(t, 0), b = shape.Corner(t, 1), e = shape.Corner(t, 2);
    const Vec3 lo{std::min({a.x, b.x, e.x}), std::min({a.y, b.y, e.y}), std::min({a.z, b.z, e.z})};
    const Vec3 hi{std::max({a.x, b.x, e.x}), std::max({a.y, b.y, e.y}), std::max({a.z, b.z, e.z})};
    if (apart(lo, hi)) continue;
    const Vec3 nearest =
        NearestOnTriangle(centre, TransformPoint(place, a), TransformPoint(place, b), TransformPoint(place, e));
    const Vec3 gap = nearest - centre;
    if (Dot(gap, gap) <= squared) return true;
  }
  return false;
}

}  // namespace vdr
