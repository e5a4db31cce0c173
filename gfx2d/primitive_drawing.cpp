// The opacity mode, rectangles, lines and pixels, and the polygon batch.

#include <SDL2/SDL_opengl.h>

#include <algorithm>
#include <cmath>

#include "gfx2d/render_context.h"

namespace vdr {

void OpenGLLumet::AlphaMode(float level) {
  glEnable(GL_BLEND);
  if (level == 0.0f) {
    glDisable(GL_BLEND);
    glEnable(GL_ALPHA_TEST);
    alphaLevel_ = 1.0f;
  } else {
    glDisable(GL_ALPHA_TEST);
    glBlendFunc(GL_SRC_ALPHA, level > 0.0f ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
    alphaLevel_ = std::min(1.0f, std::fabs(level));  // a NaN level counts as 1
  }
  glColor4f(1, 1, 1, alphaLevel_);
}

void OpenGLLumet::BeginPrimitive(int32_t colour) {
  glDisable(GL_ALPHA_TEST);
  // Drawn in the colour key, a primitive leaves transparent pixels (with
  // blending off) or nothing (with blending on).
  const bool keyed = colour == colourKey_ && colourKey_ != kNoColourKey;
  glColor4ub(static_cast<GLubyte>(colour), static_cast<GLubyte>(colour >> 8), static_cast<GLubyte>(colour >> 16),
             keyed ? 0 : static_cast<GLubyte>(alphaLevel_ * 255.0f));
  device_.UnbindTextures();
  // Shifted a little into the pixel, so edges and points land on whole pixels.
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glTranslatef(0.375f, 0.375f, 0.0f);
  glMatrixMode(GL_MODELVIEW);
}

void OpenGLLumet::EndPrimitive() {
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glColor4f(1, 1, 1, alphaLevel_);
  glEnable(GL_ALPHA_TEST);
}

void OpenGLLumet::DrawRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t colour) {
  const ScreenRect r = RectEdges(x, y, w, h);
  BeginPrimitive(colour);
  glBegin(GL_TRIANGLE_FAN);
  glVertex2f(r.right, r.top);
  glVertex2f(r.left, r.top);
  glVertex2f(r.left, r.bottom);
  glVertex2f(r.right, r.bottom);
  glEnd();
  EndPrimitive();
}

void OpenGLLumet::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) {
  BeginPrimitive(colour);
  glBegin(GL_LINES);
  glVertex2i(x1, y1);
  glVertex2i(x2, y2);
  glEnd();
  // Lines leave out their last pixel; the point puts it in.
  glBegin(GL_POINTS);
  glVertex2i(x2, y2);
  glEnd();
  EndPrimitive();
}

void OpenGLLumet::SetPixel(int32_t x, int32_t y, int32_t colour) {
  BeginPrimitive(colour);
  glBegin(GL_POINTS);
  glVertex2i(x, y);
  glEnd();
  EndPrimitive();
}

void OpenGLLumet::StartPoly(int32_t slot, int32_t mode) {
  const bool textured = slot >= 0;
  batchSlot_ = textured ? slot : -1;
  batchDrawable_ = !textured || (IsSpriteSlot(slot) && !sprites_.Sprite(slot).Empty());
  BatchTexture texture;
  if (textured && batchDrawable_) {
    const SpriteRecord& s = sprites_.Sprite(slot);
    texture = {true, s.height, 1.0f / static_cast<float>(s.textureWidth), 1.0f / static_cast<float>(s.textureHeight)};
  }
  sprites_.BindSprite(batchDrawable_ ? batchSlot_ : -1);
  batch_.Start(mode, texture);
}

void OpenGLLumet::PolyVector(float x, float y, float tx, float ty, int32_t colour) {
  batch_.Add(x, y, tx, ty, colour, colourKey_, alphaLevel_);
}

void OpenGLLumet::PolyNewStrip() { batch_.NewStrip(); }

void OpenGLLumet::EndPoly() {
  static constexpr GLenum kModes[] = {GL_TRIANGLE_FAN, GL_TRIANGLES, GL_TRIANGLE_STRIP};
  const int32_t mode = batch_.Mode();
  if (!batchDrawable_ || mode < 0 || mode > 2 || batch_.Count() == 0) return;
  const BatchVertex* vertices = batch_.Vertices();
  const bool textured = batch_.Texture().textured;
  sprites_.BindSprite(textured ? batchSlot_ : -1);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(2, GL_FLOAT, sizeof(BatchVertex), &vertices->x);
  if (textured) {
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, sizeof(BatchVertex), &vertices->u);
    sprites_.ApplySmoothing();
  }
  const bool colours = batch_.UsesVertexColours() || alphaLevel_ != 1.0f;
  // Per-vertex colours are shaded smoothly. Dithering stays off: it changes
  // nothing at 8 bits per channel, and switching it on and off around every
  // batch costs Mesa's rasterizer ten times the draw itself.
  if (colours) {
    glShadeModel(GL_SMOOTH);
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(BatchVertex), &vertices->red);
  }
  glDrawArrays(kModes[mode], 0, batch_.Count());
  if (colours) {
    glDisableClientState(GL_COLOR_ARRAY);
    glColor4f(1, 1, 1, alphaLevel_);
    glShadeModel(GL_FLAT);
  }
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
}

}  // namespace vdr
