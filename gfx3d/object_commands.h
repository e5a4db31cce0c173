#pragma once
// Commands of 3D objects: object files loaded into numbered slots 0..1023,
// placed by the object transform and drawn in the 3D projection of the
// frame (after Begin3D and SetCamera), lit by the lights and fogged.
//
//   LoadObject("ship.ddd", 1); LoadSprite("hull.png", 7);
//   ... every frame:
//   Begin3D(1, 1000, 45); SetCamera(0, 2, 10, 0, 0, 0);
//   SetLight(0, 0xFFFFFF, 0, 0, 0, -1, -1, -1, 180);
//   TextureObject(7, -1); RotateObject(angle, 0, 1, 0);
//   DrawObject(1, 0);

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

// Loads a ".ddd" file (binary or "DDDA" text; disk, media pack or memory
// file) into the slot, replacing what it held. Sets the error code to 0
// first and records error 3 when the file is not found or does not load.
void LoadObject(const RuntimeString& file, double slot);
// Writes the slot's object as a binary ".ddd" file (version 2.0); error 3
// when the slot is empty or the file cannot be written (an old file of that
// name is then left as it was).
void SaveObject(const RuntimeString& file, double slot);
void FreeObject(double slot);
// The object's keyframes; 0 for an empty slot.
int32_t ObjectFrames(double slot);

// The object transform for the objects drawn after it, reset by SetCamera:
// objects are scaled, turned by every rotation given (each about the axis
// through the object's origin, the latest acting first), then moved.
void TranslateObject(double x, double y, double z);
void RotateObject(double degrees, double axisX, double axisY, double axisZ);
void ScaleObject(double x, double y, double z);
void ResetObjectTransform();

// Textures for the objects drawn after it in this frame: sprite slots on
// texture units 0 and 1 (their mipmapped textures), -1 for none. A current
// shader program reads them through samplers "TextureID1" and "TextureID2".
void TextureObject(double sprite1, double sprite2);

// 1 when the frame, placed by the object transform, reaches into the view
// volume of the camera; objects outside it are not drawn.
int32_t ObjectInView(double slot, double frame);
// Draws a keyframe; the blend draws (1 - blend) x frame1 + blend x frame2
// (frames of the same vertex count; otherwise frame1 alone).
void DrawObject(double slot, double frame);
void DrawObjectBlend(double slot, double frame1, double frame2, double blend);

// Collision tests against a keyframe placed by the current object transform
// (as DrawObject would draw it), over the object's polygons, either side
// facing. The distance from (x, y, z) along the ray towards (dx, dy, dz) to
// the nearest polygon in the world's units, -1 when the ray misses, the
// direction is zero, or the slot or frame is empty:
//   TranslateObject(0, 0, -5); RotateObject(turn, 0, 1, 0);
//   if (ObjectRayDistance(1, 0, 0, 0, 0, 0, 0, -1) >= 0) ... the view axis hits it
double ObjectRayDistance(double slot, double frame, double x, double y, double z, double dx, double dy, double dz);
// ObjectRayDistance along the ray through screen pixel (x, y) (the mouse's
// position, say) from the eye of the last SetCamera, in the 3D projection of
// the frame: a distance of 0 or more means the object is under that pixel.
double ObjectScreenDistance(double slot, double frame, double x, double y);
// 1 when the sphere touches or cuts one of the polygons (a sphere wholly
// inside a closed object touches none), else 0.
int32_t ObjectSphereTouch(double slot, double frame, double x, double y, double z, double radius);

}  // namespace vdr
