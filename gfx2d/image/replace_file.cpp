#include "gfx2d/image/replace_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace vdr {
namespace {

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

// A name in the same folder (so rename stays on one file system) that no one
// else uses: the process id and a per-process counter, created exclusively.
int CreateTemporaryBeside(const std::string& path, std::string& temporary) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path + ".part-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::span<const uint8_t> bytes) {
  std::string temporary;
  const int fd = CreateTemporaryBeside(path, temporary);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) unlink(temporary.c_str());
  return ok;
}

}  // namespace vdr
