#pragma once
// Draws one frame of the file chooser: the screen as the program left it,
// dimmed, and the panel over it in the current font.

#include <cstdint>
#include <string_view>

#include "modal/chooser/chooser_layout.h"
#include "modal/chooser/file_chooser.h"

namespace vdr {

class OpenGLLumet;

struct ChooserScene {
  const ChooserLayout& layout;
  const FileChooser& chooser;
  std::string_view folder;  // the folder being browsed
  ChooserHit hover;         // what the pointer is over
  ChooserHit pressed;       // where the button went down, while held
  bool dragging = false;    // the scroll bar's thumb is being dragged
};

// `background` is the record holding the screen the chooser was opened over.
void DrawChooser(OpenGLLumet& context, int32_t background, const ChooserScene& scene);

}  // namespace vdr
