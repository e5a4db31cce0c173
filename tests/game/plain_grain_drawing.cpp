#include "tests/game/plain_grain_drawing.h"

#include "vendril.h"

namespace granzel {

void DrawEachGrainAsItsOwnBatch(const RuntimeArray<Grain>& grains) {
  constexpr int32_t kWhite = 0xFFFFFF;
  vdr::AlphaMode(-1);
  for (int32_t i = 0; i < vdr::ArrayBounds(grains, 0); ++i) {
    const Grain& g = grains[i];
    const double u = g.variant * 5, v = g.colour * 5;
    vdr::StartPoly(kGrainStrip, 0);
    vdr::PolyVector(g.x, g.y, u, v, kWhite);
    vdr::PolyVector(g.x, g.y + 5, u, v + 5, kWhite);
    vdr::PolyVector(g.x + 5, g.y + 5, u + 5, v + 5, kWhite);
    vdr::PolyVector(g.x + 5, g.y, u + 5, v, kWhite);
    vdr::EndPoly();
  }
  vdr::AlphaMode(0);
}

}  // namespace granzel
