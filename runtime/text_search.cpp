#include "runtime/text_search.h"

#include <cstring>

namespace vdr {

HorspoolSearcher::HorspoolSearcher(std::string_view pattern) : pattern_(pattern) {
  const size_t m = pattern.size();
  for (size_t& s : skip_) s = m;
  for (size_t i = 0; i + 1 < m; ++i) skip_[static_cast<unsigned char>(pattern[i])] = m - 1 - i;
}

int64_t HorspoolSearcher::Find(std::string_view text) const {
  const size_t m = pattern_.size();
  const size_t n = text.size();
  if (m == 0 || m > n) return -1;
  const char last = pattern_[m - 1];
  const char* const base = text.data();
  for (size_t pos = 0; pos <= n - m;) {
    const char c = base[pos + m - 1];
    if (c == last && std::memcmp(base + pos, pattern_.data(), m - 1) == 0) return static_cast<int64_t>(pos);
    pos += skip_[static_cast<unsigned char>(c)];
  }
  return -1;
}

}  // namespace vdr
