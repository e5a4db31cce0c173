#include "runtime/text_search.h"

#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vdr {
namespace {

// Every place where the pattern's first byte occurs (found by memchr) is
// checked whole, as std::string_view::find does.
int64_t FindByFirstByte(const char* text, size_t n, std::string_view pattern) {
  const size_t m = pattern.size();
  if (m > n) return -1;
  const char* const lastStart = text + (n - m);
  for (const char* at = text; at <= lastStart; ++at) {
    at = static_cast<const char*>(std::memchr(at, pattern[0], static_cast<size_t>(lastStart - at) + 1));
    if (at == nullptr) return -1;
    if (std::memcmp(at + 1, pattern.data() + 1, m - 1) == 0) return at - text;
  }
  return -1;
}

#if defined(__x86_64__)
bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

// 64 starting places at a time: a place stays a candidate when the pattern's
// first byte is there and its last byte is m - 1 further on (each tested for
// 32 places in one comparison), so that few places are checked whole. Stops
// where a block of 64 no longer fits; `scanned` is the number of places
// ruled out by then.
__attribute__((target("avx2"))) int64_t FindByFirstAndLastByte(const char* text, size_t n, std::string_view pattern,
                                                               size_t& scanned) {
  const size_t m = pattern.size();
  const __m256i first = _mm256_set1_epi8(pattern[0]);
  const __m256i last = _mm256_set1_epi8(pattern[m - 1]);
  const size_t middle = m > 2 ? m - 2 : 0;  // the bytes between the first and the last
  size_t pos = 0;
  for (; pos + m - 1 + 64 <= n; pos += 64) {
    const char* const block = text + pos;
    const __m256i low = _mm256_and_si256(
        _mm256_cmpeq_epi8(first, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block))),
        _mm256_cmpeq_epi8(last, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + m - 1))));
    const __m256i high = _mm256_and_si256(
        _mm256_cmpeq_epi8(first, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + 32))),
        _mm256_cmpeq_epi8(last, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + m - 1 + 32))));
    const __m256i any = _mm256_or_si256(low, high);
    if (_mm256_testz_si256(any, any)) continue;
    uint64_t candidates = static_cast<uint32_t>(_mm256_movemask_epi8(low)) |
                          uint64_t{static_cast<uint32_t>(_mm256_movemask_epi8(high))} << 32;
    for (; candidates != 0; candidates &= candidates - 1) {
      const int offset = __builtin_ctzll(candidates);
      if (std::memcmp(block + offset + 1, pattern.data() + 1, middle) == 0) return static_cast<int64_t>(pos) + offset;
    }
  }
  scanned = pos;
  return -1;
}
#endif

}  // namespace

int64_t FindBytes(std::string_view text, std::string_view pattern) {
  const size_t m = pattern.size();
  const size_t n = text.size();
  if (m == 0 || m > n) return -1;
  size_t scanned = 0;
#if defined(__x86_64__)
  if (HasAvx2()) {
    const int64_t at = FindByFirstAndLastByte(text.data(), n, pattern, scanned);
    if (at >= 0) return at;
  }
#endif
  const int64_t at = FindByFirstByte(text.data() + scanned, n - scanned, pattern);
  return at < 0 ? -1 : static_cast<int64_t>(scanned) + at;
}

}  // namespace vdr
