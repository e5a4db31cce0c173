#pragma once
// Frame-rate limiting: how long to wait for a frame's time slot and how the
// schedule advances. Kept apart from the clock so it runs with any time source.

#include <functional>

namespace vdr {

// 1000 / trunc(fps) milliseconds; 2 ms for a limit of 0 or below.
double FramePeriodFor(double framesPerSecond);

// When frames are due: every `framePeriod` ms, the next at `nextFrameTime`.
struct FrameSchedule {
  double framePeriod = 0;
  double nextFrameTime = 0;
};

// Where the next frame is due after a frame that ended at `now`: one period
// later, or two when the frame was late, or one period from now after a stall.
double AdvanceSchedule(double nextFrameTime, double framePeriod, double now);

struct PacingHooks {
  std::function<double()> clock;
  std::function<void(int)> sleepMs;
  std::function<void()> pumpMessages;
};

// Waits for the slot at nextFrameTime: pumps messages, sleeps while more than
// 7 ms remain (3 ms less than remain), then polls until at most 1 ms remains.
// Returns the clock reading taken last.
double WaitForFrameSlot(double nextFrameTime, const PacingHooks& hooks);

}  // namespace vdr
