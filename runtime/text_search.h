#pragma once
// Boyer-Moore-Horspool byte search, shared by FindText and ReplaceText.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vdr {

// A pattern prepared once for any number of searches. Bytes compare exactly;
// an empty pattern is never found. The pattern's bytes must outlive it.
class HorspoolSearcher {
 public:
  explicit HorspoolSearcher(std::string_view pattern);
  // Offset of the first occurrence of the pattern in text, or -1.
  int64_t Find(std::string_view text) const;

 private:
  std::string_view pattern_;
  // How far the window may move when its last byte is c: the distance from
  // c's last occurrence in the pattern (its own last byte excluded) to the
  // pattern's end, or the whole pattern length.
  size_t skip_[256];
};

inline int64_t HorspoolSearch(std::string_view text, std::string_view pattern) {
  return HorspoolSearcher(pattern).Find(text);
}

}  // namespace vdr
