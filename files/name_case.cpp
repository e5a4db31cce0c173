#include "files/name_case.h"

#include <dirent.h>
#include <sys/stat.h>

#include <string_view>

#include "files/platform_paths.h"
#include "runtime/ascii.h"

namespace vdr {
namespace {

bool Exists(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

// The first entry of `folder` ("" for the current folder) equal to `name`
// ignoring case, or empty.
std::string EntryIgnoringCase(const std::string& folder, std::string_view name) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return std::string();
  std::string found;
  while (const dirent* entry = readdir(dir)) {
    if (EqualIgnoringCase(entry->d_name, name)) {
      found = entry->d_name;
      break;
    }
  }
  closedir(dir);
  return found;
}

}  // namespace

std::string DiskPath(const char* name) {
  const std::string path = NativePath(name);
  if (path.empty() || Exists(path)) return path;
  std::string matched;  // the components taken so far, each followed by its "/"
  for (size_t start = 0; start < path.size();) {
    const size_t slash = path.find('/', start);
    const size_t end = slash == std::string::npos ? path.size() : slash;
    const std::string_view component(path.data() + start, end - start);
    std::string next = matched;
    next += component;
    if (!component.empty() && component != "." && component != ".." && !Exists(next)) {
      const std::string entry = EntryIgnoringCase(matched, component);
      if (entry.empty()) return matched + path.substr(start);
      next = matched + entry;
    }
    matched = std::move(next);
    if (end < path.size()) matched += '/';
    start = end + 1;
  }
  return matched;
}

}  // namespace vdr
