#pragma once
// Offscreen screens: 32 records, each drawing into a sprite slot, through a
// framebuffer object when the driver has one, else by copying through the
// window's back buffer.

#include <array>
#include <cstdint>

namespace vdr {

inline constexpr int32_t kScreenCount = 32;
inline constexpr int32_t kWindowTarget = -1;

struct ScreenRecord {
  uint32_t framebuffer = 0;  // 0 = none
  uint32_t depthBuffer = 0;
  int32_t savedBinding = 0;  // framebuffer binding to restore when the screen ends
  int32_t width = 0;         // texture size; a nonzero width marks a usable framebuffer
  int32_t height = 0;
  int32_t slot = 0;          // sprite slot the screen draws into

  bool HasFramebuffer() const { return width != 0; }
};

inline bool IsScreenNumber(int32_t screen) { return screen >= 0 && screen < kScreenCount; }

using ScreenTable = std::array<ScreenRecord, kScreenCount>;

}  // namespace vdr
