#pragma once
// Commands of the engine's own state: pausing, the pause on focus loss, and
// the command line.

#include "runtime/runtime_string.h"

namespace vdr {

// Pauses or resumes, raising "VDR_ON_PAUSE" or "VDR_ON_RESUME" when the state
// changes.
void SetPaused(double flag);
// Whether losing the window's focus pauses the program (on at start-up).
void AutoPause(double flag);
// The whole command line, program name included.
RuntimeString CommandLine();

}  // namespace vdr
