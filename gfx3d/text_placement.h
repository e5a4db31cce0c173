#pragma once
// Text of the bitmap fonts on a plane of the 3D scene, without OpenGL: the
// vertices a font lays out in pixels (y down from the pen) moved onto a
// plane through a point, with its middle there.

#include <cstddef>

#include "gfx2d/font_layout.h"
#include "gfx3d/camera_math.h"

namespace vdr {

// A plane through `centre` spanned by the text's rightward and upward axes
// (in the world; their lengths scale the text along them).
struct TextPlane {
  Vec3 centre, right, up;
};

// The plane through `centre` that faces the camera: the camera's own right
// and up axes.
TextPlane PlaneFacingCamera(const Matrix4& camera, Vec3 centre);

// Moves `count` vertices of text `width` x `height` pixels onto the plane,
// each pixel `size` units along its axes. Seen from the side the plane's
// axes show right and up, the text reads left to right and its triangles
// run counter-clockwise.
void PlaceTextOnPlane(TextVertex* vertices, size_t count, float width, float height, const TextPlane& plane,
                      float size);

}  // namespace vdr
