#pragma once
// The byte search behind FindText and ReplaceText.

#include <cstdint>
#include <string_view>

namespace vdr {

// Offset of the first occurrence of `pattern` in `text`, or -1. Bytes compare
// exactly, zero bytes too; an empty pattern is never found.
int64_t FindBytes(std::string_view text, std::string_view pattern);

}  // namespace vdr
