#include "gfx2d/viewport.h"

namespace vdr {

Rect ResolveViewport(Rect requested, int screenWidth, int screenHeight) {
  if (requested.w <= 0 || requested.h <= 0) {
    requested.w = screenWidth;
    requested.h = screenHeight;
  }
  return requested;
}

Rect GlViewportFor(Rect viewport, int screenHeight) {
  return Rect{viewport.x, screenHeight - viewport.h - viewport.y, viewport.w, viewport.h};
}

}  // namespace vdr
