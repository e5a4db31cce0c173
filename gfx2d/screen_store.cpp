#include "gfx2d/screen_store.h"

#include <SDL2/SDL_opengl.h>

#include "gfx2d/gl_extensions.h"
#include "gfx2d/gl_state.h"

namespace vdr {
namespace {

Framebuffer FramebufferOf(const ScreenRecord& screen) { return {screen.framebuffer, screen.depthBuffer}; }

}  // namespace

int32_t ScreenStore::TargetHeight() const {
  if (IsScreenNumber(currentScreen_) && screens_[currentScreen_].HasFramebuffer()) {
    return sprites_.Sprite(screens_[currentScreen_].slot).height;
  }
  return canvas_.Height();
}

void ScreenStore::CreateScreen(int32_t screen, int32_t slot, int32_t w, int32_t h) {
  if (!IsScreenNumber(screen) || !IsSpriteSlot(slot)) return;
  if (currentScreen_ == screen) EndScreen();
  ScreenRecord& record = screens_[screen];
  if (record.HasFramebuffer()) {
    Framebuffer old = FramebufferOf(record);
    device_.DeleteFramebuffer(old);
  }
  record = ScreenRecord{};
  record.slot = slot;
  sprites_.FreeSprite(slot);
  const int32_t largest = device_.MaxTextureSize();
  if (w < 1 || h < 1 || w > largest || h > largest || !sprites_.MakeClearSprite(slot, w, h)) return;

  const SpriteRecord& sprite = sprites_.Sprite(slot);
  Framebuffer framebuffer;
  if (CreateFramebuffer(sprite.texture, sprite.textureWidth, sprite.textureHeight, framebuffer)) {
    record.framebuffer = framebuffer.framebuffer;
    record.depthBuffer = framebuffer.depthBuffer;
    record.width = sprite.textureWidth;
    record.height = sprite.textureHeight;
  }
}

void ScreenStore::UseScreen(int32_t screen) {
  if (currentScreen_ != kWindowTarget) EndScreen();
  // Only a screen whose picture exists can be drawn into.
  if (!IsScreenNumber(screen) || sprites_.Sprite(screens_[screen].slot).Empty()) return;
  currentScreen_ = screen;
  ScreenRecord& record = screens_[screen];
  const SpriteRecord& sprite = sprites_.Sprite(record.slot);
  if (record.HasFramebuffer()) {
    record.savedBinding = CurrentFramebufferBinding();
    AttachFramebuffer(FramebufferOf(record), sprite.texture);
    canvas_.SetViewport(0, 0, sprite.width, sprite.height);
  } else {
    // Drawing goes to the window's top-left corner: what was there is kept
    // aside, the area made transparent and the screen's picture put back.
    canvas_.SetViewport(0, 0, sprite.width, sprite.height);
    GrabSprite(kScratchSpriteSlot, 0, 0, sprite.width, sprite.height);
    canvas_.DrawRect(0, 0, sprite.width, sprite.height, canvas_.ColourKey());
    sprites_.DrawSprite(record.slot, 0, 0);
  }
  sprites_.PictureChanged(record.slot);
}

void ScreenStore::EndScreen() {
  if (IsScreenNumber(currentScreen_)) {
    const ScreenRecord& record = screens_[currentScreen_];
    if (record.HasFramebuffer()) {
      Gl().glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(record.savedBinding));
    } else {
      const SpriteRecord& sprite = sprites_.Sprite(record.slot);
      // Opaque drawing for the copies, whatever mode the screen was drawn in.
      canvas_.SetViewport(0, 0, sprite.width, sprite.height);
      GrabSprite(record.slot, 0, 0, sprite.width, sprite.height);
      canvas_.DrawRect(0, 0, sprite.textureWidth, sprite.textureHeight, 0);
      sprites_.DrawSprite(kScratchSpriteSlot, 0, 0);
    }
  }
  currentScreen_ = kWindowTarget;
  canvas_.SetViewport(0, 0, 0, 0);
}

void ScreenStore::ReleaseScreens() {
  if (currentScreen_ != kWindowTarget) EndScreen();
  for (ScreenRecord& record : screens_) {
    Framebuffer framebuffer = FramebufferOf(record);
    device_.DeleteFramebuffer(framebuffer);
    record = ScreenRecord{};
  }
}

int32_t ScreenStore::StoredColourKey() {
  const int32_t key = canvas_.ColourKey();
  if (key == 0 || key == kNoColourKey) return 0;
  // Without room for the probe pixel the key is taken as it is (exact on
  // displays with 8 bits per channel); the result is in the read-back order
  // blue, green, red.
  const Rect& viewport = canvas_.Viewport();
  if (viewport.w < 5 || viewport.h < 5) return (key >> 16 & 0xFF) | (key & 0xFF00) | (key & 0xFF) << 16;
  // The probe pixel is drawn opaque, whatever the blending mode.
  const bool blending = glIsEnabled(GL_BLEND) == GL_TRUE;
  glDisable(GL_BLEND);
  const GLint x = viewport.x + 4;
  const GLint y = TargetHeight() - 5 - viewport.y;
  uint8_t before[4] = {}, probe[4] = {};
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, before);
  canvas_.SetPixel(4, 4, key);
  glReadPixels(x, y, 1, 1, GL_BGRA, GL_UNSIGNED_BYTE, probe);
  canvas_.SetPixel(4, 4, before[0] | before[1] << 8 | before[2] << 16);
  if (blending) glEnable(GL_BLEND);
  return probe[0] | probe[1] << 8 | probe[2] << 16;
}

bool ScreenStore::GrabSprite(int32_t slot, int32_t x, int32_t y, int32_t w, int32_t h) {
  const int32_t largest = device_.MaxTextureSize();
  if (!IsSpriteSlot(slot) || w < 1 || h < 1 || w > largest || h > largest) return false;
  const SpriteRecord& sprite = sprites_.PrepareGrab(slot, w, h);
  const int32_t tw = sprite.textureWidth;
  const int32_t th = sprite.textureHeight;

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
  std::vector<uint8_t>& staging = device_.StagingPixels();
  staging.assign(static_cast<size_t>(tw) * th * 4, 0);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, tw);
  glReadPixels(x, bottom, w, h, GL_BGRA, GL_UNSIGNED_BYTE, staging.data());
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  if (canvas_.ColourKey() != kNoColourKey) {
    for (int32_t row = 0; row < h; ++row) {
      uint8_t* pixel = staging.data() + static_cast<size_t>(row) * tw * 4;
      for (int32_t column = 0; column < w; ++column, pixel += 4) {
        if ((pixel[0] | pixel[1] << 8 | pixel[2] << 16) == storedKey) pixel[3] = 0;
      }
    }
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  ScopedTextureBinding binding(sprite.texture);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, tw, th, GL_BGRA, GL_UNSIGNED_BYTE, staging.data());
  return true;
}

int32_t ScreenStore::ReadPixel(int32_t x, int32_t y) {
  uint8_t rgba[4] = {};
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(x, TargetHeight() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return rgba[0] | rgba[1] << 8 | rgba[2] << 16;
}

}  // namespace vdr
