#pragma once
// FileRequest: the open and save dialogs, as a chooser drawn in the game
// window over a dimmed copy of the screen, used with the keyboard or the
// mouse.

#include "runtime/runtime_string.h"

namespace vdr {

// openFlag nonzero: open (only existing files can be chosen); 0: save (the
// typed or chosen name in the folder being browsed). The filter is pairs of
// description and wildcards, "Pictures|*.png;*.jpg|All files|*.*". Gives
// the full "/"-separated path, or "NO_FILE" when cancelled. The current
// folder, the runtime error status, the pointer and Escape's ending of the
// program are as they were when it returns.
RuntimeString FileRequest(double openFlag, const RuntimeString& filter);

}  // namespace vdr
