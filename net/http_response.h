#pragma once
// Reading an HTTP response as it arrives: the header block is skipped and the
// rest is the body, whatever the status. Nothing is decoded.

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/runtime_string.h"

namespace vdr {

// Finds where the header block ends across the chunks it arrives in: line
// feeds are counted, carriage returns leave the count alone, any other byte
// sets it back to 0, and the block ends at the second line feed in a row
// (so "\r\n\r\n" and "\n\n" both end it, even split over two chunks).
class ResponseSplitter {
 public:
  // The body bytes in the next chunk: what follows the end of the header
  // block, or the whole chunk once the block has ended.
  std::string_view Feed(std::string_view chunk);
  bool HeaderEnded() const { return lineFeeds_ >= 2; }

 private:
  int lineFeeds_ = 0;
};

// The text result of a web download of at most `maxLength` characters,
// gathered piece by piece: a piece is taken only while it is shorter than the
// room left (maxLength + 1 at the start). Once a piece is left out, no later
// piece is taken, so the text is always the start of the body; it ends at
// the body's first zero byte.
class BodyText {
 public:
  explicit BodyText(int32_t maxLength) : room_(static_cast<int64_t>(maxLength) + 1) {}
  void Add(std::string_view piece);
  RuntimeString Text() const;

 private:
  std::string text_;
  int64_t room_;
  bool gap_ = false;
};

}  // namespace vdr
