#pragma once
// Small helpers around OpenGL texture, framebuffer and vertex-array state.

#include <SDL2/SDL_opengl.h>

#include <cstdint>

#include "gfx2d/image/pixel_image.h"
#include "gfx2d/sprite_geometry.h"

namespace vdr {

// Binds a texture on the active unit for the scope and restores the previous
// binding, so work on textures never disturbs what drawing has bound.
class ScopedTextureBinding {
 public:
  explicit ScopedTextureBinding(GLuint texture) {
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous_);
    glBindTexture(GL_TEXTURE_2D, texture);
  }
  ~ScopedTextureBinding() { glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previous_)); }
  ScopedTextureBinding(const ScopedTextureBinding&) = delete;
  ScopedTextureBinding& operator=(const ScopedTextureBinding&) = delete;

 private:
  GLint previous_ = 0;
};

// Texturing on for unit 0 and off for unit 1 (when there is one).
void EnableTexturingOnUnitZeroOnly();

// Filters and wrap mode of the bound texture.
void SetTextureFilter(bool nearest);
void SetTextureWrap(GLint mode);

// Draws a quad as a triangle fan from its float vertex array, with texture
// coordinates for the bound texture.
void DrawFanQuad(const Quad& quad);

// Reads level 0 of a texture of textureWidth x textureHeight texels and
// copies its bottom-left corner into the image (as many texels as the image
// holds and the texture has), bottom row first as the texture keeps them.
void ReadTextureCorner(GLuint texture, int32_t textureWidth, int32_t textureHeight, PixelImage& image);

// A new texture of width x height RGBA8 texels without data (bound on return).
GLuint CreateEmptyTexture(int32_t width, int32_t height);

// A framebuffer object with a 24-bit depth renderbuffer, checked complete
// with `texture` as its colour attachment.
struct Framebuffer {
  GLuint framebuffer = 0;
  GLuint depthBuffer = 0;
};
// False (nothing kept) without the framebuffer entry points or when the
// driver refuses; the causes are printed as the runtime always has.
bool CreateFramebuffer(GLuint texture, int32_t width, int32_t height, Framebuffer& out);
void ReleaseFramebuffer(Framebuffer& framebuffer);
// Binds the framebuffer with the texture and the depth buffer attached.
void AttachFramebuffer(const Framebuffer& framebuffer, GLuint texture);
GLint CurrentFramebufferBinding();
bool HasFramebufferEntries();

}  // namespace vdr
