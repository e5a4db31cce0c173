#pragma once
// The list of clickable rectangles that every screen of the game uses.

#include "game/game_state.h"

namespace granzel {

void ClearHotspots();
void AddHotspot(double id, double x, double y, double w, double h);
// The id of the first rectangle in list order that holds the point, else 0.
double HotspotAt(double px, double py);

}  // namespace granzel
