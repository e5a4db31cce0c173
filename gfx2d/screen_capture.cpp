// Saving the window's frame as an image file.

#include <SDL2/SDL_opengl.h>

#include "gfx2d/gl_extensions.h"
#include "gfx2d/gl_state.h"
#include "gfx2d/image/image_writers.h"
#include "gfx2d/render_context.h"

namespace vdr {

bool OpenGLLumet::SaveScreenshot(const char* fileName) {
  PixelImage image;
  if (fileName == nullptr || !image.Reset(width_, height_)) return false;
  // The window's frame, even while an offscreen screen is bound.
  const GLint framebuffer = CurrentFramebufferBinding();
  const GLuint window = frameBuffer_;
  if (static_cast<GLuint>(framebuffer) != window) Gl().glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, window);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, image.pixels.data());
  if (static_cast<GLuint>(framebuffer) != window) {
    Gl().glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(framebuffer));
  }
  // A frame has no transparency, whatever the window keeps in its alpha.
  for (size_t i = 3; i < image.pixels.size(); i += 4) image.pixels[i] = 255;
  FlipRows(image);
  return SaveImage(fileName, image);
}

}  // namespace vdr
