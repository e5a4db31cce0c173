#include "app/frame_pacing.h"

#include <cmath>

namespace vdr {

double FramePeriodFor(double framesPerSecond) {
  const double fps = std::trunc(framesPerSecond);
  if (!(fps > 0)) return 2.0;  // also NaN
  return 1000.0 / fps;
}

double AdvanceSchedule(double nextFrameTime, double framePeriod, double now) {
  if (now <= nextFrameTime + framePeriod) return nextFrameTime + framePeriod;
  if (now <= nextFrameTime + 2 * framePeriod) return nextFrameTime + 2 * framePeriod;
  return now + framePeriod;
}

double WaitForFrameSlot(double nextFrameTime, const PacingHooks& hooks) {
  for (;;) {
    hooks.pumpMessages();
    const double now = hooks.clock();
    const double wait = nextFrameTime - now;
    if (wait > 7) {
      hooks.sleepMs(static_cast<int>(wait - 3));
    } else if (wait <= 1) {
      return now;
    }
  }
}

}  // namespace vdr
