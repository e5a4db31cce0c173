#include "gfx2d/gl_device.h"

#include <SDL2/SDL_opengl.h>

#include "gfx2d/gl_extensions.h"
#include "gfx2d/image/texture_image.h"

namespace vdr {

void GlDevice::ReadMaxTextureSize() { glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize_); }

void GlDevice::DeleteTexture(uint32_t& texture) {
  if (texture != 0 && ready_) glDeleteTextures(1, &texture);
  texture = 0;
}

void GlDevice::DeleteFramebuffer(Framebuffer& framebuffer) {
  if (ready_) ReleaseFramebuffer(framebuffer);
  framebuffer = {};
}

std::optional<TextureSize> GlDevice::MakeTexture(const PixelImage& image, int32_t x, int32_t y, int32_t w, int32_t h,
                                                 uint32_t& texture, uint32_t* mipmapTexture, bool normalMap,
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

void GlDevice::BindOnUnitZero(int32_t slot, uint32_t texture) {
  EnableTexturingOnUnitZeroOnly();
  glBindTexture(GL_TEXTURE_2D, texture);
  SetTextureWrap(GL_REPEAT);
  bound_ = BoundTextures{slot, -1, false};
}

void GlDevice::UnbindTextures() {
  const GlEntryPoints& gl = Gl();
  if (gl.glActiveTextureARB != nullptr) {
    gl.glActiveTextureARB(GL_TEXTURE1_ARB);
    glDisable(GL_TEXTURE_2D);
    gl.glActiveTextureARB(GL_TEXTURE0_ARB);
  } else {
    glEnable(GL_COLOR_MATERIAL);
  }
  glDisable(GL_TEXTURE_2D);
  bound_ = BoundTextures{};
}

}  // namespace vdr
