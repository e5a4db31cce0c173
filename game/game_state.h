#pragma once
// Granzel's state: one record for the whole run, as the game's procedures
// share it.

#include <cstdint>

#include "runtime/runtime_array.h"

namespace granzel {

using vdr::RuntimeArray;

constexpr int kFieldWidth = 480;
constexpr int kFieldHeight = 320;
constexpr int kColours = 60;

// A grain of sand: column, row, colour index (row of the grain strip),
// variant (column of the strip: speed and footprint) and whether it settled.
struct Grain {
  double x, y, colour, variant, settled;
};

// A clickable rectangle; both edges are inclusive.
struct Hotspot {
  double x, y, w, h, id;
};

// Where a mouse button was last seen down; `pressed` stays once set.
struct PointerSlot {
  double x, y, pressed, spare1, spare2;
};

// Sprite slots of the game's pictures.
enum Sprite : int {
  kGrainStrip = 1,
  kCanvas = 2,
  kOptionsButton = 3,
  kColourPage = 4,
  kHighlight = 5,
  kBackgroundPage = 6,
  kTitlePicture = 7,
  kCatPicture = 8,
  kClipPage = 9,
  kClip = 10,
  kEditorButtons = 11,
  // The loose grains of a frame, composed into one picture.
  kGrainLayer = 12,
};

struct GameState {
  double mouseX = 0, mouseY = 0, leftButton = 0, rightButton = 0;
  double clickX = 0, clickY = 0, pressing = 0;
  double currentColour = 1;
  double backgroundIndex = 0;
  double rainOn = 0, rainColour = 1;
  double optionsTab = 1;
  double inOptions = 0;
  double screenshotKeyWasDown = 0;
  double fullScreenKeyWasDown = 0;
  double fullScreen = 0;

  RuntimeArray<Grain> grains;
  RuntimeArray<int32_t> cells;  // kFieldWidth × kFieldHeight, index y × 480 + x
  RuntimeArray<double> colourTable;
  RuntimeArray<Hotspot> hotspots;
  RuntimeArray<PointerSlot> pointers;

  // Options screen.
  double optionsDone = 0, hoveredHotspot = 0, pulse = 1.0, pulseStep = 0.04;
  // Clip editor.
  double clipIndex = 0, clipX = 0, clipY = 0, clipAngle = 0, clipZoom = 1;
  double clipWidth = 0, clipHeight = 0, clipResult = 0;

  // Pictures of the grains that settled this frame, painted into the canvas
  // together, in their order, at the end of the step.
  RuntimeArray<Grain> settledThisFrame;
  // The loose grains' picture (kGrainLayer) and the grain pictures it is made of.
  RuntimeArray<int32_t> grainLayer;
  RuntimeArray<int32_t> grainStripPixels;
  double grainStripWidth = 0;
};

GameState& Game();

}  // namespace granzel
