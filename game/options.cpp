// The options screen: colour, background and clip pages over the live scene,
// the rain switch, and the capture of the colour palette.

#include "game/game_state.h"
#include "game/hotspots.h"
#include "game/picture_names.h"
#include "game/procedures.h"
#include "vendril.h"

namespace granzel {
namespace {

constexpr int32_t kSampleMark = 33023;  // orange

// The cell of index 0..59 on a picker page, as drawn on the screen.
double CellLeft(double index) { return vdr::IntMod(vdr::ToInt(index), 10) * 40 + 40; }
double CellTop(double index) { return vdr::ToInt(index / 10) * 40 + 20; }

// The golden frame over the chosen cell, fading in and out.
void BlinkingHighlight(double index) {
  GameState& game = Game();
  game.pulse -= game.pulseStep;
  if (game.pulse <= 0.1 || game.pulse >= 1) game.pulseStep = -game.pulseStep;
  vdr::AlphaMode(-game.pulse);
  vdr::DrawSprite(kHighlight, CellLeft(index), CellTop(index));
  vdr::AlphaMode(0);
}

bool CellPressed() {
  const GameState& game = Game();
  return game.pressing != 0 && game.hoveredHotspot > 0 && game.hoveredHotspot < 61;
}

}  // namespace

void opciones() {
  GameState& game = Game();
  ClearHotspots();
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 10; ++column) AddHotspot(row * 10 + column + 1, column * 40 + 40, row * 40 + 20, 40, 40);
  }
  for (int k = 0; k < 6; ++k) AddHotspot(101 + k, k * 80, 260, 80, 40);
  game.optionsDone = 0;
  game.pulse = 1.0;
  game.pulseStep = 0.04;
  WaitForButtonRelease();
  while (game.optionsDone != 1) {
    pintafondo();
    miramouse();
    if (game.pressing != 0) {
      if (game.hoveredHotspot == 104) {
        game.optionsDone = 1;
        game.rainOn = 1 - game.rainOn;
        game.rainColour = game.currentColour;
      } else if (game.hoveredHotspot == 101) {
        game.optionsTab = 1;
      } else if (game.hoveredHotspot == 102) {
        game.optionsTab = 2;
      } else if (game.hoveredHotspot == 103) {
        game.optionsTab = 3;
      }
    }
    if (game.optionsTab == 1) {
      menu1();
    } else if (game.optionsTab == 2) {
      menu2();
    } else if (game.optionsTab == 3) {
      menu3();
    }
    vdr::ShowScreen();
  }
  WaitForButtonRelease();
  MainScreenHotspots();
  game.pressing = 0;
}

void menu1() {
  GameState& game = Game();
  vdr::DrawSprite(kColourPage, 0, 20);
  BlinkingHighlight(game.currentColour);
  game.hoveredHotspot = HotspotAt(game.clickX, game.clickY);
  if (CellPressed()) {
    game.optionsDone = 1;
    game.currentColour = game.hoveredHotspot - 1;
  }
}

void menu2() {
  GameState& game = Game();
  vdr::DrawSprite(kBackgroundPage, 0, 20);
  BlinkingHighlight(game.backgroundIndex);
  game.hoveredHotspot = HotspotAt(game.clickX, game.clickY);
  if (CellPressed()) {
    game.backgroundIndex = game.hoveredHotspot - 1;
    vdr::LoadBackground(NumberedPicture("b", game.hoveredHotspot));
    game.optionsDone = 1;
  }
}

void menu3() {
  GameState& game = Game();
  vdr::DrawSprite(kClipPage, 0, 20);
  game.hoveredHotspot = HotspotAt(game.clickX, game.clickY);
  if (CellPressed()) clipea();
}

void leecolor() {
  vdr::DrawSprite(kColourPage, -40, 0);
  vdr::OpenFile(1, "colores.dat", 0);
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 10; ++column) {
      const int x = column * 40 + 20, y = row * 40 + 20;
      const double colour = vdr::GetPixel(x, y);
      vdr::SetPixel(x, y, kSampleMark);
      vdr::WriteDouble(1, colour);
    }
  }
  vdr::ShowScreen();
  vdr::KeyWait();
}

}  // namespace granzel
