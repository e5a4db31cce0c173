#include "files/platform_paths.h"
#include "tests/audio/audio_window_support.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>

#include "app/engine_state.h"

namespace vdr::test {

std::string TempFile(const char* name) { return TempFolder() + name; }

int32_t ShownPixel(int x, int y) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(Engine().Window(), &info) != SDL_TRUE) return -1;
  XImage* image = XGetImage(info.info.x11.display, info.info.x11.window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return -1;
  const unsigned long rgb = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return static_cast<int32_t>((rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16);
}

void PushKeyTap() {
  for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = SDL_SCANCODE_A;
    SDL_PushEvent(&event);
  }
}

}  // namespace vdr::test
