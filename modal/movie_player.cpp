#include "modal/movie_player.h"

#include <memory>
#include <string>

#include "app/engine_state.h"
#include "app/frame_steps.h"
#include "audio/mpv_movie.h"
#include "files/file_resolver.h"
#include "files/platform_paths.h"
#include "gfx2d/render_context.h"
#include "input/input_context.h"
#include "modal/movie_surface.h"

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

// The movie on screen with its player. The engine owns it while it plays: a
// program that ends during the movie (a close request inside the loop) never
// returns here, and shutdown must still end the player and its threads.
struct ShownMovie : ShownMedia {
  explicit ShownMovie(OpenGLLumet& context) : surface(context) {}
  MovieSurface surface;
  MpvMovie movie;
};

}  // namespace

int32_t PlayMovie(const RuntimeString& name, double loop) {
  std::string resolved;
  if (!DiskContext().Resolve(name.c_str(), resolved)) return kCannotOpen;
  OpenGLLumet* context = ActiveRenderContext();
  if (context == nullptr || !context->ContextReady()) return kCannotOpen;
  std::unique_ptr<ShownMedia>& shown = Engine().shownMedia;
  auto owned = std::make_unique<ShownMovie>(*context);
  MovieSurface& surface = owned->surface;
  MpvMovie& movie = owned->movie;
  shown = std::move(owned);
  if (!movie.Open(NativePath(resolved.c_str()), !surface.HasFramebuffers(), loop != 0)) {
    shown.reset();
    return kCannotOpen;
  }

  // A key or button still held from before does not end the movie at once.
  while (UserInterrupts()) WaitStep(1);

  movie.Play();
  for (;;) {
    if (movie.FrameDue()) surface.Present(movie);
    if (UserInterrupts()) break;
    WaitStep(1);  // a close request ends the program here
    if (loop == 0 && movie.ReachedEnd()) break;
  }
  shown.reset();
  return 0;
}

}  // namespace vdr
