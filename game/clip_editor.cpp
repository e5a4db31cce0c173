// The clip editor: place one of the clip-art pictures on the canvas, drag it
// with the left button, turn and scale it with a second point set by the
// right button, then confirm or cancel.

#include "game/game_state.h"
#include "game/grains.h"
#include "game/hotspots.h"
#include "game/picture_names.h"
#include "game/procedures.h"
#include "vendril.h"

namespace granzel {
namespace {

enum PointerSlotIndex { kLeftPointer = 0, kRightPointer = 1 };

PointerSlot& Pointer(int slot) { return Game().pointers[slot]; }

void ReadPointers() {
  GameState& game = Game();
  vdr::MouseState(game.mouseX, game.mouseY, game.leftButton, game.rightButton);
  if (game.leftButton == 1) {
    Pointer(kLeftPointer).x = game.mouseX;
    Pointer(kLeftPointer).y = game.mouseY;
    Pointer(kLeftPointer).pressed = 1;
  }
  if (game.rightButton == 1) {
    Pointer(kRightPointer).x = game.mouseX;
    Pointer(kRightPointer).y = game.mouseY;
    Pointer(kRightPointer).pressed = 1;
  }
}

double PointerAngle(int a, int b) {
  if (Pointer(a).pressed == 0 || Pointer(b).pressed == 0) return 0;
  return -vdr::ATanDeg(Pointer(b).y - Pointer(a).y, Pointer(b).x - Pointer(a).x);
}

double PointerDistance(int a, int b) {
  if (Pointer(a).pressed == 0 || Pointer(b).pressed == 0) return 0;
  const double dx = Pointer(b).x - Pointer(a).x, dy = Pointer(b).y - Pointer(a).y;
  return vdr::Power(dx * dx + dy * dy, 0.5);
}

void PointerMidpoint(int a, int b) {
  GameState& game = Game();
  game.clipX = (Pointer(b).x + Pointer(a).x) / 2;
  game.clipY = (Pointer(b).y + Pointer(a).y) / 2;
}

void ReadClipSize() {
  GameState& game = Game();
  vdr::GetSpriteSize(kClip, game.clipWidth, game.clipHeight);
}

void ShowStatus() {
  const GameState& game = Game();
  const PointerSlot& left = Pointer(kLeftPointer);
  const PointerSlot& right = Pointer(kRightPointer);
  vdr::PrintText(vdr::NumberText(left.x) + ":" + left.y, 20, 10);
  vdr::PrintText(vdr::NumberText(right.x) + ":" + right.y, 20, 20);
  vdr::PrintText(vdr::NumberText(game.clipAngle) + " : " + game.clipZoom, 20, 30);
  vdr::PrintText(vdr::NumberText(game.clipX) + " : " + game.clipY, 20, 40);
}

// The grid again from the canvas: every pixel that is not fully transparent
// black is ground, then the walls.
void RebuildGrid() {
  GameState& game = Game();
  vdr::SpriteToMem(game.cells, kCanvas);
  SetFieldBorder(game);
}

}  // namespace

void clipea() {
  GameState& game = Game();
  game.clipIndex = game.hoveredHotspot;
  vdr::LoadSprite(NumberedPicture("c", game.clipIndex), kClip);
  game.clipZoom = 1;
  game.clipAngle = 0;
  game.clipResult = 0;
  WaitForButtonRelease();
  ClearHotspots();
  AddHotspot(1, 408, 0, 24, 24);
  AddHotspot(2, 456, 0, 24, 24);
  ReadClipSize();
  game.clipX = 240 - game.clipWidth / 2;
  game.clipY = 160 - game.clipHeight / 2;
  // Both points start unset, so that a right click of an earlier use does
  // not turn and scale this clip instead of moving it.
  for (int slot : {kLeftPointer, kRightPointer}) {
    Pointer(slot).x = 0;
    Pointer(slot).y = 0;
    Pointer(slot).pressed = 0;
  }

  while (game.clipResult == 0) {
    pintafondo();
    ReadPointers();
    game.hoveredHotspot = HotspotAt(Pointer(kLeftPointer).x, Pointer(kLeftPointer).y);
    const bool leftPressed = Pointer(kLeftPointer).pressed != 0;
    const bool rightPressed = Pointer(kRightPointer).pressed != 0;
    if (game.hoveredHotspot == 1 && leftPressed) {
      game.clipResult = -1;
      break;
    }
    if (game.hoveredHotspot == 2 && leftPressed) {
      game.clipResult = 1;
      break;
    }
    if (leftPressed && !rightPressed) {
      ReadClipSize();
      game.clipX = Pointer(kLeftPointer).x - game.clipWidth / 2;
      game.clipY = Pointer(kLeftPointer).y - game.clipHeight / 2;
    }
    if (leftPressed && rightPressed) {
      game.clipAngle = PointerAngle(kLeftPointer, kRightPointer);
      PointerMidpoint(kLeftPointer, kRightPointer);
      game.clipZoom = PointerDistance(kLeftPointer, kRightPointer) / 150;
      ReadClipSize();
      game.clipX -= game.clipWidth / 2;
      game.clipY -= game.clipHeight / 2;
    }
    ShowStatus();
    vdr::DrawSprite(kEditorButtons, 408, 0);
    vdr::AlphaMode(-1);
    vdr::RotoZoomSprite(kClip, game.clipX, game.clipY, game.clipAngle, game.clipZoom);
    vdr::ShowScreen();
  }
  game.optionsDone = 1;
  if (game.clipResult == -1) return;
  vdr::UseScreen(0);
  vdr::AlphaMode(-1);
  vdr::RotoZoomSprite(kClip, game.clipX, game.clipY, game.clipAngle, game.clipZoom);
  vdr::AlphaMode(0);
  vdr::UseScreen(-1);
  RebuildGrid();
}

}  // namespace granzel
