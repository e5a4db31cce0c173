#pragma once
// Wildcard patterns of file listings. Letters match without regard to case;
// "*" matches any run of characters (also none), "?" any one character but
// ".", and "*.*" matches every name, also one without a dot.

namespace vdr {

bool MatchesFilePattern(const char* name, const char* pattern);

}  // namespace vdr
