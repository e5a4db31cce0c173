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

enum MouseButton { kMouseLeft = 0, kMouseRight = 1, kMouseMiddle = 2 };

class MouseTracker {
 public:
  // What the device reports. A button pressed and released between two
  // reads still reads as down once.
  void AddMotion(int32_t dx, int32_t dy);
  void AddWheel(int32_t steps);
  void SetButton(MouseButton button, bool down);
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
  bool pressedSinceRead_[3] = {};
};

}  // namespace vdr
