#pragma once
// The small controls: the options button, the clip editor's cancel and
// confirm buttons, and the highlight of the chosen picker cell.

#include "tools/mediagen/image.h"

namespace vdr::mediagen {

// "options.png", 24 x 24.
Image DrawOptionsButton();
// "ok.png", 72 x 24: cancel in the left 24 pixels, confirm in the right 24.
Image DrawClipButtons();
// "dorado.png", 40 x 40: a golden frame, open in the middle.
Image DrawHighlight();

}  // namespace vdr::mediagen
