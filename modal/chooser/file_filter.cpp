#include "modal/chooser/file_filter.h"

#include "files/file_pattern.h"

namespace vdr {
namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (size_t start = 0;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view text) {
  std::vector<FileFilter> filters;
  const std::vector<std::string_view> parts = Split(text, '|');
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    FileFilter filter;
    for (std::string_view wildcard : Split(parts[i + 1], ';')) {
      wildcard = Trimmed(wildcard);
      if (!wildcard.empty()) filter.patterns.emplace_back(wildcard);
    }
    if (filter.patterns.empty()) continue;
    filter.description = Trimmed(parts[i]);
    if (filter.description.empty()) filter.description = Trimmed(parts[i + 1]);
    filters.push_back(std::move(filter));
  }
  if (filters.empty()) filters.push_back(FileFilter{"All files (*.*)", {"*.*"}});
  return filters;
}

bool MatchesFileFilter(const FileFilter& filter, const char* name) {
  for (const std::string& pattern : filter.patterns) {
    if (MatchesFilePattern(name, pattern.c_str())) return true;
  }
  return false;
}

}  // namespace vdr
