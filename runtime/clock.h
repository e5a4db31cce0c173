#pragma once
// The runtime clock: milliseconds as doubles, with their fractions, counted
// from its first reading on the system's steady clock.

namespace vdr {

// Milliseconds since the first call (which returns 0).
double Clock();

// Command: blocks the calling thread for that many whole milliseconds.
void SleepMs(double milliseconds);

}  // namespace vdr
