#pragma once
// What the screen and background stores ask of the render context that owns
// them: the logical screen's size, the drawing rectangle, and rectangles and
// pixels drawn under the colour key's rules (copying screens and the colour
// key probe draw with them).

#include <cstdint>

#include "gfx2d/viewport.h"

namespace vdr {

class TargetCanvas {
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual const Rect& Viewport() const = 0;
  // Sets the drawing rectangle and resets the 2D drawing state.
  virtual void SetViewport(int x, int y, int w, int h) = 0;
  // The sprite colour key, also that of primitives.
  virtual int32_t ColourKey() const = 0;
  virtual void DrawRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t colour) = 0;
  virtual void SetPixel(int32_t x, int32_t y, int32_t colour) = 0;

 protected:
  ~TargetCanvas() = default;
};

}  // namespace vdr
