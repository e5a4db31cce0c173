#include "gfx2d/sprite_store.h"

#include <SDL2/SDL_opengl.h>

#include <algorithm>
#include <cstring>

#include "gfx2d/gl_extensions.h"
#include "gfx2d/gl_state.h"
#include "gfx2d/image/image_decoders.h"
#include "gfx2d/image/image_writers.h"
#include "gfx2d/image/texture_image.h"

namespace vdr {

void SpriteStore::FreeSprite(int32_t slot) {
  if (!IsSpriteSlot(slot)) return;
  SpriteRecord& sprite = sprites_[slot];
  device_.DeleteTexture(sprite.texture);
  device_.DeleteTexture(sprite.mipmapTexture);
  sprite.textureWidth = sprite.textureHeight = -1;
  sprite.width = sprite.height = 0;
  sprite.uExtent = sprite.vExtent = 1.0f;
  sprites_.DropMask(slot);
}

void SpriteStore::FreeAllSprites() {
  for (int32_t slot = 0; slot < kSpriteSlots; ++slot) FreeSprite(slot);
}

void SpriteStore::DescribePicture(SpriteRecord& sprite, TextureSize made, int32_t w, int32_t h) {
  sprite.textureWidth = made.width;
  sprite.textureHeight = made.height;
  sprite.width = w;
  sprite.height = h;
  sprite.uExtent = static_cast<float>(std::min(w, made.width)) / static_cast<float>(made.width);
  sprite.vExtent = static_cast<float>(std::min(h, made.height)) / static_cast<float>(made.height);
}

bool SpriteStore::UploadSprite(int32_t slot, const PixelImage& image, bool normalMap) {
  if (!IsSpriteSlot(slot)) return false;
  FreeSprite(slot);
  if (image.width == 0 || image.height == 0) return false;
  SpriteRecord& sprite = sprites_[slot];
  const bool font = IsFontSlot(slot);
  const std::optional<TextureSize> made = device_.MakeTexture(
      image, 0, 0, 0, 0, sprite.texture, font ? nullptr : &sprite.mipmapTexture, normalMap && !font, font);
  if (!made) {
    FreeSprite(slot);
    return false;
  }
  DescribePicture(sprite, *made, image.width, image.height);
  return true;
}

bool SpriteStore::LoadSpriteFile(int32_t slot, const char* resolvedName, int32_t key, bool normalMap) {
  if (!IsSpriteSlot(slot)) return false;
  FreeSprite(slot);
  PixelImage image;
  return LoadImage(resolvedName, key, image) && UploadSprite(slot, image, normalMap);
}

bool SpriteStore::MakeClearSprite(int32_t slot, int32_t w, int32_t h) {
  PixelImage clear;
  if (!IsSpriteSlot(slot) || !clear.Reset(w, h)) return false;
  SpriteRecord& sprite = sprites_[slot];
  const std::optional<TextureSize> made = device_.MakeTexture(clear, 0, 0, 0, 0, sprite.texture, nullptr, false, false);
  if (!made) return false;
  DescribePicture(sprite, *made, w, h);
  return true;
}

bool SpriteStore::SpritePixels(int32_t slot, PixelImage& image) {
  if (!IsSpriteSlot(slot) || sprites_[slot].Empty()) return false;
  const SpriteRecord& sprite = sprites_[slot];
  if (!image.Reset(sprite.width, sprite.height)) return false;
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  Framebuffer framebuffer;
  if (CreateFramebuffer(sprite.texture, sprite.textureWidth, sprite.textureHeight, framebuffer)) {
    const GLint previous = CurrentFramebufferBinding();
    AttachFramebuffer(framebuffer, sprite.texture);
    glReadPixels(0, 0, sprite.width, sprite.height, GL_RGBA, GL_UNSIGNED_BYTE, image.pixels.data());
    Gl().glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(previous));
    ReleaseFramebuffer(framebuffer);
  } else {
    // Without framebuffers the texture itself is read.
    ReadTextureCorner(sprite.texture, sprite.textureWidth, sprite.textureHeight, image);
  }
  FlipRows(image);
  return true;
}

bool SpriteStore::SaveSprite(const char* fileName, int32_t slot) {
  PixelImage image;
  return fileName != nullptr && SpritePixels(slot, image) && SaveImage(fileName, image);
}

bool SpriteStore::UpdateSprite(int32_t slot, const int32_t* pixels, int64_t count) {
  if (!IsSpriteSlot(slot) || sprites_[slot].Empty() || pixels == nullptr) return false;
  const SpriteRecord& sprite = sprites_[slot];
  if (int64_t{sprite.width} * sprite.height != count) return false;
  if (sprite.width > sprite.textureWidth || sprite.height > sprite.textureHeight) return false;
  // Rows go in bottom-up, as the texture holds them.
  const size_t rowBytes = static_cast<size_t>(sprite.width) * 4;
  std::vector<uint8_t>& staging = device_.StagingPixels();
  staging.resize(rowBytes * sprite.height);
  const uint8_t* source = reinterpret_cast<const uint8_t*>(pixels);
  for (int32_t row = 0; row < sprite.height; ++row) {
    std::memcpy(staging.data() + static_cast<size_t>(sprite.height - 1 - row) * rowBytes,
                source + static_cast<size_t>(row) * rowBytes, rowBytes);
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  {
    ScopedTextureBinding binding(sprite.texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, sprite.width, sprite.height, GL_RGBA, GL_UNSIGNED_BYTE, staging.data());
  }
  sprites_.DropMask(slot);
  return true;
}

void SpriteStore::SetSpriteAnim(int32_t slot, int32_t frameWidth, int32_t frameHeight) {
  if (!IsSpriteSlot(slot) || sprites_[slot].width <= 0) return;
  sprites_[slot].frameWidth = frameWidth;
  sprites_[slot].frameHeight = frameHeight;
}

const SpriteRecord& SpriteStore::PrepareGrab(int32_t slot, int32_t w, int32_t h) {
  SpriteRecord& sprite = sprites_[slot];
  sprite.frameWidth = sprite.frameHeight = 0;
  sprites_.DropMask(slot);
  const int32_t tw = TextureSide(w);
  const int32_t th = TextureSide(h);
  if (sprite.texture == 0 || sprite.textureWidth != tw || sprite.textureHeight != th) {
    device_.DeleteTexture(sprite.texture);
    device_.DeleteTexture(sprite.mipmapTexture);
    ScopedTextureBinding keep(0);
    sprite.texture = CreateEmptyTexture(tw, th);
  }
  DescribePicture(sprite, TextureSize{tw, th}, w, h);
  return sprite;
}

void SpriteStore::BindSprite(int32_t slot) {
  if (!IsSpriteSlot(slot)) {
    device_.UnbindTextures();
    return;
  }
  device_.BindOnUnitZero(slot, sprites_[slot].texture);
}

const AlphaMask* SpriteStore::CollisionMask(int32_t slot) {
  if (!IsSpriteSlot(slot) || sprites_[slot].Empty()) return nullptr;
  if (const AlphaMask* mask = sprites_.Mask(slot)) return mask;
  const SpriteRecord& sprite = sprites_[slot];
  auto mask = std::make_unique<AlphaMask>();
  mask->width = sprite.textureWidth;
  mask->height = sprite.textureHeight;
  mask->alpha.resize(static_cast<size_t>(mask->width) * mask->height);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  {
    ScopedTextureBinding binding(sprite.texture);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, mask->alpha.data());
  }
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  sprites_.SetMask(slot, std::move(mask));
  return sprites_.Mask(slot);
}

}  // namespace vdr
