#include "files/file_pattern.h"

#include <cstring>

#include "runtime/ascii.h"

namespace vdr {

bool MatchesFilePattern(const char* name, const char* pattern) {
  if (std::strcmp(pattern, "*.*") == 0) return true;
  // After a mismatch, the last "*" takes one more character and matching resumes.
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name != 0) {
    if (*pattern == '*') {
      while (*pattern == '*') ++pattern;
      if (*pattern == 0) return true;
      star = pattern;
      resume = name;
    } else if ((*pattern == '?' && *name != '.') || (*pattern != '?' && *pattern != 0 && AsciiLower(*pattern) == AsciiLower(*name))) {
      ++pattern;
      ++name;
    } else if (star != nullptr) {
      pattern = star;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*pattern == '*') ++pattern;
  return *pattern == 0;
}

}  // namespace vdr
