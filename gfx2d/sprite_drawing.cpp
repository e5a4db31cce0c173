// Drawing sprites and animation frames.

#include <SDL2/SDL_opengl.h>

#include "gfx2d/gl_state.h"
#include "gfx2d/sprite_store.h"

namespace vdr {

void SpriteStore::ApplySmoothing() { SetTextureFilter(!smoothing_); }

void SpriteStore::DrawTexturedQuad(int32_t slot, const Quad& quad, bool clampToEdge) {
  BindSprite(slot);
  if (clampToEdge) SetTextureWrap(GL_CLAMP_TO_EDGE);
  ApplySmoothing();
  DrawFanQuad(quad);
}

namespace {

bool Drawable(const SpriteTable& sprites, int32_t slot) { return IsSpriteSlot(slot) && !sprites[slot].Empty(); }
bool Animated(const SpriteTable& sprites, int32_t slot) {
  return Drawable(sprites, slot) && sprites[slot].frameWidth != 0 && sprites[slot].frameHeight != 0;
}

ScreenRect RectAt(float x, float y, float w, float h) { return {x, y, x + w, y + h}; }

}  // namespace

void SpriteStore::DrawSprite(int32_t slot, int32_t x, int32_t y) {
  if (!Drawable(sprites_, slot)) return;
  const SpriteRecord& s = sprites_[slot];
  DrawTexturedQuad(slot, MakeQuad(RectAt(x, y, s.width, s.height), PictureTexCorners(s)), false);
}

void SpriteStore::StretchSprite(int32_t slot, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!Drawable(sprites_, slot)) return;
  DrawTexturedQuad(slot, MakeQuad(RectAt(x, y, w, h), PictureTexCorners(sprites_[slot])), true);
}

void SpriteStore::ZoomSprite(int32_t slot, int32_t x, int32_t y, float sx, float sy) {
  if (!Drawable(sprites_, slot)) return;
  const SpriteRecord& s = sprites_[slot];
  const PixelRect r = ZoomedRect(x, y, s.width, s.height, sx, sy);
  StretchSprite(slot, r.x, r.y, r.w, r.h);
}

void SpriteStore::RotoZoomSprite(int32_t slot, int32_t x, int32_t y, float angle, float zoom) {
  if (!Drawable(sprites_, slot)) return;
  const SpriteRecord& s = sprites_[slot];
  const float cx = static_cast<float>(int64_t{x} + (s.width >> 1));
  const float cy = static_cast<float>(int64_t{y} + (s.height >> 1));
  const TexCorners tex = InsetHalfTexel(PictureTexCorners(s), s);
  DrawTexturedQuad(slot, RotatedQuad(cx, cy, zoom * s.width / 2, zoom * s.height / 2, angle, tex), true);
}

void SpriteStore::DrawAnim(int32_t slot, int32_t frame, int32_t x, int32_t y) {
  if (!Animated(sprites_, slot)) return;
  const SpriteRecord& s = sprites_[slot];
  DrawTexturedQuad(slot, MakeQuad(RectAt(x, y, s.frameWidth, s.frameHeight), FrameTexCorners(s, frame)), false);
}

void SpriteStore::StretchAnim(int32_t slot, int32_t frame, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!Animated(sprites_, slot)) return;
  // The far edges reach a tenth of a pixel further, so stretched frames close up.
  const ScreenRect rect = RectAt(x, y, static_cast<float>(w) + 0.1f, static_cast<float>(h) + 0.1f);
  DrawTexturedQuad(slot, MakeQuad(rect, FrameTexCorners(sprites_[slot], frame)), true);
}

void SpriteStore::RotoZoomAnim(int32_t slot, int32_t frame, int32_t x, int32_t y, float angle, float zoom) {
  if (!Animated(sprites_, slot)) return;
  const SpriteRecord& s = sprites_[slot];
  const float cx = static_cast<float>(int64_t{x} + s.frameWidth / 2);
  const float cy = static_cast<float>(int64_t{y} + s.frameHeight / 2);
  const TexCorners tex = InsetHalfTexel(FrameTexCorners(s, frame), s);
  DrawTexturedQuad(slot, RotatedQuad(cx, cy, s.frameWidth * zoom / 2, s.frameHeight * zoom / 2, angle, tex), true);
}

}  // namespace vdr
