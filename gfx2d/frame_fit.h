#pragma once
// How the logical screen is shown in a window of another size: enlarged by a
// whole factor (sharp pixels), centred, with bars around it.

#include "gfx2d/viewport.h"

namespace vdr {

struct FrameFit {
  int scale = 1;
  Rect shown;  // the enlarged frame in window pixels, top-down; may reach past a small window
  bool operator==(const FrameFit&) const = default;
};

// The largest whole factor at which the logical screen fits the window, at
// least 1 (a window smaller than the screen shows its middle).
FrameFit FitFrame(int logicalWidth, int logicalHeight, int windowWidth, int windowHeight);

// The factor a window starts with: the largest whose window fits inside the
// usable desktop and covers at most 80 % of it, at least 1.
int StartScale(int logicalWidth, int logicalHeight, int usableWidth, int usableHeight);

// A factor asked for in text ("3"): a whole number from 1 to 16, else 0.
int ParseScale(const char* text);

}  // namespace vdr
