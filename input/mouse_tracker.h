#pragma once
// The mouse as the commands see it: a tracked position, movement taken once
// per frame (every read in the same frame repeats it), wheel steps of -1, 0
// or +1, and three buttons. The device's events feed it; it makes no
// platform calls, so it runs without a window.

#include <cstdint>

namespace vdr {

// One reading: buttons 0/1, movement, wheel step.
struct MouseReading {
  int16_t left = 0;
  int16_t right = 0;
  int16_t middle = 0;
  int16_t dx = 0;
  int16_t dy = 0;
  int16_t wheel = 0;
};

struct MousePoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const MousePoint&) const = default;
};

// Where the logical screen shows in the window: each logical pixel is a
// square of `scale` window pixels, the screen's top-left corner at (offsetX,
// offsetY) in window pixels.
struct PointerMapping {
  int32_t scale = 1;
  int32_t offsetX = 0;
  int32_t offsetY = 0;
  // The logical pixel under a window pixel; outside the screen (in the bars)
  // it lies outside the screen too, for the commands to clamp.
  MousePoint ToLogical(MousePoint window) const;
  // The middle of the logical pixel's square in window pixels.
  MousePoint ToWindow(MousePoint logical) const;
};

enum MouseButton { kMouseLeft = 0, kMouseRight = 1, kMouseMiddle = 2 };

class MouseTracker {
 public:
  // What the device reports. A button pressed and released between two
  // reads still reads as down once, and that read is taken where it was
  // pressed: in pointer mode at `at` (the pointer in window coordinates when
  // the button went down), in captured mode after the movement made before
  // the press, while later movement waits for the next frame.
  void AddMotion(int32_t dx, int32_t dy);
  void AddWheel(int32_t steps);
  void SetButton(MouseButton button, bool down, MousePoint at = {});
  // Forgets movement and wheel steps not read yet and takes the buttons
  // afresh (bit 0 left, bit 1 right, bit 2 middle): after a mode switch, or
  // when the window comes back.
  void ResetDevice(uint32_t buttonsDown);

  // The next read takes new movement (once per frame).
  void MarkFreshRead() { needsFreshRead_ = true; }

  // A read. In pointer mode the movement is the way from the tracked
  // position to `cursor` (the system pointer in window coordinates), which
  // becomes the tracked position; in captured mode the device's movement
  // moves the tracked position. Buttons are taken at every read.
  MouseReading Read(bool pointerMode, MousePoint cursor);
  // How many times the button went down between the read before last and
  // the last read (two for a double click made within one frame).
  int32_t PressesAtLastRead(MouseButton button) const { return pressesAtRead_[button]; }

  MousePoint Position() const { return position_; }
  void SetPosition(MousePoint position) { position_ = position; }
  // Clamps the tracked position into a screen of that size and keeps the
  // clamped value.
  MousePoint ClampToScreen(int32_t width, int32_t height);

 private:
  MousePoint position_{100, 100};
  bool needsFreshRead_ = true;
  int16_t lastDx_ = 0;
  int16_t lastDy_ = 0;
  int16_t lastWheel_ = 0;
  // Device movement since the last fresh read.
  int64_t motionX_ = 0;
  int64_t motionY_ = 0;
  int64_t wheel_ = 0;
  bool down_[3] = {};
  int32_t pressesSinceRead_[3] = {};
  int32_t pressesAtRead_[3] = {};
  // The place of the latest press since the last read.
  bool pressSinceRead_ = false;
  MousePoint pressPoint_;
  int64_t pressMotionX_ = 0;
  int64_t pressMotionY_ = 0;
};

}  // namespace vdr
