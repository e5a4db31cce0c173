#pragma once
// The intro pictures, shown on a white 480 x 320 screen: the title "dg.png"
// rises to (20, 72) while the cat "gato.png" slides in to (322.5, 20).

#include "tools/mediagen/image.h"

namespace vdr::mediagen {

// At most 300 x 248, so that it stays left of the cat and on the screen.
Image DrawTitle();
// At most 157 x 300.
Image DrawCat();

}  // namespace vdr::mediagen
