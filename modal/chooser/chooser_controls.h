#pragma once
// The file chooser's keyboard and mouse, turned into chooser inputs one frame
// at a time: moving keys repeat while held, buttons act when let go over the
// part they were pressed on, two clicks on a row in quick succession (or both
// within one frame) open it,
// and the scroll bar's thumb can be dragged. Input held down when the chooser
// opens acts only once it has been let go and pressed again.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "modal/chooser/chooser_layout.h"
#include "modal/chooser/file_chooser.h"

namespace vdr {

// Whether the key with that scan code is held now.
using KeyHeldFn = std::function<bool(uint8_t code)>;

class ChooserKeyboard {
 public:
  explicit ChooserKeyboard(const KeyHeldFn& held);
  // The keys pressed this frame, with repeats of moving keys held down.
  std::vector<ChooserKey> Frame(const KeyHeldFn& held);

 private:
  static constexpr size_t kBindings = 9;
  std::array<int32_t, kBindings> heldFrames_{};  // -1: held since the start
};

struct PointerFrame {
  int32_t x = 0, y = 0;
  bool left = false;
  int32_t presses = 0;  // left presses since the last frame: 2 for a double click within it
  int32_t wheel = 0;    // +1 away from the user, -1 towards
  double timeMs = 0;
};

class ChooserMouse {
 public:
  explicit ChooserMouse(bool leftHeld) : wasDown_(leftHeld) {}
  ChooserOutcome Frame(const PointerFrame& pointer, const ChooserLayout& layout, FileChooser& chooser);

  ChooserHit Hover() const { return hover_; }
  // The part the button went down on, while it is held.
  ChooserHit Pressed() const { return pressed_; }
  bool Dragging() const { return dragging_; }

 private:
  void Press(const ChooserLayout& layout, FileChooser& chooser, const PointerFrame& pointer, ChooserOutcome& outcome);
  ChooserOutcome Release(FileChooser& chooser);

  bool wasDown_;
  ChooserHit hover_;
  ChooserHit pressed_;
  bool dragging_ = false;
  int32_t dragOffset_ = 0;  // pointer below the thumb's top
  int32_t lastClickEntry_ = -1;
  double lastClickMs_ = 0;
};

}  // namespace vdr
