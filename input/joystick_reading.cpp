#include "input/joystick_reading.h"

#include <SDL2/SDL_joystick.h>

#include <algorithm>
#include <cmath>

namespace vdr {
namespace {

double ClampUnit(double value) { return std::isnan(value) ? 0.0 : std::clamp(value, -1.0, 1.0); }

}  // namespace

uint32_t PovFromHat(uint8_t hat) {
  switch (hat) {
    case SDL_HAT_UP:
      return 0;
    case SDL_HAT_RIGHTUP:
      return 4500;
    case SDL_HAT_RIGHT:
      return 9000;
    case SDL_HAT_RIGHTDOWN:
      return 13500;
    case SDL_HAT_DOWN:
      return 18000;
    case SDL_HAT_LEFTDOWN:
      return 22500;
    case SDL_HAT_LEFT:
      return 27000;
    case SDL_HAT_LEFTUP:
      return 31500;
    default:
      return kPovCentred;
  }
}

double AxisUnit(int32_t raw) { return ClampUnit(raw / 32767.0); }

int32_t HatX(uint32_t pov) {
  switch (pov) {
    case 4500:
    case 9000:
    case 13500:
      return 1;
    case 22500:
    case 27000:
    case 31500:
      return -1;
    default:
      return 0;
  }
}

int32_t HatY(uint32_t pov) {
  switch (pov) {
    case 0:
    case 4500:
    case 31500:
      return -1;
    case 13500:
    case 18000:
    case 22500:
      return 1;
    default:
      return 0;
  }
}

int32_t StateAxis(int32_t raw) { return raw / 30000; }

uint8_t ButtonByte(const JoystickReading& reading, int32_t button) {
  return button >= 0 && button < kJoystickButtons ? reading.buttons[button] : 0;
}

ConstantForce ConstantForceFor(int32_t durationMs, double x, double y) {
  x = ClampUnit(x);
  y = ClampUnit(y);
  ConstantForce force;
  force.directionX = static_cast<int32_t>(x * 32767);
  force.directionY = static_cast<int32_t>(y * 32767);
  force.magnitude = static_cast<int32_t>((x * x + y * y) * 10000 * 0.5);
  force.lengthMs = static_cast<uint32_t>(std::max(durationMs, 0));
  return force;
}

}  // namespace vdr
