#include "audio/mpv_movie.h"

#include <SDL2/SDL.h>
#include <mpv/client.h>
#include <mpv/render_gl.h>

#include <cstring>
#include <limits>

namespace vdr {
namespace {

void* GlEntry(void*, const char* name) { return SDL_GL_GetProcAddress(name); }

// The movie's sound goes where the runtime's sound goes; when that is SDL's
// dummy or disk output there is no device to hear it on.
bool AudioDiscarded() {
  const char* driver = SDL_GetCurrentAudioDriver();
  return driver != nullptr && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "disk") == 0);
}

}  // namespace

MpvMovie::~MpvMovie() {
  if (render_ != nullptr) mpv_render_context_free(render_);
  if (mpv_ != nullptr) mpv_terminate_destroy(mpv_);
}

bool MpvMovie::Open(const std::string& path, bool fitsItself, bool loop) {
  mpv_ = mpv_create();
  if (mpv_ == nullptr) return false;
  mpv_set_option_string(mpv_, "vo", "libmpv");
  mpv_set_option_string(mpv_, "hwdec", "no");
  mpv_set_option_string(mpv_, "gpu-hwdec-interop", "no");
  mpv_set_option_string(mpv_, "keep-open", "yes");
  mpv_set_option_string(mpv_, "pause", "yes");
  mpv_set_option_string(mpv_, "keepaspect", fitsItself ? "yes" : "no");
  mpv_set_option_string(mpv_, "loop-file", loop ? "inf" : "no");
  mpv_set_option_string(mpv_, "osd-level", "0");
  mpv_set_option_string(mpv_, "video-timing-offset", "0");  // frames are shown when drawn; see Draw
  mpv_set_option_string(mpv_, "load-scripts", "no");
  if (AudioDiscarded()) mpv_set_option_string(mpv_, "ao", "null");
  if (mpv_initialize(mpv_) < 0) return false;

  mpv_opengl_init_params glInit{GlEntry, nullptr};
  mpv_render_param params[] = {
      {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
      {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
      {MPV_RENDER_PARAM_INVALID, nullptr},
  };
  if (mpv_render_context_create(&render_, mpv_, params) < 0) {
    render_ = nullptr;
    return false;
  }
  const char* command[] = {"loadfile", path.c_str(), nullptr};
  return mpv_command(mpv_, command) >= 0 && WaitUntilLoaded();
}

bool MpvMovie::WaitUntilLoaded() {
  for (;;) {
    const mpv_event* event = mpv_wait_event(mpv_, -1);
    switch (event->event_id) {
      case MPV_EVENT_FILE_LOADED:
        return true;
      case MPV_EVENT_END_FILE:
      case MPV_EVENT_SHUTDOWN:
        return false;
      default:
        break;
    }
  }
}

void MpvMovie::Play() {
  int paused = 0;
  mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &paused);
}

double MpvMovie::Position() const {
  double seconds = 0;
  mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &seconds);
  return seconds;
}

double MpvMovie::End() const {
  double seconds = 0;
  if (mpv_get_property(mpv_, "duration", MPV_FORMAT_DOUBLE, &seconds) < 0 || seconds <= 0) {
    return std::numeric_limits<double>::infinity();
  }
  return seconds;
}

bool MpvMovie::ReachedEnd() const {
  int atEnd = 0;
  mpv_get_property(mpv_, "eof-reached", MPV_FORMAT_FLAG, &atEnd);
  return atEnd != 0 || Position() >= End();
}

int64_t MpvMovie::IntProperty(const char* name) const {
  int64_t value = 0;
  if (mpv_get_property(mpv_, name, MPV_FORMAT_INT64, &value) < 0) return 0;
  return value;
}

int MpvMovie::SourceWidth() const { return static_cast<int>(IntProperty("width")); }
int MpvMovie::SourceHeight() const { return static_cast<int>(IntProperty("height")); }

bool MpvMovie::FrameDue() {
  while (mpv_wait_event(mpv_, 0)->event_id != MPV_EVENT_NONE) {
  }
  return (mpv_render_context_update(render_) & MPV_RENDER_UPDATE_FRAME) != 0;
}

void MpvMovie::Draw(uint32_t framebuffer, int width, int height, bool flip) {
  mpv_opengl_fbo target{static_cast<int>(framebuffer), width, height, 0};
  int flipY = flip ? 1 : 0;
  // The playing loop paces itself. Waiting inside the renderer for the
  // player's next frame could wait forever where the player never delivers
  // one (at a loop's restart on a busy machine).
  int blockForTargetTime = 0;
  mpv_render_param params[] = {
      {MPV_RENDER_PARAM_OPENGL_FBO, &target},
      {MPV_RENDER_PARAM_FLIP_Y, &flipY},
      {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &blockForTargetTime},
      {MPV_RENDER_PARAM_INVALID, nullptr},
  };
  mpv_render_context_render(render_, params);
}

}  // namespace vdr
