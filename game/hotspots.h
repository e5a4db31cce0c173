#pragma once
// The list of clickable rectangles that every screen of the game uses.

#include "game/game_state.h"

namespace granzel {

void ClearHotspots();
void AddHotspot(double id, double x, double y, double w, double h);
// The painting screen's two: the options button (1) and the capture corner (2).
void MainScreenHotspots();
// The id of the first rectangle in list order that holds the point, else 0.
double HotspotAt(double px, double py);

}  // namespace granzel
