#include "tools/mediagen/clips.h"

#include <stdexcept>

#include "tools/mediagen/clip_style.h"

namespace vdr::mediagen {

std::vector<Image> DrawClips() {
  std::vector<ClipRecipe> recipes;
  for (const auto& family : {ShapeClips(), NatureClips(), AnimalClips(), BuildingClips(), ObjectClips()})
    recipes.insert(recipes.end(), family.begin(), family.end());
  if (recipes.size() != kClipCount) throw std::logic_error("expected 60 clip recipes");
  std::vector<Image> clips;
  for (const ClipRecipe& recipe : recipes) {
    Canvas canvas(recipe.width, recipe.height);
    recipe.draw(canvas.cr());
    clips.push_back(canvas.ToImage());
  }
  return clips;
}

}  // namespace vdr::mediagen
