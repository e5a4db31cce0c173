#pragma once
// The arithmetic of the 3D projection and camera, without OpenGL: the
// runtime's tangent, the frustum or orthographic box of Begin3D, the look-at
// matrix, the view-volume planes and the test of a sphere against them.
// Matrices are column-major, as OpenGL keeps them.

#include <array>

namespace vdr {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(Vec3 a, Vec3 b);
// The vector scaled to length 1; a zero vector stays zero.
Vec3 Normalised(Vec3 v);

using Matrix4 = std::array<float, 16>;
inline constexpr Matrix4 kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

Matrix4 Multiply(const Matrix4& a, const Matrix4& b);
Vec3 TransformPoint(const Matrix4& m, Vec3 p);
// The linear part alone: a direction, not moved by the translation.
Vec3 TransformDirection(const Matrix4& m, Vec3 d);
// The inverse of an affine matrix (last row 0, 0, 0, 1); false, with `out`
// untouched, when it has none (a scale of 0 along some axis).
bool InvertAffine(const Matrix4& m, Matrix4& out);

// The runtime's single-precision tangent: a polynomial in e without range
// reduction, exact for the angles of fields of view up to 45 degrees.
float RuntimeTangent(float e);

// tan(min(fov + 5, 89) degrees); tan(89 degrees) for an orthographic view.
float VisibilityTangent(float fov);

// The projection Begin3D sets: a frustum for fov > 0, else an orthographic
// box 100 times as large as the frustum's near face of -fov.
struct ProjectionBox {
  float left, right, bottom, top, nearPlane, farPlane;
  bool orthographic;
};
ProjectionBox ProjectionFor(float nearPlane, float farPlane, float fov, float aspect);
Matrix4 ProjectionMatrix(const ProjectionBox& box);

// The classic look-at from eye towards target with `up` upwards. Eye equal
// to target leaves the forward axis zero: the view only translates by -eye.
Matrix4 LookAt(Vec3 eye, Vec3 target, Vec3 up);

// The ray through a point of the view given in normalised device
// coordinates (-1..1, y up), in the coordinates the camera matrix takes in:
// from the eye for a frustum, from the eye's plane for an orthographic box.
// False when the camera matrix has no inverse.
bool ViewRay(const Matrix4& projection, const Matrix4& camera, float ndcX, float ndcY, Vec3& origin,
             Vec3& direction);

// A plane with a unit normal: points p with n . p + d >= 0 are inside.
struct Plane {
  float nx, ny, nz, d;
};
using ViewPlanes = std::array<Plane, 6>;  // left, right, bottom, top, near, far

// The planes of C = projection x modelView, in the coordinates that
// modelView takes in (the world, for the camera matrix).
ViewPlanes PlanesOf(const Matrix4& projection, const Matrix4& modelView);
// True when the sphere lies wholly outside one of the planes.
bool SphereOutside(const ViewPlanes& planes, Vec3 centre, float radius);

}  // namespace vdr
