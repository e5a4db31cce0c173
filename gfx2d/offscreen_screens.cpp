// Offscreen screens (drawing into a sprite), grabbing the frame into a
// sprite and reading single pixels.

#include <SDL2/SDL_opengl.h>

#include "gfx2d/gl_extensions.h"
#include "gfx2d/gl_state.h"
#include "gfx2d/render_context.h"

namespace vdr {
namespace {

Framebuffer FramebufferOf(const ScreenRecord& screen) { return {screen.framebuffer, screen.depthBuffer}; }

}  // namespace

int32_t OpenGLLumet::TargetHeight() const {
  if (IsScreenNumber(currentScreen) && screens[currentScreen].HasFramebuffer()) {
    return sprites[screens[currentScreen].slot].height;
  }
  return height;
}

void OpenGLLumet::CreateScreen(int32_t screen, int32_t slot, int32_t w, int32_t h) {
  if (!IsScreenNumber(screen) || !IsSpriteSlot(slot)) return;
  if (currentScreen == screen) EndScreen();
  ScreenRecord& record = screens[screen];
  if (record.HasFramebuffer()) {
    Framebuffer old = FramebufferOf(record);
    ReleaseFramebuffer(old);
  }
  record = ScreenRecord{};
  record.slot = slot;
  FreeSprite(slot);
  if (w < 1 || h < 1 || w > maxTextureSize || h > maxTextureSize) return;

  // A transparent picture of the screen's size.
  PixelImage clear;
  if (!clear.Reset(w, h)) return;
  SpriteRecord& sprite = sprites[slot];
  const std::optional<TextureSize> made = MakeTexture(clear, 0, 0, 0, 0, sprite.texture, nullptr, false, false);
  if (!made) return;
  sprite.textureWidth = made->width;
  sprite.textureHeight = made->height;
  sprite.width = w;
  sprite.height = h;
  sprite.uExtent = static_cast<float>(w) / static_cast<float>(made->width);
  sprite.vExtent = static_cast<float>(h) / static_cast<float>(made->height);

  Framebuffer framebuffer;
  if (CreateFramebuffer(sprite.texture, made->width, made->height, framebuffer)) {
    record.framebuffer = framebuffer.framebuffer;
    record.depthBuffer = framebuffer.depthBuffer;
    record.width = made->width;
    record.height = made->height;
  }
}

void OpenGLLumet::UseScreen(int32_t screen) {
  if (currentScreen != kWindowTarget) EndScreen();
  // Only a screen whose picture exists can be drawn into.
  if (!IsScreenNumber(screen) || sprites[screens[screen].slot].Empty()) return;
  currentScreen = screen;
  ScreenRecord& record = screens[screen];
  const SpriteRecord& sprite = sprites[record.slot];
  if (record.HasFramebuffer()) {
    record.savedBinding = CurrentFramebufferBinding();
    AttachFramebuffer(FramebufferOf(record), sprite.texture);
    SetViewport(0, 0, sprite.width, sprite.height);
  } else {
    // Drawing goes to the window's top-left corner: what was there is kept
    // aside, the area made transparent and the screen's picture put back.
    SetViewport(0, 0, sprite.width, sprite.height);
    GrabSprite(kScratchSpriteSlot, 0, 0, sprite.width, sprite.height);
    DrawRect(0, 0, sprite.width, sprite.height, colourKey);
    DrawSprite(record.slot, 0, 0);
  }
  sprites.DropMask(record.slot);
}

void OpenGLLumet::EndScreen() {
  if (IsScreenNumber(currentScreen)) {
    const ScreenRecord& record = screens[currentScreen];
    if (record.HasFramebuffer()) {
      Gl().glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(record.savedBinding));
    } else {
      const SpriteRecord& sprite = sprites[record.slot];
      // Opaque drawing for the copies, whatever mode the screen was drawn in.
      SetViewport(0, 0, sprite.width, sprite.height);
      GrabSprite(record.slot, 0, 0, sprite.width, sprite.height);
      DrawRect(0, 0, sprite.textureWidth, sprite.textureHeight, 0);
      DrawSprite(kScratchSpriteSlot, 0, 0);
    }
  }
  currentScreen = kWindowTarget;
  SetViewport(0, 0, 0, 0);
}

