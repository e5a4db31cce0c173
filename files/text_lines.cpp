#include "files/text_lines.h"

#include <algorithm>
#include <cstring>

namespace vdr {

TextLine NextTextLine(const uint8_t* at, size_t left, size_t max) {
  const size_t n = std::min(left, max);
  const auto* feed = static_cast<const uint8_t*>(std::memchr(at, '\n', n));
  TextLine line;
  line.length = feed != nullptr ? static_cast<size_t>(feed - at) : n;
  line.consumed = line.length + (feed != nullptr ? 1 : 0);
  line.ended = feed != nullptr || n == left;
  return line;
}

}  // namespace vdr
