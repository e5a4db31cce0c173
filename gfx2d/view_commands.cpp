#include "gfx2d/view_commands.h"

#include "gfx2d/render_context.h"
#include "gfx2d/view_hooks.h"
#include "runtime/number_text.h"

namespace vdr {
namespace {

void (*g_viewportHook)() = nullptr;

}  // namespace

void GetScreenSize(int32_t& w, int32_t& h) {
  const OpenGLLumet* context = ActiveRenderContext();
  w = context != nullptr ? context->Width() : 0;
  h = context != nullptr ? context->Height() : 0;
}

void GetScreenSize(double& w, double& h) {
  int32_t wi, hi;
  GetScreenSize(wi, hi);
  w = wi;
  h = hi;
}

void SetViewportCommandHook(void (*hook)()) { g_viewportHook = hook; }

void SetViewport(double x, double y, double w, double h) {
  if (g_viewportHook != nullptr) g_viewportHook();
  OpenGLLumet* context = ActiveRenderContext();
  if (context != nullptr) context->SetViewport(ToInt(x), ToInt(y), ToInt(w), ToInt(h));
}

void GetViewport(int32_t& x, int32_t& y, int32_t& w, int32_t& h) {
  const OpenGLLumet* context = ActiveRenderContext();
  const Rect viewport = context != nullptr ? context->Viewport() : Rect{};
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

}  // namespace vdr
