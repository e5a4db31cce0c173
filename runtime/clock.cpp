#include "runtime/clock.h"

#include <chrono>
#include <thread>

#include "runtime/number_text.h"

namespace vdr {
namespace {

using SteadyClock = std::chrono::steady_clock;

// The first reading; the clock is never reset, so times never jump.
SteadyClock::time_point ClockBase() {
  static const SteadyClock::time_point base = SteadyClock::now();
  return base;
}

}  // namespace

double Clock() {
  // Nanosecond counts in 64 bits last centuries; the division keeps fractions.
  return std::chrono::duration<double, std::milli>(SteadyClock::now() - ClockBase()).count();
}

void SleepMs(double milliseconds) {
  const int32_t ms = ToInt(milliseconds);
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace vdr
