#include "gfx2d/frame_fit.h"

#include <algorithm>
#include <cstdlib>

namespace vdr {
namespace {

constexpr int kMostScale = 16;

}  // namespace

FrameFit FitFrame(int logicalWidth, int logicalHeight, int windowWidth, int windowHeight) {
  FrameFit fit;
  if (logicalWidth > 0 && logicalHeight > 0) {
    fit.scale = std::clamp(std::min(windowWidth / logicalWidth, windowHeight / logicalHeight), 1, kMostScale);
  }
  fit.shown.w = logicalWidth * fit.scale;
  fit.shown.h = logicalHeight * fit.scale;
  fit.shown.x = (windowWidth - fit.shown.w) / 2;
  fit.shown.y = (windowHeight - fit.shown.h) / 2;
  return fit;
}

int StartScale(int logicalWidth, int logicalHeight, int usableWidth, int usableHeight) {
  if (logicalWidth <= 0 || logicalHeight <= 0) return 1;
  const double room = 0.8 * usableWidth * usableHeight;
  int scale = 1;
  for (int next = 2; next <= kMostScale; ++next) {
    const int w = logicalWidth * next, h = logicalHeight * next;
    if (w > usableWidth || h > usableHeight || double{1.0} * w * h > room) break;
    scale = next;
  }
  return scale;
}

int ParseScale(const char* text) {
  if (text == nullptr || *text == '\0') return 0;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (*end != '\0' || value < 1 || value > kMostScale) return 0;
  return static_cast<int>(value);
}

}  // namespace vdr
