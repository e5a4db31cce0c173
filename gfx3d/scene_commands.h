#pragma once
// Commands of the 3D scene: the projection, camera, culling, depth and fog
// of a frame, the lights, and shader programs. A frame is 2D until Begin3D;
// from then on drawing goes through the 3D projection until ShowScreen or
// SetViewport returns to 2D. Begin3D switches fog and every light off, so
// they are set again after it in every frame that uses them.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

// Depth cleared, the projection of the current viewport (a frustum of fov
// degrees, or for fov <= 0 an orthographic box 100 times the near face of
// -fov), the 3D drawing state, and the camera at the origin looking along -z.
void Begin3D(double nearPlane, double farPlane, double fov);
// The upward direction of later SetCamera calls; (0, 1, 0) after Begin3D.
void SetCameraUp(double x, double y, double z);
// The camera at the eye looking at the target; resets the object transform.
void SetCamera(double eyeX, double eyeY, double eyeZ, double targetX, double targetY, double targetZ);
// 0: no face culling; above 0: culling with clockwise front faces; below 0
// (and NaN): culling with counter-clockwise front faces.
void SetCullMode(double mode);
void ClearDepth();
// Distance fog in the colour for the rest of the frame: mode 0 is linear
// from start to end (near to far of Begin3D when both are 0), another mode
// exponential with density `start`. Colour -1 switches fog off.
void SetFog(double colour, double mode, double start, double end);

// Light number & 7 (0..7): cutoff 0 switches it off; with no position and
// no direction it shines along the viewing axis; cutoff 180 is a light
// shining along (dx, dy, dz), above 90 a point light at (x, y, z), 0..90 a
// spot light at (x, y, z) towards (dx, dy, dz) with that cutoff in degrees.
// A negative cutoff is refused. Positions are in the coordinates of the
// moment: set after SetCamera, a light stays fixed in the world. A negative
// number sets the light that casts shadows (style 3 for -3, 1 for -1, else
// 2; on unless the cutoff is 0) from (x, y, z) in the world: objects drawn
// while it is on cast shadow volumes, and pixels in them are drawn half as
// bright when the shadow mode ends. Style 1 darkens at once what was drawn
// before the caster; style 2 keeps the volumes until the frame's 3D part
// ends (ShowScreen, SetViewport, ClearDepth, Begin3D), so they darken all
// of it; style 3 switches the shadow mode on at once, and the objects drawn
// while it is on add their volumes without being drawn themselves.
void SetLight(double number, double colour, double x, double y, double z, double dx, double dy, double dz,
              double cutoff);
// A light from the camera's eye towards the origin.
void SetCameraLight(double number, double colour);

// The text in the current font with its middle at (x, y, z), placed by the
// object transform, each line `height` units high; facing not 0 turns it to
// face the camera, 0 lays it in the object transform's x-y plane, read from
// +z. The text is seen from its front only (cull mode -1 while it is drawn;
// the cull mode set before returns after it).
//   SetCamera(0, 2, 10, 0, 0, 0); PrintText3D("Goal", 0, 3, 0, 0.5, 1);
void PrintText3D(const RuntimeString& text, double x, double y, double z, double height, double facing);

// Loads a vertex and a fragment shader (either file may be missing: its
// stage is left out) into slot 0..254 and links them; 1 when the slot holds
// a usable program. Names are disk files or memory files, never packed media.
int32_t LoadShader(double slot, const RuntimeString& vertexFile, const RuntimeString& fragmentFile);
// Makes the slot's program current for the rest of the frame; any other
// number switches programs off.
void UseShader(double slot);
void SetShaderFloat(const RuntimeString& name, double value);

}  // namespace vdr
