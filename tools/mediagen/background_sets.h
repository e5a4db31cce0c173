#pragma once
// The background families; each drawer paints one whole 480 x 320 scene.

#include <cairo.h>

#include <vector>

namespace vdr::mediagen {

using SceneDrawer = void (*)(cairo_t* cr);

std::vector<SceneDrawer> LandscapeScenes();
std::vector<SceneDrawer> SkyScenes();
std::vector<SceneDrawer> PatternScenes();

}  // namespace vdr::mediagen
