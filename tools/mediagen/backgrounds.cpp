#include "tools/mediagen/backgrounds.h"

#include <stdexcept>

#include "tools/mediagen/background_sets.h"
#include "tools/mediagen/draw.h"

namespace vdr::mediagen {

std::vector<Image> DrawBackgrounds() {
  std::vector<SceneDrawer> drawers = LandscapeScenes();
  for (const auto& family : {SkyScenes(), PatternScenes()}) drawers.insert(drawers.end(), family.begin(), family.end());
  if (drawers.size() != kBackgroundCount) throw std::logic_error("expected 60 background drawers");
  std::vector<Image> backgrounds;
  for (SceneDrawer draw : drawers) {
    Canvas canvas(kSceneWidth, kSceneHeight);
    draw(canvas.cr());
    backgrounds.push_back(canvas.ToImage());
  }
  return backgrounds;
}

}  // namespace vdr::mediagen
