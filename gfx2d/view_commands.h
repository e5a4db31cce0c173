#pragma once
// Commands of the render context's screen: its size and the viewport that
// 2D coordinates start from.

#include <cstdint>

namespace vdr {

void GetScreenSize(int32_t& width, int32_t& height);
void GetScreenSize(double& width, double& height);
// Sets the drawing rectangle (w or h 0: to the screen's edge) and resets the
// 2D drawing state, after the hook of gfx2d/view_hooks.h.
void SetViewport(double x, double y, double w, double h);
void GetViewport(int32_t& x, int32_t& y, int32_t& w, int32_t& h);
void GetViewport(double& x, double& y, double& w, double& h);

}  // namespace vdr
