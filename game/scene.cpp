// The scene every screen of the game starts its frame with: the canvas, the
// loose grains and the options button.

#include "game/game_state.h"
#include "game/procedures.h"
#include "vendril.h"

namespace granzel {
namespace {

constexpr int kGrainSize = 5;
constexpr int32_t kWhite = 0xFFFFFF;

// Builds the picture of all loose grains, in list order, from the grain
// strip's pixels. Grain pictures are opaque or fully transparent, so the
// result equals drawing each grain's quad in turn.
void ComposeGrainLayer(GameState& game) {
  RuntimeArray<int32_t>& layer = game.grainLayer;
  vdr::DimArray(layer, kFieldWidth * kFieldHeight);
  int32_t* pixels = layer.Data();
  const int32_t* strip = game.grainStripPixels.Data();
  const int stripWidth = vdr::ToInt(game.grainStripWidth);
  const int32_t stripCount = game.grainStripPixels.Count();
  const int32_t count = vdr::ArrayBounds(game.grains, 0);
  for (int32_t i = 0; i < count; ++i) {
    const Grain& g = game.grains[i];
    const int left = vdr::ToInt(g.x), top = vdr::ToInt(g.y);
    const int frameX = vdr::ToInt(g.variant) * kGrainSize, frameY = vdr::ToInt(g.colour) * kGrainSize;
    for (int row = 0; row < kGrainSize; ++row) {
      const int y = top + row;
      if (y < 0 || y >= kFieldHeight) continue;
      const int32_t source = (frameY + row) * stripWidth + frameX;
      if (source < 0 || source + kGrainSize > stripCount) continue;
      for (int column = 0; column < kGrainSize; ++column) {
        const int x = left + column;
        const int32_t texel = strip[source + column];
        if (x >= 0 && x < kFieldWidth && (texel & 0xFF000000) != 0) pixels[y * kFieldWidth + x] = texel;
      }
    }
  }
}

}  // namespace

void LoadGrainPictures() {
  GameState& game = Game();
  vdr::LoadAnim("rayas.png", kGrainStrip, kGrainSize, kGrainSize);
  double stripHeight = 0;
  vdr::GetSpriteSize(kGrainStrip, game.grainStripWidth, stripHeight);
  vdr::SpriteToMem(game.grainStripPixels, kGrainStrip);
  vdr::DimArray(game.grainLayer, kFieldWidth * kFieldHeight);
  vdr::MemToSprite(game.grainLayer, kGrainLayer, kFieldWidth, kFieldHeight);
}

void pintafondo() {
  GameState& game = Game();
  vdr::DrawSprite(kCanvas, 0, 0);
  vdr::AlphaMode(-1);
  if (vdr::ArrayBounds(game.grains, 0) > 0) {
    ComposeGrainLayer(game);
    vdr::UpdateSprite(game.grainLayer, kGrainLayer);
    vdr::DrawSprite(kGrainLayer, 0, 0);
  }
  vdr::AlphaMode(0);
  if (game.inOptions == 0) vdr::DrawSprite(kOptionsButton, 456, 0);
}

// One visit of screen 0 for all grains that settled this frame, their
// pictures drawn in settling order as one batch of quads: the same 5 × 5
// pictures DrawAnim would draw one by one, at a fraction of the cost.
void PaintSettledGrains() {
  GameState& game = Game();
  const int32_t count = vdr::ArrayBounds(game.settledThisFrame, 0);
  if (count == 0) return;
  vdr::UseScreen(0);
  vdr::AlphaMode(-1);
  vdr::StartPoly(kGrainStrip, 2);
  for (int32_t i = 0; i < count; ++i) {
    const Grain& g = game.settledThisFrame[i];
    const double u = g.variant * kGrainSize, v = g.colour * kGrainSize;
    vdr::PolyNewStrip();
    vdr::PolyVector(g.x, g.y, u, v, kWhite);
    vdr::PolyVector(g.x, g.y + kGrainSize, u, v + kGrainSize, kWhite);
    vdr::PolyVector(g.x + kGrainSize, g.y, u + kGrainSize, v, kWhite);
    vdr::PolyVector(g.x + kGrainSize, g.y + kGrainSize, u + kGrainSize, v + kGrainSize, kWhite);
  }
  vdr::EndPoly();
  vdr::AlphaMode(0);
  vdr::UseScreen(-1);
  vdr::RedimArray(game.settledThisFrame, 0);
}

}  // namespace granzel
