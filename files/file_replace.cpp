#include "files/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "files/fd_io.h"
#include "files/memory_files.h"
#include "files/platform_paths.h"
#include "files/unique_fd.h"

namespace vdr {
namespace {

// A new file beside `path` that nobody else has opened. Created like any new
// file (0666 less the umask), so the replacement gets ordinary permissions.
UniqueFd CreateTemporaryBeside(const std::string& path, std::string& temporary) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(++counter);
    UniqueFd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.Valid() || errno != EEXIST) return fd;
  }
  return UniqueFd();
}

}  // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes) {
  const std::string target = NativePath(path.c_str());
  if (target.empty()) return false;
  std::string temporary;
  UniqueFd fd = CreateTemporaryBeside(target, temporary);
  if (!fd.Valid()) return false;
  struct stat old {};
  bool written = (::stat(target.c_str(), &old) != 0 || ::fchmod(fd.Get(), old.st_mode & 07777) == 0) &&
                 WriteFully(fd.Get(), bytes.data(), bytes.size()) && ::fsync(fd.Get()) == 0;
  written = ::close(fd.Release()) == 0 && written;
  if (written && ::rename(temporary.c_str(), target.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

std::string AbsolutePath(const std::string& path) {
  std::string native = NativePath(path.c_str());
  if (native.empty() || native.front() == '/') return native;
  char* folder = ::getcwd(nullptr, 0);
  if (folder == nullptr) return native;
  std::string absolute = folder;
  std::free(folder);
  if (absolute.back() != '/') absolute += '/';
  return absolute + native;
}

std::string WriteBackPath(const std::string& requested, bool found, const std::string& resolved) {
  if (requested.empty() || IsMemoryFileName(requested.c_str())) return std::string();
  return AbsolutePath(found && !IsMemoryFileName(resolved.c_str()) ? resolved : requested);
}

}  // namespace vdr
