#pragma once
// Set by the engine at start-up, not by programs: what SetViewport
// (gfx2d/view_commands.h) runs first. The 3D scene ends its shadow mode there.

namespace vdr {

// Null for nothing.
void SetViewportCommandHook(void (*hook)());

}  // namespace vdr
