#pragma once
// The background store: up to 8 background pictures (background_table.h),
// cut into tiles when loaded, or grabbed from the frame, and drawn at the
// start of every frame (background 0).

#include <cstdint>

#include "gfx2d/background_table.h"
#include "gfx2d/gl_device.h"
#include "gfx2d/target_canvas.h"

namespace vdr {

class BackgroundStore {
 public:
  BackgroundStore(GlDevice& device, const TargetCanvas& canvas) : device_(device), canvas_(canvas) {}
  BackgroundStore(const BackgroundStore&) = delete;
  BackgroundStore& operator=(const BackgroundStore&) = delete;

  // Backgrounds outside 0..7 are ignored.
  bool LoadBackground(int32_t background, const char* resolvedName);
  // The screen's frame as drawn so far, from its top-left corner.
  void GrabBackground(int32_t background);
  void DrawBackground(int32_t background);
  void ClearBackground(int32_t background);
  void ClearAllBackgrounds();

  const BackgroundRecord& Background(int32_t background) const { return backgrounds_[static_cast<size_t>(background)]; }

 private:
  GlDevice& device_;
  const TargetCanvas& canvas_;
  BackgroundTable backgrounds_;
};

}  // namespace vdr
