#pragma once
// Drawing commands: sprites, animation frames, primitives, the polygon batch
// and collision tests. Everything goes to the current target (the window or
// an offscreen screen) in pixels from the viewport's top-left corner, y down.
// Colours are red + green * 256 + blue * 65536 (gfx2d/colours.h: Rgb).

#include <cstdint>

namespace vdr {

// 0: opaque drawing with the alpha test; above 0: additive at that strength;
// below 0: ordinary transparency at that strength (at most 1).
void AlphaMode(double level);
// Linear (nonzero) or nearest texture filtering for sprites.
void SmoothShading(double flag);

void DrawSprite(double slot, double x, double y);
void StretchSprite(double slot, double x, double y, double w, double h);
void ZoomSprite(double slot, double x, double y, double sx, double sy);
void RotoSprite(double slot, double x, double y, double angle);
void RotoZoomSprite(double slot, double x, double y, double angle, double zoom);

// Frames are cells of frameWidth x frameHeight, numbered row by row.
void SetSpriteAnim(double slot, double frameWidth, double frameHeight);
void DrawAnim(double slot, double frame, double x, double y);
void StretchAnim(double slot, double frame, double x, double y, double w, double h);
void RotoZoomAnim(double slot, double frame, double x, double y, double angle, double zoom);

void DrawRect(double x, double y, double w, double h, double colour);
void DrawLine(double x1, double y1, double x2, double y2, double colour);
void SetPixel(double x, double y, double colour);

// A batch of vertices drawn with one call: mode 0 triangle fan, 1 triangles,
// 2 triangle strip; slot -1 untextured. Texture coordinates are pixels of the
// sprite from its top-left corner.
void StartPoly(double slot, double mode);
void PolyVector(double x, double y, double tx, double ty, double colour);
void PolyNewStrip();
void EndPoly();

// 1 when the two sprites (frames) overlap in a pixel where both are visible.
int32_t SpriteCollision(double slot1, double x1, double y1, double slot2, double x2, double y2);
int32_t AnimCollision(double slot1, double frame1, double x1, double y1, double slot2, double frame2, double x2,
                      double y2);

}  // namespace vdr
