#include "gfx3d/camera_math.h"

#include <algorithm>
#include <cmath>

namespace vdr {
namespace {

constexpr float kDegree = 0.017453292f;
constexpr float kRadians89 = 1.5533430f;
constexpr float kPi = 3.1415927f;

}  // namespace

Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

Vec3 Normalised(Vec3 v) {
  const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  if (length == 0) return v;
  return {v.x / length, v.y / length, v.z / length};
}

Matrix4 Multiply(const Matrix4& a, const Matrix4& b) {
  Matrix4 c{};
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      float sum = 0;
      for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[column * 4 + k];
      c[column * 4 + row] = sum;
    }
  }
  return c;
}

Vec3 TransformPoint(const Matrix4& m, Vec3 p) {
  return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
          m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

Vec3 TransformDirection(const Matrix4& m, Vec3 d) {
  return {m[0] * d.x + m[4] * d.y + m[8] * d.z, m[1] * d.x + m[5] * d.y + m[9] * d.z,
          m[2] * d.x + m[6] * d.y + m[10] * d.z};
}

bool InvertAffine(const Matrix4& m, Matrix4& out) {
  // The linear part's inverse by cofactors (columns a, b, c), then the
  // translation moved back through it.
  const Vec3 a{m[0], m[1], m[2]}, b{m[4], m[5], m[6]}, c{m[8], m[9], m[10]};
  const Vec3 bc = Cross(b, c), ca = Cross(c, a), ab = Cross(a, b);
  const float determinant = Dot(a, bc);
  if (!std::isfinite(determinant) || std::fabs(determinant) < 1e-30f) return false;
  const float k = 1 / determinant;
  // Rows of the inverse are bc, ca and ab over the determinant.
  Matrix4 r = {bc.x * k, ca.x * k, ab.x * k, 0, bc.y * k, ca.y * k, ab.y * k, 0,
               bc.z * k, ca.z * k, ab.z * k, 0, 0,        0,        0,        1};
  const Vec3 t = TransformDirection(r, {m[12], m[13], m[14]});
  r[12] = -t.x;
  r[13] = -t.y;
  r[14] = -t.z;
  out = r;
  return true;
}

bool ViewRay(const Matrix4& projection, const Matrix4& camera, float ndcX, float ndcY, Vec3& origin,
             Vec3& direction) {
  Matrix4 eyeToWorld;
  if (!InvertAffine(camera, eyeToWorld) || projection[0] == 0 || projection[5] == 0) return false;
  Vec3 eyeOrigin{0, 0, 0}, eyeDirection{0, 0, -1};
  if (projection[11] != 0) {
    // A frustum: ndc = (P0 x + P8 z) / -z, so at z = -1 the point is this.
    eyeDirection = {(ndcX + projection[8]) / projection[0], (ndcY + projection[9]) / projection[5], -1};
  } else {
    eyeOrigin = {(ndcX - projection[12]) / projection[0], (ndcY - projection[13]) / projection[5], 0};
  }
  origin = TransformPoint(eyeToWorld, eyeOrigin);
  direction = TransformDirection(eyeToWorld, eyeDirection);
  return true;
}

float RuntimeTangent(float e) {
  const float r = e * e;
  return e * (1 + r * (0.3333314f + r * (0.1333924f + r * (0.05337406f + r * (0.02456509f +
                                                                            r * (0.002900525f + r * 0.009516809f))))));
}

float VisibilityTangent(float fov) {
  if (!(fov > 0)) return std::tan(kRadians89);
  const float degrees = std::min(fov + 5, 89.0f);
  return degrees >= 89.0f ? std::tan(kRadians89) : std::tan(degrees * kDegree);
}

ProjectionBox ProjectionFor(float nearPlane, float farPlane, float fov, float aspect) {
  const bool orthographic = !(fov > 0);
  const float e = (orthographic ? -fov : fov) * kPi / 360;
  const float h = nearPlane * RuntimeTangent(e) * (orthographic ? 100.0f : 1.0f);
  return {-aspect * h, aspect * h, -h, h, nearPlane, farPlane, orthographic};
}

Matrix4 ProjectionMatrix(const ProjectionBox& b) {
  const float w = b.right - b.left, h = b.top - b.bottom, d = b.farPlane - b.nearPlane;
  Matrix4 m{};
  if (b.orthographic) {
    m[0] = 2 / w;
    m[5] = 2 / h;
    m[10] = -2 / d;
    m[12] = -(b.right + b.left) / w;
    m[13] = -(b.top + b.bottom) / h;
    m[14] = -(b.farPlane + b.nearPlane) / d;
    m[15] = 1;
  } else {
    m[0] = 2 * b.nearPlane / w;
    m[5] = 2 * b.nearPlane / h;
    m[8] = (b.right + b.left) / w;
    m[9] = (b.top + b.bottom) / h;
    m[10] = -(b.farPlane + b.nearPlane) / d;
    m[11] = -1;
    m[14] = -2 * b.farPlane * b.nearPlane / d;
  }
  return m;
}

Matrix4 LookAt(Vec3 eye, Vec3 target, Vec3 up) {
  const Vec3 f = Normalised({eye.x - target.x, eye.y - target.y, eye.z - target.z});
  const Vec3 s = Normalised(Cross(up, f));
  const Vec3 u = Normalised(Cross(f, s));
  Matrix4 m = kIdentity;
  // Rows S, U and F; with eye at the target there is no direction to turn
  // to, and the view only moves.
  if (f.x != 0 || f.y != 0 || f.z != 0) {
    m[0] = s.x, m[4] = s.y, m[8] = s.z;
    m[1] = u.x, m[5] = u.y, m[9] = u.z;
    m[2] = f.x, m[6] = f.y, m[10] = f.z;
  }
  Matrix4 translate = kIdentity;
  translate[12] = -eye.x, translate[13] = -eye.y, translate[14] = -eye.z;
  return Multiply(m, translate);
}

ViewPlanes PlanesOf(const Matrix4& projection, const Matrix4& modelView) {
  const Matrix4 c = Multiply(projection, modelView);
  auto row = [&c](int i, int k) { return c[k * 4 + i]; };
  ViewPlanes planes{};
  for (int axis = 0; axis < 3; ++axis) {
    for (int side = 0; side < 2; ++side) {
      const float sign = side == 0 ? 1.0f : -1.0f;
      float p[4];
      for (int k = 0; k < 4; ++k) p[k] = row(3, k) + sign * row(axis, k);
      float length = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
      if (length == 0) length = 1;
      planes[static_cast<size_t>(axis * 2 + side)] = {p[0] / length, p[1] / length, p[2] / length, p[3] / length};
    }
  }
  return planes;
}

bool SphereOutside(const ViewPlanes& planes, Vec3 centre, float radius) {
  for (const Plane& p : planes) {
    if (p.nx * centre.x + p.ny * centre.y + p.nz * centre.z + p.d < -radius) return true;
  }
  return false;
}

}  // namespace vdr
