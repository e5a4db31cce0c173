#include "gfx2d/sprite_geometry.h"

#include <cmath>

#include "runtime/number_text.h"

namespace vdr {

Quad MakeQuad(const ScreenRect& r, const TexCorners& t) {
  return {QuadVertex{r.right, r.top, t.right, t.top}, QuadVertex{r.left, r.top, t.left, t.top},
          QuadVertex{r.left, r.bottom, t.left, t.bottom}, QuadVertex{r.right, r.bottom, t.right, t.bottom}};
}

TexCorners PictureTexCorners(const SpriteRecord& sprite) { return {0.0f, sprite.uExtent, 0.0f, sprite.vExtent}; }

FrameCell AnimFrameCell(int32_t pictureWidth, int32_t frameWidth, int32_t frame) {
  const int32_t perRow = frameWidth > 0 ? pictureWidth / frameWidth : 0;
  if (perRow == 0) return {0, frame};
  return {frame / perRow, frame % perRow};
}

TexCorners FrameTexCorners(const SpriteRecord& s, int32_t frame) {
  const FrameCell cell = AnimFrameCell(s.width, s.frameWidth, frame);
  const float tw = static_cast<float>(s.textureWidth);
  const float th = static_cast<float>(s.textureHeight);
  const float left = static_cast<float>(cell.column) * static_cast<float>(s.frameWidth) / tw;
  const float bottom =
      static_cast<float>(int64_t{s.height} - int64_t{s.frameHeight} * (int64_t{cell.row} + 1)) / th;
  return {left, left + static_cast<float>(s.frameWidth) / tw, bottom, bottom + static_cast<float>(s.frameHeight) / th};
}

TexCorners InsetHalfTexel(const TexCorners& t, const SpriteRecord& s) {
  const float du = 0.5f / static_cast<float>(s.textureWidth);
  const float dv = 0.5f / static_cast<float>(s.textureHeight);
  return {t.left + du, t.right - du, t.bottom + dv, t.top - dv};
}

PixelRect ZoomedRect(int32_t x, int32_t y, int32_t w, int32_t h, float sx, float sy) {
  const double width = w, height = h;
  return {ToInt(x - (sx * width - width) / 2), ToInt(y - (sy * height - height) / 2), ToInt(width * sx),
          ToInt(height * sy)};
}

Quad RotatedQuad(float cx, float cy, float a, float b, float angleDegrees, const TexCorners& t) {
  const float r = angleDegrees * 0.017453292f;
  const float c = std::cos(r), s = std::sin(r);
  // y grows downwards, so this turn is counter-clockwise as seen on screen.
  auto corner = [&](float dx, float dy, float u, float v) {
    return QuadVertex{cx + dx * c + dy * s, cy - dx * s + dy * c, u, v};
  };
  return {corner(a, -b, t.right, t.top), corner(-a, -b, t.left, t.top), corner(-a, b, t.left, t.bottom),
          corner(a, b, t.right, t.bottom)};
}

ScreenRect RectEdges(int32_t x, int32_t y, int32_t w, int32_t h) {
  auto span = [](int64_t start, int64_t size, float& low, float& high) {
    low = static_cast<float>(size >= 0 ? start : start + size + 1);
    high = static_cast<float>(size >= 0 ? start + size : start + 1);
  };
  ScreenRect r{};
  span(x, w, r.left, r.right);
  span(y, h, r.top, r.bottom);
  return r;
}

}  // namespace vdr
