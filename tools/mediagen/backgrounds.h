#pragma once
// The 60 background pictures b01.png ... b60.png, 480 x 320 and opaque:
// landscapes, skies, gradients and patterns.

#include <vector>

#include "tools/mediagen/image.h"

namespace vdr::mediagen {

constexpr int kBackgroundCount = 60;
constexpr int kSceneWidth = 480;
constexpr int kSceneHeight = 320;

std::vector<Image> DrawBackgrounds();

}  // namespace vdr::mediagen
