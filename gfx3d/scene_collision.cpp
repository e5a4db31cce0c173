// Ray and sphere tests against the scene's objects in their current pose.

#include "gfx2d/render_context.h"
#include "gfx3d/collision_tests.h"
#include "gfx3d/lumet3d.h"

namespace vdr {

float Lumet3D::RayDistance(int32_t slot, int32_t frame, Vec3 origin, Vec3 direction) const {
  const SceneObject* object = ObjectFrame(slot, frame);
  if (object == nullptr) return -1;
  return vdr::RayDistance(object->shapes[static_cast<size_t>(frame)], transform.matrix, origin, direction);
}

bool Lumet3D::SphereTouches(int32_t slot, int32_t frame, Vec3 centre, float radius) const {
  const SceneObject* object = ObjectFrame(slot, frame);
  return object != nullptr &&
         vdr::SphereTouches(object->shapes[static_cast<size_t>(frame)], transform.matrix, centre, radius);
}

float Lumet3D::ScreenRayDistance(int32_t slot, int32_t frame, float x, float y) const {
  const Rect& view = context_->Viewport();
  if (view.w <= 0 || view.h <= 0) return -1;
  // Pixel centres, rows from the top.
  const float ndcX = (x + 0.5f - static_cast<float>(view.x)) / static_cast<float>(view.w) * 2 - 1;
  const float ndcY = 1 - (y + 0.5f - static_cast<float>(view.y)) / static_cast<float>(view.h) * 2;
  Vec3 origin, direction;
  if (!ViewRay(projectionMatrix, cameraMatrix, ndcX, ndcY, origin, direction)) return -1;
  return RayDistance(slot, frame, origin, direction);
}

}  // namespace vdr
