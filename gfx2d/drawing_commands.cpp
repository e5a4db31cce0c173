#include "gfx2d/drawing_commands.h"

#include "gfx2d/render_context.h"
#include "runtime/number_text.h"

namespace vdr {
namespace {

float F(double value) { return static_cast<float>(value); }

}  // namespace

void AlphaMode(double level) {
  if (OpenGLLumet* c = ActiveRenderContext()) c->AlphaMode(F(level));
}

void SmoothShading(double flag) {
  if (OpenGLLumet* c = ActiveRenderContext()) c->Sprites().SetSmoothing(flag != 0);
}

void DrawSprite(double slot, double x, double y) {
  if (OpenGLLumet* c = ActiveRenderContext()) c->Sprites().DrawSprite(ToInt(slot), ToInt(x), ToInt(y));
}

void StretchSprite(double slot, double x, double y, double w, double h) {
  if (OpenGLLumet* c = ActiveRenderContext()) {
    c->Sprites().StretchSprite(ToInt(slot), ToInt(x), ToInt(y), ToInt(w), ToInt(h));
  }
}

void ZoomSprite(double slot, double x, double y, double sx, double sy) {
  if (OpenGLLumet* c = ActiveRenderContext()) c->Sprites().ZoomSprite(ToInt(slot), ToInt(x), ToInt(y), F(sx), F(sy));
}

void RotoSprite(double slot, double x, double y, double angle) { RotoZoomSprite(slot, x, y, angle, 1); }

void RotoZoomSprite(double slot, double x, double y, double angle, double zoom) {
  if (OpenGLLumet* c = ActiveRenderContext()) {
    c->Sprites().RotoZoomSprite(ToInt(slot), ToInt(x), ToInt(y), F(angle), F(zoom));
  }
}

void SetSpriteAnim(double slot, double frameWidth, double frameHeight) {
  if (OpenGLLumet* c = ActiveRenderContext()) {
    c->Sprites().SetSpriteAnim(ToInt(slot), ToInt(frameWidth), ToInt(frameHeight));
  }
}

void DrawAnim(double slot, double frame, double x, double y) {
  if (OpenGLLumet* c = ActiveRenderContext()) c->Sprites().DrawAnim(ToInt(slot), ToInt(frame), ToInt(x), ToInt(y));
}

void StretchAnim(double slot, double frame, double x, double y, double w, double h) {
  if (OpenGLLumet* c = ActiveRenderContext()) {
    c->Sprites().StretchAnim(ToInt(slot), ToInt(frame), ToInt(x), ToInt(y), ToInt(w), ToInt(h));
  }
}

void RotoZoomAnim(double slot, double frame, double x, double y, double angle, double zoom) {
  if (OpenGLLumet* c = ActiveRenderContext()) {
    c->Sprites().RotoZoomAnim(ToInt(slot), ToInt(frame), ToInt(x), ToInt(y), F(angle), F(zoom));
  }
}

void DrawRect(double x, double y, double w, double h, double colour) {
  if (OpenGLLumet* c = ActiveRenderContext()) c->DrawRect(ToInt(x), ToInt(y), ToInt(w), ToInt(h), ToInt(colour));
}

void DrawLine(double x1, double y1, double x2, double y2, double colour) {
  if (OpenGLLumet* c = ActiveRenderContext()) {
    c->DrawLine(ToInt(x1), ToInt(y1), ToInt(x2), ToInt(y2), ToInt(colour));
  }
}

void SetPixel(double x, double y, double colour) {
  if (OpenGLLumet* c = ActiveRenderContext()) c->SetPixel(ToInt(x), ToInt(y), ToInt(colour));
}

void StartPoly(double slot, double mode) {
  if (OpenGLLumet* c = ActiveRenderContext()) c->StartPoly(ToInt(slot), ToInt(mode));
}

void PolyVector(double x, double y, double tx, double ty, double colour) {
  if (OpenGLLumet* c = ActiveRenderContext()) c->PolyVector(F(x), F(y), F(tx), F(ty), ToInt(colour));
}

void PolyNewStrip() {
  if (OpenGLLumet* c = ActiveRenderContext()) c->PolyNewStrip();
}

void EndPoly() {
  if (OpenGLLumet* c = ActiveRenderContext()) c->EndPoly();
}

int32_t SpriteCollision(double slot1, double x1, double y1, double slot2, double x2, double y2) {
  OpenGLLumet* c = ActiveRenderContext();
  return c != nullptr &&
         c->Sprites().SpriteCollision(ToInt(slot1), ToInt(x1), ToInt(y1), ToInt(slot2), ToInt(x2), ToInt(y2));
}

int32_t AnimCollision(double slot1, double frame1, double x1, double y1, double slot2, double frame2, double x2,
                      double y2) {
  OpenGLLumet* c = ActiveRenderContext();
  return c != nullptr && c->Sprites().AnimCollision(ToInt(slot1), ToInt(frame1), ToInt(x1), ToInt(y1), ToInt(slot2),
                                                    ToInt(frame2), ToInt(x2), ToInt(y2));
}

}  // namespace vdr
