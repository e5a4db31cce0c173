#include "tests/support/x_server_sync.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

#include "app/engine_state.h"

namespace vdr::test {

void SyncWithServer() {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(Engine().Window(), &info) == SDL_TRUE) XSync(info.info.x11.display, False);
}

}  // namespace vdr::test
