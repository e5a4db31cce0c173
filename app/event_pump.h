#pragma once
// The one place that takes SDL's event queue: every window message goes
// through PumpMessages (to the window's message handler), and the input
// context takes its key and mouse events through TakeInputEvents when a
// command reads the keyboard or the mouse between two pumps.

namespace vdr {

class InputContext;

using MessageCallback = void (*)();

// Handles waiting window messages; with a callback, calls it before each one.
void PumpMessages(MessageCallback callback);
// The key and mouse events waiting now, given to the input context; every
// other event stays queued for the next PumpMessages.
void TakeInputEvents(InputContext& input);

}  // namespace vdr
