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
  if (IsScreenNumber(currentScreen_) && screens_[currentScreen_].HasFramebuffer()) {
    return sprites_[screens_[currentScreen_].slot].height;
  }
  return height_;
}

void OpenGLLumet::CreateScreen(int32_t screen, int32_t slot, int32_t w, int32_t h) {
  if (!IsScreenNumber(screen) || !IsSpriteSlot(slot)) return;
  if (currentScreen_ == screen) EndScreen();
  ScreenRecord& record = screens_[screen];
  if (record.HasFramebuffer()) {
    Framebuffer old = FramebufferOf(record);
    ReleaseFramebuffer(old);
  }
  record = ScreenRecord{};
  record.slot = slot;
  FreeSprite(slot);
  if (w < 1 || h < 1 || w > maxTextureSize_ || h > maxTextureSize_) return;

  // A transparent picture of the screen's size.
  PixelImage clear;
  if (!clear.Reset(w, h)) return;
  SpriteRecord& sprite = sprites_[slot];
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
  if (currentScreen_ != kWindowTarget) EndScreen();
  // Only a screen whose picture exists can be drawn into.
  if (!IsScreenNumber(screen) || sprites_[screens_[screen].slot].Empty()) return;
  currentScreen_ = screen;
  ScreenRecord& record = screens_[screen];
  const SpriteRecord& sprite = sprites_[record.slot];
  if (record.HasFramebuffer()) {
    record.savedBinding = CurrentFramebufferBinding();
    AttachFramebuffer(FramebufferOf(record), sprite.texture);
    SetViewport(0, 0, sprite.width, sprite.height);
  } else {
    // Drawing goes to the window's top-left corner: what was there is kept
    // aside, the area made transparent and the screen's picture put back.
    SetViewport(0, 0, sprite.width, sprite.height);
    GrabSprite(kScratchSpriteSlot, 0, 0, sprite.width, sprite.height);
    DrawRect(0, 0, sprite.width, sprite.height, colourKey_);
    DrawSprite(record.slot, 0, 0);
  }
  sprites_.DropMask(record.slot);
}

void OpenGLLumet::EndScreen() {
  if (IsScreenNumber(currentScreen_)) {
    const ScreenRecord& record = screens_[currentScreen_];
    if (record.HasFramebuffer()) {
      Gl().glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(record.savedBinding));
    } else {
      const SpriteRecord& sprite = sprites_[record.slot];
      // Opaque drawing for the copies, whatever mode the screen was drawn in.
      SetViewport(0, 0, sprite.width, sprite.height);
      GrabSprite(record.slot, 0, 0, sprite.width, sprite.height);
      DrawRect(0, 0, sprite.textureWidth, sprite.textureHeight, 0);
      DrawSprite(kScratchSpriteSlot, 0, 0);
    }
  }
  currentScreen_ = kWindowTarget;
  SetViewport(0, 0, 0, 0);
}

void OpenGLLumet::ReleaseScreens() {
  if (currentScreen_ != kWindowTarget) EndScreen();
  for (ScreenRecord& record : screens_) {
    Framebuffer framebuffer = FramebufferOf(record);
    if (contextReady_) ReleaseFramebuffer(framebuffer);
    record = ScreenRecord{};
  }
}

int32_t OpenGLLumet::StoredColourKey() {
  if (colourKey_ == 0 || colourKey_ == kNoColourKey) return 0;
  // Without room for the probe pixel the key is taken as it is (exact on
  // displays with 8 bits per channel); the result is in the read-back order
  // blue, green, red.
  if (viewport_.w < 5 || viewport_.h < 5) {
    return (colourKey_ >> 16 & 0xFF) | (colourKey_ & 0xFF00) | (colourKey_ & 0xFF) << 16;
  }
  // The probe pixel is drawn opaque, whatever the blending mode.
  const bool blending = glIsEnabled(GL_BLEND) == GL_TRUE;
  glDisable(GL_BLEND);
  const GLint x = viewport_.x + 4;
  const GLint y = TargetHeight() - 5 - viewport_.y;
  uint8_t before[4] = {}, probe[4] = {};
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, before);
  SetPixel(4, 4, colourKey_);
  glReadPixels(x, y, 1, 1, GL_BGRA, GL_UNSIGNED_BYTE, probe);
  SetPixel(4, 4, before[0] | before[1] << 8 | before[2] << 16);
  if (blending) glEnable(GL_BLEND);
  return probe[0] | probe[1] << 8 | probe[2] << 16;
}

bool OpenGLLumet::GrabSprite(int32_t slot, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!IsSpriteSlot(slot) || w < 1 || h < 1 || w > maxTextureSize_ || h > maxTextureSize_) return false;
  SpriteRecord& sprite = sprites_[slot];
  sprite.frameWidth = sprite.frameHeight = 0;
  sprites_.DropMask(slot);
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
  if (colourKey_ != kNoColourKey) {
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
