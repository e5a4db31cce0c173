#include "audio/movie_player.h"

#include <SDL2/SDL.h>

#include <memory>
#include <string>

#include "app/frame_cycle.h"
#include "audio/movie_surface.h"
#include "audio/mpv_movie.h"
#include "audio/music_player.h"
#include "files/file_resolver.h"
#include "files/platform_paths.h"
#include "gfx2d/render_context.h"
#include "input/input_context.h"

namespace vdr {
namespace {

constexpr int32_t kCannotOpen = 3;

// A key that types a character, or a mouse button held down.
bool UserInterrupts() {
  InputContext* input = ActiveInput();
  if (input == nullptr) return false;
  if (input->TypedChar() != 0) return true;
  const MouseReading mouse = input->ReadMouse();
  return mouse.left != 0 || mouse.right != 0 || mouse.middle != 0;
}

// The movie on screen, kept outside PlayMovie's own frame: a program that
// ends while it plays (a close request inside the loop) never returns there,
// and shutdown must still end the player and its threads.
struct ShownMovie {
  explicit ShownMovie(OpenGLLumet& context) : surface(context) {}
  MovieSurface surface;
  MpvMovie movie;
};
std::unique_ptr<ShownMovie> g_shown;

}  // namespace

void CloseMovie() { g_shown.reset(); }

int32_t PlayMovie(const RuntimeString& name, double loop) {
  std::string resolved;
  if (!DiskContext().Resolve(name.c_str(), resolved)) return kCannotOpen;
  OpenGLLumet* context = ActiveRenderContext();
  if (context == nullptr || !context->contextReady) return kCannotOpen;
  g_shown = std::make_unique<ShownMovie>(*context);
  MovieSurface& surface = g_shown->surface;
  MpvMovie& movie = g_shown->movie;
  if (!movie.Open(NativePath(resolved.c_str()), !surface.HasFramebuffers(), loop != 0)) {
    CloseMovie();
    return kCannotOpen;
  }

  // A key or button still held from before does not end the movie at once.
  while (UserInterrupts()) {
    PumpMessages(ResolveMessageCallback());
    SDL_Delay(1);
  }

  movie.Play();
  for (;;) {
    if (movie.FrameDue()) surface.Present(movie);
    if (UserInterrupts()) break;
    CheckMusicRestart();
    PumpMessages(ResolveMessageCallback());  // a close request ends the program here
    if (loop == 0 && movie.ReachedEnd()) break;
    SDL_Delay(1);
  }
  CloseMovie();
  return 0;
}

}  // namespace vdr
