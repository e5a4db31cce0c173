#pragma once
// What the light, fog and cull-mode commands ask of OpenGL, worked out from
// their arguments without touching it.

#include <cstdint>

namespace vdr {

inline constexpr int kLightCount = 8;

enum class LightKind {
  kOff,          // cutoff 0
  kViewAxis,     // no position and no direction: shines along the viewing axis
  kDirectional,  // cutoff 180
  kPoint,        // cutoff above 90
  kSpot,         // cutoff 0..90
  kRefused,      // a negative or NaN cutoff: the light is left as it was
};

struct LightSetup {
  LightKind kind = LightKind::kOff;
  int light = 0;  // 0..7: the number modulo 8
  float position[4] = {0, 0, 0, 0};
  float spotDirection[3] = {0, 0, -1};
  float diffuse[4] = {0, 0, 0, 1};
  float specular[4] = {0, 0, 0, 1};
  float spotCutoff = 180;
};

// For light numbers from 0 up.
LightSetup DescribeLight(int32_t number, int32_t colour, const float position[3], const float direction[3],
                         float cutoff);

struct ShadowLight {
  float position[3] = {0, 0, 0};
  float colour[3] = {0, 0, 0};
  bool on = false;
  int style = 2;  // 1, 2 or 3
};

// For the negative light numbers.
ShadowLight DescribeShadowLight(int32_t number, int32_t colour, const float position[3], float cutoff);

// The sign of the number: -1, 0 or 1; NaN counts as negative.
int32_t CullModeFor(double mode);

struct FogSetup {
  bool on = false;
  bool exponential = false;
  float density = 0, start = 0, end = 0;
  float colour[4] = {0, 0, 0, 0};
};

// Colour -1 (its low 32 bits after truncation) switches fog off; mode not 0
// is exponential fog with density `start`; mode 0 is linear fog, from near to
// far of the projection when start and end are both 0.
FogSetup DescribeFog(double colour, double mode, double start, double end, float nearPlane, float farPlane);

}  // namespace vdr
