#pragma once
// Ray and sphere tests against an object frame placed in the world, without
// OpenGL. The ray is tested in object space after inverting the placement;
// the frame's bounding box rejects most misses before any polygon is read.

#include "gfx3d/camera_math.h"
#include "gfx3d/frame_shape.h"

namespace vdr {

// The distance from the origin along the ray (any direction not zero) to the
// nearest polygon of the shape placed by `place`, facing either way, in the
// world's units; -1 when the ray misses it, when the direction is zero and
// when the placement cannot be inverted. A ray that starts on or inside the
// shape hits the first polygon in front of its origin.
float RayDistance(const FrameShape& shape, const Matrix4& place, Vec3 origin, Vec3 direction);

// True when the sphere touches or cuts a polygon of the placed shape. A
// sphere wholly inside a closed shape touches none of its polygons: false.
bool SphereTouches(const FrameShape& shape, const Matrix4& place, Vec3 centre, float radius);

}  // namespace vdr
