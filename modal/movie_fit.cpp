#include "modal/movie_fit.h"

#include <algorithm>

namespace vdr {

Rect FitMovie(int clientWidth, int clientHeight, int sourceWidth, int sourceHeight) {
  if (clientWidth <= 0 || clientHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return Rect{};
  const double scale = std::min(static_cast<double>(clientWidth) / sourceWidth,
                                static_cast<double>(clientHeight) / sourceHeight);
  const int width = static_cast<int>(scale * sourceWidth);
  const int height = static_cast<int>(scale * sourceHeight);
  return Rect{(clientWidth - width) / 2, (clientHeight - height) / 2, width, height};
}

}  // namespace vdr
