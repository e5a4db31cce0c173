#pragma once
// The 60 clip-art pictures c01.png ... c60.png, on transparency.

#include <vector>

#include "tools/mediagen/image.h"

namespace vdr::mediagen {

constexpr int kClipCount = 60;

std::vector<Image> DrawClips();

}  // namespace vdr::mediagen
