#pragma once
// Commands of the sprite store: loading pictures into numbered slots, sprites
// from and into integer arrays (one pixel per integer: red + green * 256 +
// blue * 65536 + alpha * 16777216, rows from the top), sizes and keys.

#include <cstdint>

#include "runtime/runtime_array.h"
#include "runtime/runtime_string.h"

namespace vdr {

// Loading commands set the error code to 0 first and record error 3 ("no
// such file") when the name does not resolve or the file does not load.
void LoadSprite(const RuntimeString& file, double slot);
void LoadAnim(const RuntimeString& file, double slot, double frameWidth, double frameHeight);
void LoadBumpTexture(const RuntimeString& file, double slot);

// 1 when width x height is the array's element count and the picture was
// made; else 0, and a size mismatch leaves the slot untouched.
int32_t MemToSprite(const RuntimeArray<int32_t>& pixels, double slot, double width, double height);
// Resizes the array to the picture's pixel count and fills it; 1, or 0 for
// an empty slot.
int32_t SpriteToMem(RuntimeArray<int32_t>& pixels, double slot);
// Replaces the picture's pixels in place (its texture is kept, so this is the
// cheap way to show a picture that changes every frame). 1 when the slot
// holds a picture of exactly the array's element count; else 0, unchanged.
int32_t UpdateSprite(const RuntimeArray<int32_t>& pixels, double slot);

void GetSpriteSize(double slot, int32_t& width, int32_t& height);
void GetSpriteSize(double slot, double& width, double& height);
// The lowest empty program slot (never a font slot), or -1.
int32_t GenSprite();
int32_t SpriteTextureId(double slot);
// Both colour keys (sprites and fonts); -1: no keying.
void SetTransparency(double colour);

}  // namespace vdr
