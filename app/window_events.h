#pragma once
// The game window's message handler: focus changes pause and resume the
// program, a close request ends it. Runs only inside the message pump.

#include <SDL2/SDL_events.h>

namespace vdr {

void DispatchWindowEvent(const SDL_Event& event);

// Window deactivated / activated (a focus change).
void WindowDeactivated();
void WindowActivated();

// Command: pauses or resumes, raising "VDR_ON_PAUSE" or "VDR_ON_RESUME" when
// the state changes.
void SetPaused(double flag);

}  // namespace vdr
