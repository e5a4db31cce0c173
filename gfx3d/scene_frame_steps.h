#pragma once
// The 3D scene's parts of the frame cycle, run by the engine, not by programs
// (defined with the commands, gfx3d/scene_commands.cpp).

namespace vdr {

// The shadow mode ends before a frame is shown (and before SetViewport).
void EndShadowMode();
// After a frame is shown, textures bound for objects no longer apply and no
// shader program is current.
void ResetSceneFrame();

}  // namespace vdr
