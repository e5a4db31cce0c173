#pragma once
// The game window's message handler: focus changes pause and resume the
// program, a close request ends it. Runs only inside the message pump.

#include <SDL2/SDL_events.h>

#include "app/engine_commands.h"

namespace vdr {

void DispatchWindowEvent(const SDL_Event& event);

// Window deactivated / activated (a focus change).
void WindowDeactivated();
void WindowActivated();

}  // namespace vdr
