#include "gfx3d/light_rules.h"

#include <cmath>

#include "runtime/number_text.h"

namespace vdr {
namespace {

void ColourComponents(int32_t colour, float out[4]) {
  out[0] = static_cast<float>(colour & 0xFF) / 255.0f;
  out[1] = static_cast<float>((colour >> 8) & 0xFF) / 255.0f;
  out[2] = static_cast<float>((colour >> 16) & 0xFF) / 255.0f;
  out[3] = 1;
}

// The vector normalised when its squared length is above 1e-7, else as given.
void NormaliseInto(const float v[3], float scale, float* out) {
  const float squared = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
  const float factor = squared > 1e-7f ? scale / std::sqrt(squared) : scale;
  for (int i = 0; i < 3; ++i) out[i] = v[i] * factor;
}

}  // namespace

LightSetup DescribeLight(int32_t number, int32_t colour, const float position[3], const float direction[3],
                         float cutoff) {
  LightSetup setup;
  setup.light = number & (kLightCount - 1);
  if (cutoff == 0) return setup;
  if (!(cutoff >= 0)) {
    setup.kind = LightKind::kRefused;
    return setup;
  }
  ColourComponents(colour, setup.diffuse);
  bool still = true;
  for (int i = 0; i < 3; ++i) still = still && position[i] == 0 && direction[i] == 0;
  if (still) {
    setup.kind = LightKind::kViewAxis;
    setup.position[2] = 1;
  } else if (cutoff == 180) {
    setup.kind = LightKind::kDirectional;
    NormaliseInto(direction, -1, setup.position);
  } else if (cutoff > 90) {
    setup.kind = LightKind::kPoint;
    ColourComponents(colour, setup.specular);
    for (int i = 0; i < 3; ++i) setup.position[i] = position[i];
    setup.position[3] = 1;
  } else {
    setup.kind = LightKind::kSpot;
    ColourComponents(colour, setup.specular);
    for (int i = 0; i < 3; ++i) setup.position[i] = position[i];
    setup.position[3] = 1;
    NormaliseInto(direction, 1, setup.spotDirection);
    setup.spotCutoff = cutoff;
  }
  return setup;
}

ShadowLight DescribeShadowLight(int32_t number, int32_t colour, const float position[3], float cutoff) {
  ShadowLight light;
  for (int i = 0; i < 3; ++i) light.position[i] = position[i];
  float rgba[4];
  ColourComponents(colour, rgba);
  for (int i = 0; i < 3; ++i) light.colour[i] = rgba[i];
  light.on = !(std::fabs(cutoff) < 0.00001f);
  light.style = number == -3 ? 3 : number == -1 ? 1 : 2;
  return light;
}

int32_t CullModeFor(double mode) {
  if (mode > 0) return 1;
  if (mode == 0) return 0;
  return -1;
}

FogSetup DescribeFog(double colour, double mode, double start, double end, float nearPlane, float farPlane) {
  FogSetup fog;
  // The colour as a 64-bit integer, of which the low 32 bits count.
  const int64_t wide = std::isnan(colour) ? 0 : colour >= 0x1p63 ? INT64_MAX : colour <= -0x1p63
                                                                               ? INT64_MIN
                                                                               : static_cast<int64_t>(colour);
  const auto rgb = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(wide)));
  if (rgb == -1) return fog;
  fog.on = true;
  if (ToInt(mode) != 0) {
    fog.exponential = true;
    fog.density = static_cast<float>(start);
  } else if (start == 0 && end == 0) {
    fog.start = nearPlane;
    fog.end = farPlane;
  } else {
    fog.start = static_cast<float>(start);
    fog.end = static_cast<float>(end);
  }
  ColourComponents(rgb, fog.colour);
  fog.colour[3] = 0;
  return fog;
}

}  // namespace vdr
