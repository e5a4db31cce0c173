#pragma once
// The one-line text editor behind InputText (and the name field of the file
// chooser): characters arrive one frame at a time, and a cursor blinks while
// nothing is typed.

#include <cstdint>
#include <string>

namespace vdr {

class LineEditor {
 public:
  explicit LineEditor(std::string text = {}) : text_(std::move(text)) {}

  // One frame with the character typed in it (0 for none). Enter (10) ends
  // the edit and gives true; Backspace (8) removes the last character, if
  // any; any other character is appended. 21 frames in a row without a
  // character toggle the cursor.
  bool Frame(uint8_t typed);

  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }
  bool CursorOn() const { return cursorOn_; }
  // The text as shown: with "_" after it while the cursor is on.
  std::string Shown() const { return cursorOn_ ? text_ + "_" : text_; }

 private:
  std::string text_;
  int32_t idleFrames_ = 0;
  bool cursorOn_ = false;
};

}  // namespace vdr
