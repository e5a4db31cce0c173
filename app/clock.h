#pragma once
// The runtime clock: milliseconds as doubles, counted from its first reading.

namespace vdr {

// Start-up: decides whether the high-resolution counter is used.
void InitClock();
// Milliseconds since the first call (which returns 0).
double Clock();

// Commands.
double ElapsedMs();  // clock - start time
double FrameTime();  // duration of the last frame; 1 when not positive
void SleepMs(double milliseconds);

}  // namespace vdr
