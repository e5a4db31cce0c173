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

// Rounds toward minus infinity, so the pixels left of or above the screen map
// below zero.
int32_t FloorDivide(int64_t value, int32_t divisor) {
  const int64_t quotient = value / divisor;
  return ToInt32(quotient * divisor > value ? quotient - 1 : quotient);
}

}  // namespace

MousePoint PointerMapping::ToLogical(MousePoint window) const {
  const int32_t s = std::max(scale, 1);
  return MousePoint{FloorDivide(int64_t{window.x} - offsetX, s), FloorDivide(int64_t{window.y} - offsetY, s)};
}

MousePoint PointerMapping::ToWindow(MousePoint logical) const {
  const int64_t s = std::max(scale, 1);
  return MousePoint{ToInt32(int64_t{logical.x} * s + offsetX + s / 2),
                    ToInt32(int64_t{logical.y} * s + offsetY + s / 2)};
}

void MouseTracker::AddMotion(int32_t dx, int32_t dy) {
  motionX_ += dx;
  motionY_ += dy;
}

void MouseTracker::AddWheel(int32_t steps) { wheel_ += steps; }

void MouseTracker::SetButton(MouseButton button, bool down, MousePoint at) {
  down_[button] = down;
  if (!down) return;
  ++pressesSinceRead_[button];
  pressSinceRead_ = true;
  pressPoint_ = at;
  pressMotionX_ = motionX_;
  pressMotionY_ = motionY_;
}

void MouseTracker::ResetDevice(uint32_t buttonsDown) {
  motionX_ = motionY_ = wheel_ = 0;
  for (int i = 0; i < 3; ++i) {
    down_[i] = (buttonsDown >> i & 1) != 0;
    pressesSinceRead_[i] = 0;
  }
  pressSinceRead_ = false;
}

MouseReading MouseTracker::Read(bool pointerMode, MousePoint cursor) {
  // A press since the last read takes the position to where it happened;
  // movement after it waits for the next frame.
  const MousePoint target = pressSinceRead_ ? pressPoint_ : cursor;
  const int64_t movedX = pressSinceRead_ ? pressMotionX_ : motionX_;
  const int64_t movedY = pressSinceRead_ ? pressMotionY_ : motionY_;
  if (needsFreshRead_ || pressSinceRead_) {
    if (pointerMode) {
      if (needsFreshRead_) {
        lastDx_ = ToInt16(int64_t{target.x} - position_.x);
        lastDy_ = ToInt16(int64_t{target.y} - position_.y);
      }
      position_ = target;
      motionX_ = motionY_ = 0;
    } else {
      if (needsFreshRead_) {
        lastDx_ = ToInt16(movedX);
        lastDy_ = ToInt16(movedY);
      }
      position_.x = ToInt32(int64_t{position_.x} + ToInt16(movedX));
      position_.y = ToInt32(int64_t{position_.y} + ToInt16(movedY));
      motionX_ -= movedX;
      motionY_ -= movedY;
    }
  }
  if (needsFreshRead_) {
    needsFreshRead_ = false;
    lastWheel_ = static_cast<int16_t>(wheel_ > 0 ? 1 : wheel_ < 0 ? -1 : 0);
    wheel_ = 0;
  }
  pressSinceRead_ = false;
  MouseReading reading;
  reading.dx = lastDx_;
  reading.dy = lastDy_;
  reading.wheel = lastWheel_;
  int16_t* buttons[3] = {&reading.left, &reading.right, &reading.middle};
  for (int i = 0; i < 3; ++i) {
    *buttons[i] = down_[i] || pressesSinceRead_[i] > 0 ? 1 : 0;
    pressesAtRead_[i] = pressesSinceRead_[i];
    pressesSinceRead_[i] = 0;
  }
  return reading;
}

MousePoint MouseTracker::ClampToScreen(int32_t width, int32_t height) {
  position_.x = std::clamp(position_.x, 0, std::max(width - 1, 0));
  position_.y = std::clamp(position_.y, 0, std::max(height - 1, 0));
  return position_;
}

}  // namespace vdr
