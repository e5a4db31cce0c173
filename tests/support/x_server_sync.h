#pragma once
// Kept apart from the tests: the X headers define names that clash with
// GoogleTest's.

namespace vdr::test {

// Waits until the events that the X server has generated so far (for input
// that xdotool made, say) have reached the program.
void SyncWithServer();

}  // namespace vdr::test
