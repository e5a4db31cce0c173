#pragma once
// Shows a movie in the game window: the movie in its rectangle (see
// movie_fit.h), the window's background colour around it. mpv draws each frame
// into a framebuffer object of the rectangle's size, which is then drawn into
// the window. Without framebuffer objects mpv draws straight into the whole
// window and fits the movie itself.

#include <SDL2/SDL_opengl.h>

#include "audio/mpv_movie.h"
#include "gfx2d/render_context.h"
#include "gfx2d/viewport.h"

namespace vdr {

class MovieSurface {
 public:
  // Starts from a cleared back buffer.
  explicit MovieSurface(OpenGLLumet& context);
  // Deletes its textures and resets the 2D drawing state.
  ~MovieSurface();
  MovieSurface(const MovieSurface&) = delete;
  MovieSurface& operator=(const MovieSurface&) = delete;

  // False when mpv has to fit the movie into the whole window itself.
  bool HasFramebuffers() const { return framebuffers_; }
  // Draws the movie's current frame and presents the window.
  void Present(MpvMovie& movie);

 private:
  bool PrepareTarget(int width, int height);
  // Runs mpv's renderer with the runtime's OpenGL state saved around it.
  void DrawMovie(MpvMovie& movie, uint32_t framebuffer, int width, int height, bool flip);
  void DrawFrameTexture(Rect rect);

  OpenGLLumet& context_;
  bool framebuffers_ = false;
  GLuint frameTexture_ = 0;
  GLuint framebuffer_ = 0;
  int targetWidth_ = 0;
  int targetHeight_ = 0;
};

}  // namespace vdr
