#include "input/line_editor.h"

namespace vdr {

bool LineEditor::Frame(uint8_t typed) {
  if (typed == 0) {
    if (++idleFrames_ > 20) {
      idleFrames_ = 0;
      cursorOn_ = !cursorOn_;
    }
    return false;
  }
  idleFrames_ = 0;
  if (typed == 10) return true;
  if (typed == 8) {
    if (!text_.empty()) text_.pop_back();
  } else {
    text_ += static_cast<char>(typed);
  }
  return false;
}

}  // namespace vdr
