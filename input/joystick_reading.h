#pragma once
// A joystick reading and the arithmetic the joystick commands apply to it:
// axes as -1...1, hat directions, the coarse state of joystick 0, and the
// constant force effect. No platform calls.

#include <cstdint>

namespace vdr {

constexpr int kMaxJoysticks = 10;
constexpr int kJoystickAxes = 6;
constexpr int kJoystickButtons = 32;
// Point of view with no direction.
constexpr uint32_t kPovCentred = 0xFFFFFFFF;

struct JoystickReading {
  int32_t axes[kJoystickAxes] = {};  // X, Y, Z, Rx, Ry, Rz in -32768...32767
  uint32_t pov = kPovCentred;         // hundredths of a degree clockwise from up
  uint8_t buttons[kJoystickButtons] = {};  // 128 while pressed
};

// The point of view of an SDL hat (SDL_HAT_* bits); impossible combinations
// are centred.
uint32_t PovFromHat(uint8_t hat);

// An axis divided by 32767, clamped to -1...1.
double AxisUnit(int32_t raw);
// The first point of view as -1, 0 or +1 to the right / downwards.
int32_t HatX(uint32_t pov);
int32_t HatY(uint32_t pov);
// An axis of joystick 0 divided by 30000 and truncated: -1, 0 or +1.
int32_t StateAxis(int32_t raw);
// The button byte; 0 for buttons outside 0...31.
uint8_t ButtonByte(const JoystickReading& reading, int32_t button);

// A constant force over the X and Y axes.
struct ConstantForce {
  int32_t directionX = 0;  // x and y clamped to -1...1, times 32767
  int32_t directionY = 0;
  int32_t magnitude = 0;   // (x² + y²) × 5000: 0...10000
  uint32_t lengthMs = 0;
  // The magnitude on SDL's 0...32767 scale.
  int16_t Level() const { return static_cast<int16_t>(magnitude * 32767 / 10000); }
};
ConstantForce ConstantForceFor(int32_t durationMs, double x, double y);

}  // namespace vdr
