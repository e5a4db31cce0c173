#pragma once
// ASCII case folding for names and patterns: only A-Z change, every other
// byte (including those of other code pages) stays as it is.

#include <string_view>

namespace vdr {

constexpr unsigned char AsciiLower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// ASCII letters compared without regard to case.
constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace vdr
