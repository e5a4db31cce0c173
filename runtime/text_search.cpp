#include "runtime/text_search.h"

#include <cstring>

namespace vdr {

int64_t HorspoolSearch(std::string_view text, std::string_view pattern) {
  const size_t m = pattern.size();
  const size_t n = text.size();
  if (m == 0 || m > n) return -1;
  // How far the window may move when its last byte is c: the distance from
  // c's last occurrence in the pattern (its own last byte excluded) to the
  // pattern's end, or the whole pattern length.
  size_t skip[256];
  for (size_t& s : skip) s = m;
  for (size_t i = 0; i + 1 < m; ++i) skip[static_cast<unsigned char>(pattern[i])] = m - 1 - i;

  const char last = pattern[m - 1];
  const char* const base = text.data();
  for (size_t pos = 0; pos <= n - m;) {
    const char c = base[pos + m - 1];
    if (c == last && std::memcmp(base + pos, pattern.data(), m - 1) == 0) return static_cast<int64_t>(pos);
    pos += skip[static_cast<unsigned char>(c)];
  }
  return -1;
}

}  // namespace vdr
