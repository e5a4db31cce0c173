#include "game/grains.h"

#include "runtime/random.h"

namespace granzel {
namespace {

int32_t CellIndex(double x, double y) { return vdr::ToInt(y * kFieldWidth + x); }

void Settle(GameState& game, Grain& g) {
  RuntimeArray<int32_t>& cells = game.cells;
  const int32_t mark = g.colour != 0 ? vdr::ToInt(g.colour) : kSettledColourZero;
  cells[CellIndex(g.x, g.y)] = mark;
  g.settled = 1;
  if (g.variant > 1) {
    cells[CellIndex(g.x + 1, g.y)] = mark;
    cells[CellIndex(g.x - 1, g.y)] = mark;
  }
  if (g.variant > 3) cells[CellIndex(g.x, g.y - 1)] = mark;
  game.settledThisFrame.Push(g);
}

}  // namespace

// Settled grains leave the list together at the end of the step rather than
// one deletion each: the grains are visited in the same order and draw the
// same random numbers, but a step stays linear in the number of grains.
void AdvanceGrains(GameState& game) {
  RuntimeArray<Grain>& grains = game.grains;
  const RuntimeArray<int32_t>& cells = game.cells;
  const int32_t count = vdr::ArrayBounds(grains, 0);
  int32_t kept = 0;
  for (int32_t i = 0; i < count; ++i) {
    Grain& g = grains[i];
    // The step counter doubles as the direction of a blocked grain (-1 or
    // +1), and its rounding in 64-bit floating point decides the last move:
    // four steps of 0.4 from 0 reach 1.6, five from -1 reach 1.0.
    double k = 0;
    const double steps = g.variant / 5 + 1;
    do {
      if (g.settled == 0) {
        const int32_t below = cells[CellIndex(g.x, g.y + 1)];
        if (below == 0) {
          g.y += 1;
        } else {
          const int32_t side = vdr::Random(1) == 0 ? -1 : 1;
          k = side;
          const int32_t first = cells[CellIndex(g.x - side, g.y + 1)];
          const int32_t second = cells[CellIndex(g.x + side, g.y + 1)];
          if (first != 0 && second != 0) {
            Settle(game, g);
          } else if (first == 0) {
            g.x -= side;
            g.y += 1;
          } else {
            g.x += side;
            g.y += 1;
          }
        }
      }
      k += 0.4;
    } while (k <= steps);
    if (g.settled == 0) {
      if (kept != i) grains[kept] = g;
      ++kept;
    }
  }
  vdr::RedimArray(grains, kept);
}

void SetFieldBorder(GameState& game) {
  RuntimeArray<int32_t>& cells = game.cells;
  for (int y = kFieldHeight - 3; y < kFieldHeight; ++y) {
    for (int x = 0; x < kFieldWidth; ++x) cells[y * kFieldWidth + x] = 1;
  }
  for (int y = 0; y < kFieldHeight; ++y) {
    cells[y * kFieldWidth] = 1;
    cells[y * kFieldWidth + kFieldWidth - 1] = 1;
  }
}

void ResetField(GameState& game) {
  vdr::DimArray(game.cells, kFieldWidth * kFieldHeight);
  SetFieldBorder(game);
}

}  // namespace granzel
