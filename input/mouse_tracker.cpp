#include "input/mouse_tracker.h"

#include <algorithm>
#include <limits>

namespace vdr {
namespace {

// Readings hold 16-bit movement; larger steps saturate rather than wrap.
int16_t ToInt16(int64_t value) {
  return static_cast<int16_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

int32_t ToInt32(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

void MouseTracker::AddMotion(int32_t dx, int32_t dy) {
  motionX_ += dx;
  motionY_ += dy;
}

void MouseTracker::AddWheel(int32_t steps) { wheel_ += steps; }

void MouseTracker::SetButton(MouseButton button, bool down) {
  down_[button] = down;
  if (down) pressedSinceRead_[button] = true;
}

void MouseTracker::ResetDevice(uint32_t buttonsDown) {
  motionX_ = motionY_ = wheel_ = 0;
  for (int i = 0; i < 3; ++i) {
    down_[i] = (buttonsDown >> i & 1) != 0;
    pressedSinceRead_[i] = false;
  }
}

MouseReading MouseTracker::Read(bool pointerMode, MousePoint cursor) {
  if (needsFreshRead_) {
    needsFreshRead_ = false;
    if (pointerMode) {
      lastDx_ = ToInt16(int64_t{cursor.x} - position_.x);
      lastDy_ = ToInt16(int64_t{cursor.y} - position_.y);
      position_ = cursor;
    } else {
      lastDx_ = ToInt16(motionX_);
      lastDy_ = ToInt16(motionY_);
      position_.x = ToInt32(int64_t{position_.x} + lastDx_);
      position_.y = ToInt32(int64_t{position_.y} + lastDy_);
    }
    lastWheel_ = static_cast<int16_t>(wheel_ > 0 ? 1 : wheel_ < 0 ? -1 : 0);
    motionX_ = motionY_ = wheel_ = 0;
  }
  MouseReading reading;
  reading.dx = lastDx_;
  reading.dy = lastDy_;
  reading.wheel = lastWheel_;
  int16_t* buttons[3] = {&reading.left, &reading.right, &reading.middle};
  for (int i = 0; i < 3; ++i) {
    *buttons[i] = down_[i] || pressedSinceRead_[i] ? 1 : 0;
    pressedSinceRead_[i] = false;
  }
  return reading;
}

MousePoint MouseTracker::ClampToScreen(int32_t width, int32_t height) {
  position_.x = std::clamp(position_.x, 0, std::max(width - 1, 0));
  position_.y = std::clamp(position_.y, 0, std::max(height - 1, 0));
  return position_;
}

}  // namespace vdr
