// Commands of the render context: screen size, viewport and display mode.

#include "app/engine_state.h"
#include "app/frame_cycle.h"
#include "gfx2d/render_context.h"
#include "input/input_context.h"
#include "runtime/number_text.h"

namespace vdr {

void SetViewport(double x, double y, double w, double h) {
  OpenGLLumet* context = ActiveRenderContext();
  if (context != nullptr) context->SetViewport(ToInt(x), ToInt(y), ToInt(w), ToInt(h));
}

void GetViewport(int32_t& x, int32_t& y, int32_t& w, int32_t& h) {
  const OpenGLLumet* context = ActiveRenderContext();
  const Rect viewport = context != nullptr ? context->viewport : Rect{};
  x = viewport.x;
  y = viewport.y;
  w = viewport.w;
  h = viewport.h;
}

void GetViewport(double& x, double& y, double& w, double& h) {
  int32_t xi, yi, wi, hi;
  GetViewport(xi, yi, wi, hi);
  x = xi;
  y = yi;
  w = wi;
  h = hi;
}

void SetScreen(double width, double height, double fullScreenFlag) {
  OpenGLLumet* context = ActiveRenderContext();
  if (context == nullptr) return;
  ProjectSettings& settings = Settings();
  settings.screenWidth = ToInt(width);
  settings.screenHeight = ToInt(height);
  settings.fullScreen = ToInt(fullScreenFlag);
  context->SetScreen(settings.screenWidth, settings.screenHeight, 0, settings.fullScreen);
  if (InputContext* input = ActiveInput()) input->WindowChanged(context->window);
  for (int frame = 0; frame < 5; ++frame) ShowScreen();
}

}  // namespace vdr
