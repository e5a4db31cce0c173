#pragma once
// The blocking input commands: each runs its own little frame loop (the wait
// step of the frame cycle) until the user does something.

namespace vdr {

// Returns once input changes: a key held, the mouse moved or a button of the
// mouse or of a joystick pressed. A tap the program has already seen does not
// count. Escape ends the program while EscapeEnds is on.
void WaitAnyInput();
// Returns once a key that types a character has been pressed.
void KeyWait();
// Returns once a mouse button has been pressed (and released again).
void MouseWait();

}  // namespace vdr
