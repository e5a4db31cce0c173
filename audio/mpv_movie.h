#pragma once
// One movie opened in libmpv, drawn through mpv's OpenGL renderer on the
// game's OpenGL context (which must be current on the calling thread). The
// player's own unit of position is the second; a movie that has played to its
// end holds its last frame.

#include <cstdint>
#include <string>

struct mpv_handle;
struct mpv_render_context;

namespace vdr {

class MpvMovie {
 public:
  MpvMovie() = default;
  ~MpvMovie();
  MpvMovie(const MpvMovie&) = delete;
  MpvMovie& operator=(const MpvMovie&) = delete;

  // Opens the file, paused on its first frame. `fitsItself` lets mpv keep the
  // aspect inside whatever it draws into; otherwise it fills it. A looping
  // movie starts over from its start whenever it reaches its end. False when
  // the file cannot be opened as media or the renderer cannot start.
  bool Open(const std::string& path, bool fitsItself, bool loop);
  void Play();
  // Position and end (its duration), in seconds; the end is infinite when the
  // file does not tell its length.
  double Position() const;
  double End() const;
  bool ReachedEnd() const;
  // The video's size in pixels; 0 before the first frame is known or without video.
  int SourceWidth() const;
  int SourceHeight() const;

  // Takes mpv's events; true when a new frame is due for drawing.
  bool FrameDue();
  // Draws the current frame into the framebuffer object `framebuffer` (0: the
  // window) of that size. `flip` for the window, whose rows run bottom-up.
  void Draw(uint32_t framebuffer, int width, int height, bool flip);

 private:
  bool WaitUntilLoaded();
  int64_t IntProperty(const char* name) const;

  mpv_handle* mpv_ = nullptr;
  mpv_render_context* render_ = nullptr;
};

}  // namespace vdr
