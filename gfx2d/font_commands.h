#pragma once
// Font commands. Fonts 0..31 are pictures of 16 character cells across; text
// is drawn in the current font, fixed pitch, one cell per byte.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

// Loads the font and makes it current; when the file does not load, error 3
// and the built-in font takes the slot. An empty name only empties the slot.
void LoadFont(const RuntimeString& file, double font);
// Numbers outside 0..31 select the nearest font.
void SetFont(double font);
void PrintText(const RuntimeString& text, double x, double y);
// The current font's cell size.
void GetFontSize(int32_t& width, int32_t& height);
void GetFontSize(double& width, double& height);
// The lowest font 0..30 without a usable picture, or -1.
int32_t GenFont();

// Start-up: the built-in font in font 0, replaced by "smalfont.png" or else
// "smalfont.bmp" when one resolves; font 0 becomes current.
void LoadDefaultFont();

}  // namespace vdr
