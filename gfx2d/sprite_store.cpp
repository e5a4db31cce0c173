// The sprite store: textures made from pictures, and pictures read back.

#include <SDL2/SDL_opengl.h>

#include <algorithm>
#include <cstring>

#include "gfx2d/gl_extensions.h"
#include "gfx2d/gl_state.h"
#include "gfx2d/image/image_decoders.h"
#include "gfx2d/image/texture_image.h"
#include "gfx2d/render_context.h"

namespace vdr {

void OpenGLLumet::DeleteTexture(uint32_t& texture) {
  if (texture != 0 && contextReady_) glDeleteTextures(1, &texture);
  texture = 0;
}

void OpenGLLumet::FreeSprite(int32_t slot) {
  if (!IsSpriteSlot(slot)) return;
  SpriteRecord& sprite = sprites_[slot];
  DeleteTexture(sprite.texture);
  DeleteTexture(sprite.mipmapTexture);
  sprite.textureWidth = sprite.textureHeight = -1;
  sprite.width = sprite.height = 0;
  sprite.uExtent = sprite.vExtent = 1.0f;
  sprites_.DropMask(slot);
}

std::optional<OpenGLLumet::TextureSize> OpenGLLumet::MakeTexture(const PixelImage& image, int32_t x, int32_t y,
                                                                 int32_t w, int32_t h, uint32_t& texture,
                                                                 uint32_t* mipmapTexture, bool normalMap,
                                                                 bool nearest) {
  const std::optional<ImageRegion> region = TextureRegion(image, x, y, w, h, maxTextureSize_);
  TextureImage texels;
  if (!region || !BuildTexture(image, *region, nearest, texels)) return std::nullopt;
  if (normalMap && !ApplyNormalMap(texels)) return std::nullopt;
  std::vector<TextureImage> levels;
  if (mipmapTexture != nullptr && !BuildMipmapChain(texels, levels)) return std::nullopt;

  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  DeleteTexture(texture);
  glGenTextures(1, &texture);
  {
    ScopedTextureBinding binding(texture);
    SetTextureWrap(GL_REPEAT);
    SetTextureFilter(nearest);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, texels.width, texels.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 texels.texels.data());
  }
  if (mipmapTexture != nullptr) {
    DeleteTexture(*mipmapTexture);
    glGenTextures(1, mipmapTexture);
    ScopedTextureBinding binding(*mipmapTexture);
    SetTextureWrap(GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    for (size_t level = 0; level < levels.size(); ++level) {
      glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(level), GL_RGBA8, levels[level].width, levels[level].height, 0,
                   GL_RGBA, GL_UNSIGNED_BYTE, levels[level].texels.data());
    }
  }
  return TextureSize{texels.width, texels.height};
}

bool OpenGLLumet::UploadSprite(int32_t slot, const PixelImage& image, bool normalMap) {
  if (!IsSpriteSlot(slot)) return false;
  FreeSprite(slot);
  if (image.width == 0 || image.height == 0) return false;
  SpriteRecord& sprite = sprites_[slot];
  const bool font = IsFontSlot(slot);
  const std::optional<TextureSize> made = MakeTexture(image, 0, 0, 0, 0, sprite.texture,
                                                      font ? nullptr : &sprite.mipmapTexture, normalMap && !font, font);
  if (!made) {
    FreeSprite(slot);
    return false;
  }
  // The record describes the texture actually made: a picture larger than the
  // largest texture keeps its top-left part, stretched over the whole size.
  sprite.textureWidth = made->width;
  sprite.textureHeight = made->height;
  sprite.width = image.width;
  sprite.height = image.height;
  sprite.uExtent = static_cast<float>(std::min(image.width, made->width)) / static_cast<float>(made->width);
  sprite.vExtent = static_cast<float>(std::min(image.height, made->height)) / static_cast<float>(made->height);
  return true;
}

bool OpenGLLumet::LoadSpriteFile(int32_t slot, const char* resolvedName, int32_t key, bool normalMap) {
  if (!IsSpriteSlot(slot)) return false;
  FreeSprite(slot);
  PixelImage image;
  return LoadImage(resolvedName, key, image) && UploadSprite(slot, image, normalMap);
}

bool OpenGLLumet::SpritePixels(int32_t slot, PixelImage& image) {
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

bool OpenGLLumet::UpdateSprite(int32_t slot, const int32_t* pixels, int64_t count) {
  if (!IsSpriteSlot(slot) || sprites_[slot].Empty() || pixels == nullptr) return false;
  const SpriteRecord& sprite = sprites_[slot];
  if (int64_t{sprite.width} * sprite.height != count) return false;
  if (sprite.width > sprite.textureWidth || sprite.height > sprite.textureHeight) return false;
  // Rows go in bottom-up, as the texture holds them.
  const size_t rowBytes = static_cast<size_t>(sprite.width) * 4;
  stagingPixels_.resize(rowBytes * sprite.height);
  const uint8_t* source = reinterpret_cast<const uint8_t*>(pixels);
  for (int32_t row = 0; row < sprite.height; ++row) {
    std::memcpy(stagingPixels_.data() + static_cast<size_t>(sprite.height - 1 - row) * rowBytes,
                source + static_cast<size_t>(row) * rowBytes, rowBytes);
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  {
    ScopedTextureBinding binding(sprite.texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, sprite.width, sprite.height, GL_RGBA, GL_UNSIGNED_BYTE,
                    stagingPixels_.data());
  }
  sprites_.DropMask(slot);
  return true;
}

void OpenGLLumet::SetSpriteAnim(int32_t slot, int32_t frameWidth, int32_t frameHeight) {
  if (!IsSpriteSlot(slot) || sprites_[slot].width <= 0) return;
  sprites_[slot].frameWidth = frameWidth;
  sprites_[slot].frameHeight = frameHeight;
}

void OpenGLLumet::BindSprite(int32_t slot) {
  if (!IsSpriteSlot(slot)) {
    UnbindTextures();
    return;
  }
  EnableTexturingOnUnitZeroOnly();
  glBindTexture(GL_TEXTURE_2D, sprites_[slot].texture);
  SetTextureWrap(GL_REPEAT);
  bound_ = BoundTextures{slot, -1, false};
}

const AlphaMask* OpenGLLumet::CollisionMask(int32_t slot) {
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
