#pragma once
// The steps of the frame cycle that the commands running frame loops of
// their own (modal/) are built on.

#include <cstdint>

#include "app/event_pump.h"
#include "app/frame_cycle.h"

namespace vdr {

// One pass of a command that waits in a frame loop of its own: the music
// restart check, the window messages (with the "VDR_WIN32_MSG" procedure),
// then a sleep of that many milliseconds.
void WaitStep(int32_t sleepMs);
// Polls the input devices for a new frame of reading.
void PollInput();
// Ends the program when an end key is held: Escape (either code) while
// EscapeEnds is on, or, with `altF4`, left Alt with F4.
void CheckEndKeys(bool altF4 = true);
// Swaps the buffers, clears them and waits for the frame's time slot.
void PresentAndPace(MessageCallback callback);
// The "VDR_WIN32_MSG" procedure, looked up once on first need.
MessageCallback ResolveMessageCallback();
// Writes a note of the frame cycle to standard output once a console is open.
void ConsoleNote(const char* text);

}  // namespace vdr
