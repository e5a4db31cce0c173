#pragma once
// Movies: played in the game window, blocking, until the movie ends (or, with
// the loop flag, never by itself) or the user types a key or presses a mouse
// button. Background music keeps looping meanwhile.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

// Command: 0 when the movie has been shown, 3 when the file cannot be opened.
int32_t PlayMovie(const RuntimeString& name, double loop);

}  // namespace vdr
