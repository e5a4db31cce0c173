#pragma once
// InputText: a line of text edited on screen.

#include "runtime/runtime_string.h"

namespace vdr {

// Edits the text at (x, y) in the current font, one frame at a time, over a
// copy of the screen as it was, until Enter: Backspace removes the last
// character, other typed characters are appended, and "_" blinks while
// nothing is typed.
void InputText(RuntimeString& text, double x, double y);

}  // namespace vdr
