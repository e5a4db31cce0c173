#include "gfx2d/gl_state.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "gfx2d/gl_extensions.h"

namespace vdr {

void EnableTexturingOnUnitZeroOnly() {
  const GlEntryPoints& gl = Gl();
  if (gl.glActiveTextureARB != nullptr) {
    gl.glActiveTextureARB(GL_TEXTURE1_ARB);
    glDisable(GL_TEXTURE_2D);
    gl.glActiveTextureARB(GL_TEXTURE0_ARB);
  }
  glEnable(GL_TEXTURE_2D);
}

void SetTextureFilter(bool nearest) {
  const GLint filter = nearest ? GL_NEAREST : GL_LINEAR;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
}

void SetTextureWrap(GLint mode) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, mode);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, mode);
}

void DrawFanQuad(const Quad& quad) {
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(2, GL_FLOAT, sizeof(QuadVertex), &quad[0].x);
  glTexCoordPointer(2, GL_FLOAT, sizeof(QuadVertex), &quad[0].u);
  glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
}

void ReadTextureCorner(GLuint texture, int32_t textureWidth, int32_t textureHeight, PixelImage& image) {
  std::vector<uint8_t> texels(static_cast<size_t>(textureWidth) * textureHeight * 4);
  {
    ScopedTextureBinding binding(texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  }
  const size_t rowBytes = static_cast<size_t>(std::min(image.width, textureWidth)) * 4;
  for (int32_t row = 0; row < std::min(image.height, textureHeight); ++row) {
    std::memcpy(image.Row(row), texels.data() + static_cast<size_t>(row) * textureWidth * 4, rowBytes);
  }
}

GLuint CreateEmptyTexture(int32_t width, int32_t height) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  SetTextureWrap(GL_REPEAT);
  SetTextureFilter(false);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  return texture;
}

bool HasFramebufferEntries() {
  const GlEntryPoints& gl = Gl();
  return gl.glGenFramebuffersEXT != nullptr && gl.glGenRenderbuffersEXT != nullptr &&
         gl.glBindRenderbufferEXT != nullptr && gl.glRenderbufferStorageEXT != nullptr &&
         gl.glCheckFramebufferStatusEXT != nullptr && gl.glBindFramebufferEXT != nullptr &&
         gl.glFramebufferTexture2DEXT != nullptr && gl.glFramebufferRenderbufferEXT != nullptr &&
         gl.glDeleteFramebuffersEXT != nullptr && gl.glDeleteRenderbuffersEXT != nullptr;
}

GLint CurrentFramebufferBinding() {
  GLint binding = 0;
  if (HasFramebufferEntries()) glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &binding);
  return binding;
}

void AttachFramebuffer(const Framebuffer& fb, GLuint texture) {
  const GlEntryPoints& gl = Gl();
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, fb.framebuffer);
  gl.glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, texture, 0);
  gl.glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT, fb.depthBuffer);
}

bool CreateFramebuffer(GLuint texture, int32_t width, int32_t height, Framebuffer& out) {
  out = {};
  if (!HasFramebufferEntries()) return false;
  const GlEntryPoints& gl = Gl();
  gl.glGenFramebuffersEXT(1, &out.framebuffer);
  if (out.framebuffer == 0) {
    std::printf("glGenFramebuffersExt failed\n");
    return false;
  }
  gl.glGenRenderbuffersEXT(1, &out.depthBuffer);
  if (out.depthBuffer == 0) {
    std::printf("glGenRenderbuffersExt failed\n");
    ReleaseFramebuffer(out);
    return false;
  }
  gl.glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, out.depthBuffer);
  gl.glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, GL_DEPTH_COMPONENT24, width, height);
  // Completeness is checked with the attachments the framebuffer will have.
  const GLint previous = CurrentFramebufferBinding();
  AttachFramebuffer(out, texture);
  const GLenum status = gl.glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT);
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(previous));
  if (status != GL_FRAMEBUFFER_COMPLETE_EXT) {
    std::printf("glCheckFramebufferStatusExt failed\n");
    ReleaseFramebuffer(out);
    return false;
  }
  return true;
}

void ReleaseFramebuffer(Framebuffer& fb) {
  const GlEntryPoints& gl = Gl();
  if (fb.framebuffer != 0 && gl.glDeleteFramebuffersEXT != nullptr) gl.glDeleteFramebuffersEXT(1, &fb.framebuffer);
  if (fb.depthBuffer != 0 && gl.glDeleteRenderbuffersEXT != nullptr) {
    gl.glDeleteRenderbuffersEXT(1, &fb.depthBuffer);
  }
  fb = {};
}

}  // namespace vdr
