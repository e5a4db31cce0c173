#include "audio/movie_player.h"

#include <SDL2/SDL.h>

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

// Scan codes of the keys that type a character: the digit row, letters,
// punctuation, Space, Backspace, Enter and the keypad. Modifiers, locks,
// Escape, Tab, function and cursor keys type none.
bool TypesCharacter(int code) {
  return (code >= 2 && code <= 14) || (code >= 16 && code <= 28) || (code >= 30 && code <= 41) ||
         (code >= 43 && code <= 53) || code == 55 || code == 57 || (code >= 71 && code <= 83) || code == 86 ||
         code == 156 || code == 181;
}

bool CharacterKeyHeld() {
  const InputContext* input = ActiveInput();
  if (input == nullptr) return false;
  for (int code = 0; code < 255; ++code) {
    if (TypesCharacter(code) && input->KeyHeld(static_cast<uint8_t>(code))) return true;
  }
  return false;
}

bool MouseButtonHeld() {
  return (SDL_GetMouseState(nullptr, nullptr) & (SDL_BUTTON_LMASK | SDL_BUTTON_MMASK | SDL_BUTTON_RMASK)) != 0;
}

bool UserInterrupts() { return CharacterKeyHeld() || MouseButtonHeld(); }

// Window messages (a close request ends the program here) and a fresh keyboard snapshot.
void PumpAndPoll() {
  PumpMessages(ResolveMessageCallback());
  if (InputContext* input = ActiveInput()) input->PollKeyboard();
}

}  // namespace

int32_t PlayMovie(const RuntimeString& name, double loop) {
  std::string resolved;
  if (!DiskContext().Resolve(name.c_str(), resolved)) return kCannotOpen;
  OpenGLLumet* context = ActiveRenderContext();
  if (context == nullptr || !context->contextReady) return kCannotOpen;
  MovieSurface surface(*context);
  MpvMovie movie;
  if (!movie.Open(NativePath(resolved.c_str()), !surface.HasFramebuffers(), loop != 0)) return kCannotOpen;

  // A key or button still held from before does not end the movie at once.
  for (PumpAndPoll(); UserInterrupts(); PumpAndPoll()) SDL_Delay(1);

  movie.Play();
  for (;;) {
    if (movie.FrameDue()) surface.Present(movie);
    if (UserInterrupts()) break;
    CheckMusicRestart();
    PumpAndPoll();
    if (loop == 0 && movie.ReachedEnd()) break;
    SDL_Delay(1);
  }
  return 0;
}

}  // namespace vdr
