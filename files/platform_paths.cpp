#include "files/platform_paths.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace vdr {

std::string TempFolder() {
  std::string folder;
  for (const char* variable : {"TEMP", "TMPDIR"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != 0) {
      folder = value;
      break;
    }
  }
  if (folder.empty()) folder = "/tmp";
  folder = NativePath(folder.c_str());
  if (folder.back() != '/') folder += '/';
  return folder;
}

std::string ExecutablePath() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return std::string();
  return std::string(path, static_cast<size_t>(n));
}

std::string NativePath(const char* name) {
  std::string path = name != nullptr ? name : "";
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

}  // namespace vdr
