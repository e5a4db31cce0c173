// The runtime clock: steady, in milliseconds with their fractions.

#include "runtime/clock.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vdr {
namespace {

TEST(ClockTest, ReadingsRiseAndCarryFractionsOfAMillisecond) {
  double previous = Clock();
  bool fraction = false;
  for (int i = 0; i < 1000000 && !fraction; ++i) {
    const double now = Clock();
    ASSERT_GE(now, previous);
    fraction = now != std::floor(now);
    previous = now;
  }
  EXPECT_TRUE(fraction) << "whole milliseconds only";
}

TEST(ClockTest, SleepMsWaitsItsWholeMilliseconds) {
  const double before = Clock();
  SleepMs(5.9);
  EXPECT_GE(Clock() - before, 5.0);
  const double again = Clock();
  SleepMs(-3);
  SleepMs(0.5);
  EXPECT_LT(Clock() - again, 1000.0);  // nothing to wait for
}

}  // namespace
}  // namespace vdr
