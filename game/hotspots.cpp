#include "game/hotspots.h"

namespace granzel {

void ClearHotspots() { vdr::RedimArray(Game().hotspots, 0); }

void AddHotspot(double id, double x, double y, double w, double h) { Game().hotspots.Push(Hotspot{x, y, w, h, id}); }

void MainScreenHotspots() {
  ClearHotspots();
  AddHotspot(1, 456, 0, 24, 24);
  AddHotspot(2, 0, 0, 24, 24);
}

double HotspotAt(double px, double py) {
  const RuntimeArray<Hotspot>& hotspots = Game().hotspots;
  const int32_t n = vdr::ArrayBounds(hotspots, 0);
  for (int32_t i = 0; i < n; ++i) {
    const Hotspot& h = hotspots[i];
    if (h.x <= px && px <= h.x + h.w && h.y <= py && py <= h.y + h.h) return h.id;
  }
  return 0;
}

}  // namespace granzel