void OpenGLLumet::ReleaseScreens() {
  if (currentScreen != kWindowTarget) EndScreen();
  for (ScreenRecord& record : screens) {
    Framebuffer framebuffer = FramebufferOf(record);
    if (contextReady) ReleaseFramebuffer(framebuffer);
    record = ScreenRecord{};
  }
}

int32_t OpenGLLumet::StoredColourKey() {
  if (colourKey == 0 || colourKey == kNoColourKey) return 0;
  // Without room for the probe pixel the key is taken as it is (exact on
  // displays with 8 bits per channel); the result is in the read-back order
  // blue, green, red.
  if (viewport.w < 5 || viewport.h < 5) {
    return (colourKey >> 16 & 0xFF) | (colourKey & 0xFF00) | (colourKey & 0xFF) << 16;
  }
  // The probe pixel is drawn opaque, whatever the blending mode.
  const bool blending = glIsEnabled(GL_BLEND) == GL_TRUE;
  glDisable(GL_BLEND);
  const GLint x = viewport.x + 4;
  const GLint y = TargetHeight() - 5 - viewport.y;
  uint8_t before[4] = {}, probe[4] = {};
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, before);
  SetPixel(4, 4, colourKey);
  glReadPixels(x, y, 1, 1, GL_BGRA, GL_UNSIGNED_BYTE, probe);
  SetPixel(4, 4, before[0] | before[1] << 8 | before[2] << 16);
  if (blending) glEnable(GL_BLEND);
  return probe[0] | probe[1] << 8 | probe[2] << 16;
}

bool OpenGLLumet::GrabSprite(int32_t slot, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!IsSpriteSlot(slot) || w < 1 || h < 1 || w > maxTextureSize || h > maxTextureSize) return false;
  SpriteRecord& sprite = sprites[slot];
  sprite.frameWidth = sprite.frameHeight = 0;
  sprites.DropMask(slot);
  const int32_t tw = TextureSide(w);
  const int32_t th = TextureSide(h);
  if (sprite.texture == 0 || sprite.textureWidth != tw || sprite.textureHeight != th) {
    DeleteTexture(sprite.texture);
    DeleteTexture(sprite.mipmapTexture);
    ScopedTextureBinding keep(0);
    sprite.texture = CreateEmptyTexture(tw, th);
  }
  sprite.textureWidth = tw;
  sprite.textureHeight = th;
  sprite.width = w;
  sprite.height = h;
  sprite.uExtent = static_cast<float>(w) / static_cast<float>(tw);
  sprite.vExtent = static_cast<float>(h) / static_cast<float>(th);

  const GLint bottom = TargetHeight() - h - y;
  GLint alphaBits = 0;
  glGetIntegerv(GL_ALPHA_BITS, &alphaBits);
  if (alphaBits > 0) {
    ScopedTextureBinding binding(sprite.texture);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, x, bottom, w, h);
    return true;
  }
  // Without alpha in the frame, pixels of the colour key (as the frame
  // stores it) become transparent.
  const int32_t storedKey = StoredColourKey();
  stagingPixels_.assign(static_cast<size_t>(tw) * th * 4, 0);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, tw);
  glReadPixels(x, bottom, w, h, GL_BGRA, GL_UNSIGNED_BYTE, stagingPixels_.data());
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  if (colourKey != kNoColourKey) {
    for (int32_t row = 0; row < h; ++row) {
      uint8_t* pixel = stagingPixels_.data() + static_cast<size_t>(row) * tw * 4;
      for (int32_t column = 0; column < w; ++column, pixel += 4) {
        if ((pixel[0] | pixel[1] << 8 | pixel[2] << 16) == storedKey) pixel[3] = 0;
      }
    }
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  ScopedTextureBinding binding(sprite.texture);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, tw, th, GL_BGRA, GL_UNSIGNED_BYTE, stagingPixels_.data());
  return true;
}

int32_t OpenGLLumet::ReadPixel(int32_t x, int32_t y) {
  uint8_t rgba[4] = {};
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(x, TargetHeight() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return rgba[0] | rgba[1] << 8 | rgba[2] << 16;
}

}  // namespace vdr
