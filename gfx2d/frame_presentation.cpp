// Showing the logical screen in a window of another size: the frame is drawn
// at its logical size and presented enlarged by a whole factor, centred, with
// black bars.

#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>

#include "gfx2d/gl_extensions.h"
#include "gfx2d/gl_state.h"
#include "gfx2d/image/texture_image.h"
#include "gfx2d/render_context.h"

namespace vdr {

void OpenGLLumet::UpdatePresentation() {
  if (window_ == nullptr) return;
  SDL_GL_GetDrawableSize(window_, &windowWidth_, &windowHeight_);
  fit_ = FitFrame(width_, height_, windowWidth_, windowHeight_);
  const bool direct = windowWidth_ == width_ && windowHeight_ == height_;
  if (direct ? !scaled_ : scaled_ && frameWidth_ == width_ && frameHeight_ == height_) return;
  // The frame changes place only between frames, never inside a screen.
  if (screens_.CurrentScreen() != kWindowTarget) screens_.EndScreen();
  ReleaseFrame();
  if (direct || width_ < 1 || height_ < 1) return;
  const int32_t tw = TextureSide(width_), th = TextureSide(height_);
  {
    ScopedTextureBinding keep(0);
    // No alpha, as the window has none: grabs and colour keys read the same.
    glGenTextures(1, &frameTexture_);
    glBindTexture(GL_TEXTURE_2D, frameTexture_);
    SetTextureWrap(GL_CLAMP_TO_EDGE);
    SetTextureFilter(true);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, tw, th, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
  }
  // Depth and stencil as the window has them (stencil shadows use both);
  // where the driver cannot, the frame goes through the window and is copied.
  if (HasFramebufferEntries()) {
    const GlEntryPoints& gl = Gl();
    gl.glGenFramebuffersEXT(1, &frameBuffer_);
    gl.glGenRenderbuffersEXT(1, &frameDepth_);
    gl.glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, frameDepth_);
    gl.glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, GL_DEPTH24_STENCIL8_EXT, tw, th);
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, frameBuffer_);
    gl.glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, frameTexture_, 0);
    gl.glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT, frameDepth_);
    gl.glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_STENCIL_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT, frameDepth_);
    if (gl.glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) != GL_FRAMEBUFFER_COMPLETE_EXT) {
      gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
      Framebuffer refused{frameBuffer_, frameDepth_};
      ReleaseFramebuffer(refused);
      frameBuffer_ = frameDepth_ = 0;
    }
  }
  frameWidth_ = width_;
  frameHeight_ = height_;
  scaled_ = true;
}

void OpenGLLumet::ReleaseFrame() {
  if (frameBuffer_ != 0) {
    Gl().glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    Framebuffer framebuffer{frameBuffer_, frameDepth_};
    device_.DeleteFramebuffer(framebuffer);
    frameBuffer_ = frameDepth_ = 0;
  }
  device_.DeleteTexture(frameTexture_);
  scaled_ = false;
}

void OpenGLLumet::PresentScaledFrame() {
  // Everything the quad changes goes back as the program left it. The colour
  // buffer state is not pushed: it holds the frame's draw buffer, which the
  // window's framebuffer would refuse when popped.
  GLfloat clearColour[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColour);
  glPushAttrib(GL_VIEWPORT_BIT | GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, windowWidth_, windowHeight_, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();

  EnableTexturingOnUnitZeroOnly();
  glBindTexture(GL_TEXTURE_2D, frameTexture_);
  if (frameBuffer_ != 0) {
    Gl().glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
  } else {
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width_, height_);
  }
  glViewport(0, 0, windowWidth_, windowHeight_);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glDisable(GL_BLEND);
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_DEPTH_TEST);
  glColor4f(1, 1, 1, 1);
  const Rect& shown = fit_.shown;
  const ScreenRect rect{static_cast<float>(shown.x), static_cast<float>(shown.y),
                        static_cast<float>(shown.x + shown.w), static_cast<float>(shown.y + shown.h)};
  const TexCorners tex{0.0f, static_cast<float>(width_) / static_cast<float>(TextureSide(width_)), 0.0f,
                       static_cast<float>(height_) / static_cast<float>(TextureSide(height_))};
  DrawFanQuad(MakeQuad(rect, tex));

  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopAttrib();
  glClearColor(clearColour[0], clearColour[1], clearColour[2], clearColour[3]);
}

}  // namespace vdr
