#include "tests/support/picture_folder.h"

#include <cstdlib>

#include "app/engine_state.h"

namespace vdr::test {

std::string PictureFolder() {
  const std::string line = CommandLine().c_str();
  const size_t blank = line.find_last_of(' ');
  std::string folder = blank == std::string::npos ? "." : line.substr(blank + 1);
  if (folder.empty() || folder[0] != '/') {
    const char* started = std::getenv("PWD");
    folder = std::string(started != nullptr ? started : ".") + "/" + folder;
  }
  return folder + "/";
}

}  // namespace vdr::test
