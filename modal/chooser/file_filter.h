#pragma once
// The file chooser's filters, given as one text of pairs separated by "|":
// "Pictures|*.png;*.jpg|All files|*.*". Each pattern part may list several
// wildcards separated by ";", matched by the file listing's pattern rule.

#include <string>
#include <string_view>
#include <vector>

namespace vdr {

struct FileFilter {
  std::string description;
  std::vector<std::string> patterns;
  bool operator==(const FileFilter&) const = default;
};

// The filters in their order. Blanks around descriptions and wildcards are
// dropped; a pair without a wildcard (also a last description without its
// pattern) is left out, and an empty description shows the wildcards. When
// no pair is left, one filter shows every file.
std::vector<FileFilter> ParseFileFilter(std::string_view text);

// Whether the name matches one of the filter's wildcards.
bool MatchesFileFilter(const FileFilter& filter, const char* name);

}  // namespace vdr
