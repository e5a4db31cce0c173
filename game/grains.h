#pragma once
// The falling-sand rule: every loose grain moves a few cells per frame
// through the obstacle grid and settles when it can go no further.

#include "game/game_state.h"

namespace granzel {

// The grid value a settled grain of colour 0 leaves: colour 0 is also the
// value of a free cell, so it gets a value of its own to block at once.
constexpr int32_t kSettledColourZero = kColours;

// One simulation step for all grains. Grains that settle are written into
// the grid, removed from the list and appended to settledThisFrame.
void AdvanceGrains(GameState& game);

// A new, empty playing field: the three bottom rows and the two side columns
// are walls.
void ResetField(GameState& game);
// The walls again, after the grid was rebuilt from the canvas.
void SetFieldBorder(GameState& game);

}  // namespace granzel
