#include "modal/movie_surface.h"

#include "modal/movie_fit.h"
#include "gfx2d/gl_extensions.h"

namespace vdr {

MovieSurface::MovieSurface(OpenGLLumet& context) : context_(context) {
  const GlEntryPoints& gl = Gl();
  framebuffers_ = gl.glGenFramebuffersEXT != nullptr && gl.glBindFramebufferEXT != nullptr &&
                  gl.glFramebufferTexture2DEXT != nullptr && gl.glCheckFramebufferStatusEXT != nullptr &&
                  gl.glDeleteFramebuffersEXT != nullptr;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

MovieSurface::~MovieSurface() {
  Framebuffer framebuffer{framebuffer_, 0};
  context_.Device().DeleteFramebuffer(framebuffer);
  context_.Device().DeleteTexture(frameTexture_);
  context_.SetViewport(0, 0, 0, 0);
}

bool MovieSurface::PrepareTarget(int width, int height) {
  if (framebuffer_ != 0 && width == targetWidth_ && height == targetHeight_) return true;
  const GlEntryPoints& gl = Gl();
  if (frameTexture_ == 0) glGenTextures(1, &frameTexture_);
  glBindTexture(GL_TEXTURE_2D, frameTexture_);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
  if (framebuffer_ == 0) gl.glGenFramebuffersEXT(1, &framebuffer_);
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer_);
  gl.glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, frameTexture_, 0);
  const bool complete = gl.glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) == GL_FRAMEBUFFER_COMPLETE_EXT;
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, context_.WindowFramebuffer());
  targetWidth_ = complete ? width : 0;
  targetHeight_ = complete ? height : 0;
  return complete;
}

void MovieSurface::DrawMovie(MpvMovie& movie, uint32_t framebuffer, int width, int height, bool flip) {
  // mpv expects OpenGL's default state where it does not set its own; the 2D
  // state (alpha test above all) is put aside while it draws.
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_TEXTURE_2D);
  movie.Draw(framebuffer, width, height, flip);
  glPopClientAttrib();
  glPopAttrib();
  if (framebuffers_) Gl().glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, context_.WindowFramebuffer());
}

// mpv leaves the picture's top row at the start of the texture.
void MovieSurface::DrawFrameTexture(Rect rect) {
  context_.SetViewport(0, 0, 0, 0);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, frameTexture_);
  glColor4f(1, 1, 1, 1);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2i(rect.x, rect.y);
  glTexCoord2f(1, 0);
  glVertex2i(rect.x + rect.w, rect.y);
  glTexCoord2f(1, 1);
  glVertex2i(rect.x + rect.w, rect.y + rect.h);
  glTexCoord2f(0, 1);
  glVertex2i(rect.x, rect.y + rect.h);
  glEnd();
}

void MovieSurface::Present(MpvMovie& movie) {
  if (!framebuffers_) {
    DrawMovie(movie, 0, context_.Width(), context_.Height(), true);
  } else {
    const Rect shown = FitMovie(context_.Width(), context_.Height(), movie.SourceWidth(), movie.SourceHeight());
    if (shown.w > 0 && shown.h > 0 && PrepareTarget(shown.w, shown.h)) {
      DrawMovie(movie, framebuffer_, shown.w, shown.h, false);
      DrawFrameTexture(shown);
    }
  }
  // Presenting clears the back buffer to the background colour for the next frame.
  context_.PresentFrame();
}

}  // namespace vdr
