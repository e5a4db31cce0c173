#pragma once
// The 2D projection: one unit is one pixel, origin at the viewport's top-left
// corner, y downwards.

namespace vdr {

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const Rect&) const = default;
};

// A width or height of 0 or below means the whole screen (x and y stay).
Rect ResolveViewport(Rect requested, int screenWidth, int screenHeight);
// The OpenGL viewport (origin bottom-left) of a viewport given top-down.
Rect GlViewportFor(Rect viewport, int screenHeight);

}  // namespace vdr
