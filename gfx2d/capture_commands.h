#pragma once
// Commands of offscreen screens, background pictures and capture.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

// Screens 0..31 draw into a sprite slot of width x height pixels.
void CreateScreen(double screen, double slot, double width, double height);
// screen < 0: back to the window (resets the viewport).
void UseScreen(double screen);
// 1 when the rectangle of the current target is now the slot's picture.
int32_t GrabSprite(double slot, double x, double y, double w, double h);
int32_t GetPixel(double x, double y);

// The picture drawn at the start of every frame; on failure (error 3) the
// background is dropped and the frame cleared to black.
void LoadBackground(const RuntimeString& file);
void GrabBackground();
// Drops the background; every later frame starts cleared to the colour.
void ClearScreen(double colour);

// The format follows the name: ".png" PNG, "...jpg" JPEG, anything else BMP.
// Failures record error 3. A screenshot is the window's frame as drawn so
// far: take it after drawing and before ShowScreen.
void SaveScreenshot(const RuntimeString& file);
void SaveSprite(const RuntimeString& file, double slot);

}  // namespace vdr
