// Joystick arithmetic: axes, hats, the coarse state, buttons, constant force.

#include "input/joystick_reading.h"

#include <SDL2/SDL_joystick.h>
#include <gtest/gtest.h>

#include <cmath>

namespace vdr {
namespace {

TEST(JoystickReadingTest, AxesAreClampedUnits) {
  EXPECT_EQ(AxisUnit(32767), 1.0);
  EXPECT_EQ(AxisUnit(-32768), -1.0);
  EXPECT_EQ(AxisUnit(0), 0.0);
  EXPECT_NEAR(AxisUnit(-16384), -0.5, 1e-4);
}

TEST(JoystickReadingTest, StateAxesNeedThirtyThousand) {
  const struct {
    int32_t raw;
    int32_t state;
  } cases[] = {{32767, 1}, {-32768, -1}, {30000, 1}, {-30000, -1}, {29999, 0}, {-29999, 0}, {0, 0}};
  for (const auto& c : cases) EXPECT_EQ(StateAxis(c.raw), c.state) << c.raw;
}

TEST(JoystickReadingTest, HatDirections) {
  const struct {
    uint8_t hat;
    uint32_t pov;
    int32_t x, y;
  } cases[] = {
      {SDL_HAT_CENTERED, kPovCentred, 0, 0}, {SDL_HAT_UP, 0, 0, -1},         {SDL_HAT_RIGHTUP, 4500, 1, -1},
      {SDL_HAT_RIGHT, 9000, 1, 0},           {SDL_HAT_RIGHTDOWN, 13500, 1, 1}, {SDL_HAT_DOWN, 18000, 0, 1},
      {SDL_HAT_LEFTDOWN, 22500, -1, 1},      {SDL_HAT_LEFT, 27000, -1, 0},     {SDL_HAT_LEFTUP, 31500, -1, -1},
      {SDL_HAT_UP | SDL_HAT_DOWN, kPovCentred, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PovFromHat(c.hat), c.pov) << int(c.hat);
    EXPECT_EQ(HatX(c.pov), c.x) << c.pov;
    EXPECT_EQ(HatY(c.pov), c.y) << c.pov;
  }
  EXPECT_EQ(HatY(0xFFFF), 0);  // centred in the low word only
  EXPECT_EQ(HatX(9001), 0);
}

TEST(JoystickReadingTest, AbsentJoystickReadsCentredAndReleased) {
  const JoystickReading absent;
  EXPECT_EQ(HatX(absent.pov), 0);
  EXPECT_EQ(HatY(absent.pov), 0);
  EXPECT_EQ(StateAxis(absent.axes[0]), 0);
  EXPECT_EQ(ButtonByte(absent, 0), 0);
}

TEST(JoystickReadingTest, ButtonsOutsideTheRangeReadZero) {
  JoystickReading reading;
  for (uint8_t& button : reading.buttons) button = 128;
  EXPECT_EQ(ButtonByte(reading, 0), 128);
  EXPECT_EQ(ButtonByte(reading, 31), 128);
  EXPECT_EQ(ButtonByte(reading, 32), 0);
  EXPECT_EQ(ButtonByte(reading, -1), 0);
}

TEST(JoystickReadingTest, ConstantForceFromDirectionAndDuration) {
  ConstantForce force = ConstantForceFor(500, 1.0, 0.0);
  EXPECT_EQ(force.directionX, 32767);
  EXPECT_EQ(force.directionY, 0);
  EXPECT_EQ(force.magnitude, 5000);
  EXPECT_EQ(force.lengthMs, 500u);
  EXPECT_EQ(force.Level(), 16383);

  force = ConstantForceFor(100, 2.5, -3.0);  // clamped to the unit square
  EXPECT_EQ(force.directionX, 32767);
  EXPECT_EQ(force.directionY, -32767);
  EXPECT_EQ(force.magnitude, 10000);
  EXPECT_EQ(force.Level(), 32767);

  force = ConstantForceFor(-20, std::nan(""), 0.5);
  EXPECT_EQ(force.directionX, 0);
  EXPECT_EQ(force.directionY, 16383);
  EXPECT_EQ(force.magnitude, 1250);
  EXPECT_EQ(force.lengthMs, 0u);
}

}  // namespace
}  // namespace vdr
