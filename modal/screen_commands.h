#pragma once
// The display-mode switch.

namespace vdr {

// Command: stores the size and the full-screen flag in the project settings,
// switches the render context to them and runs five frames.
void SetScreen(double width, double height, double fullScreenFlag);

}  // namespace vdr
