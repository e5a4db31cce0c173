#pragma once
// The plain way of drawing grains, which the game's batched drawing must
// match pixel for pixel (the scene test) and beat (the scene benchmark).

#include "game/game_state.h"

namespace granzel {

// Each grain's quad of the grain strip as its own polygon batch, in list order.
void DrawEachGrainAsItsOwnBatch(const RuntimeArray<Grain>& grains);

}  // namespace granzel
