#pragma once
// Where a movie is shown in the game window: scaled by the same factor in both
// directions to the largest size that fits the client area, and centred.

#include "gfx2d/viewport.h"

namespace vdr {

// s = min(client width / source width, client height / source height); the
// movie is int(s x source width) by int(s x source height), centred with
// integer division. Empty when either size is not positive (no picture).
Rect FitMovie(int clientWidth, int clientHeight, int sourceWidth, int sourceHeight);

}  // namespace vdr
