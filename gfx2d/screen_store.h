#pragma once
// The screen store: offscreen screens that drawing can be sent to instead of
// the window, each drawing into a sprite slot (screen_table.h), and reading
// back from what is drawn into: grabs into sprites and single pixels.

#include <cstdint>

#include "gfx2d/gl_device.h"
#include "gfx2d/screen_table.h"
#include "gfx2d/sprite_store.h"
#include "gfx2d/target_canvas.h"

namespace vdr {

class ScreenStore {
 public:
  ScreenStore(GlDevice& device, SpriteStore& sprites, TargetCanvas& canvas)
      : device_(device), sprites_(sprites), canvas_(canvas) {}
  ScreenStore(const ScreenStore&) = delete;
  ScreenStore& operator=(const ScreenStore&) = delete;

  // The screen's picture of w x h, transparent, into the slot; through a
  // framebuffer object when the driver makes one.
  void CreateScreen(int32_t screen, int32_t slot, int32_t width, int32_t height);
  // Sends drawing to the screen (after ending the current one), with the
  // viewport over its picture; a screen without a picture is not drawn into.
  void UseScreen(int32_t screen);
  // Sends drawing back to the window, the viewport over the whole screen.
  void EndScreen();
  // Ends the current screen and deletes every framebuffer (the context closes).
  void ReleaseScreens();

  bool GrabSprite(int32_t slot, int32_t x, int32_t y, int32_t w, int32_t h);
  int32_t ReadPixel(int32_t x, int32_t y);
  // Height of what is drawn into: the current framebuffer screen's picture,
  // else the window.
  int32_t TargetHeight() const;

  // The offscreen screen drawn into, or kWindowTarget.
  int32_t CurrentScreen() const { return currentScreen_; }
  const ScreenRecord& Screen(int32_t screen) const { return screens_[static_cast<size_t>(screen)]; }

 private:
  // How the sprite colour key reads back from the current target.
  int32_t StoredColourKey();

  GlDevice& device_;
  SpriteStore& sprites_;
  TargetCanvas& canvas_;
  ScreenTable screens_;
  int32_t currentScreen_ = kWindowTarget;
};

}  // namespace vdr
