#pragma once
// ASCII case folding for names and patterns: only A-Z change, every other
// byte (including those of other code pages) stays as it is.

namespace vdr {

constexpr unsigned char AsciiLower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

}  // namespace vdr
