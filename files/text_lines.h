#pragma once
// The line rule that channels and line files share: a line runs up to the
// next line feed, the end of the bytes, or at most `max` bytes, whichever comes
// first. A carriage return before a line end is the caller's to drop.

#include <cstddef>
#include <cstdint>

namespace vdr {

struct TextLine {
  size_t length = 0;    // bytes of the line, without its line feed
  size_t consumed = 0;  // bytes to move past: the line and its line feed
  bool ended = false;   // a line feed or the end of the bytes closed it (not the limit)
};

TextLine NextTextLine(const uint8_t* at, size_t left, size_t max);

}  // namespace vdr
