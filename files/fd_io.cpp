#include "files/fd_io.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace vdr {

size_t ReadFully(int fd, void* out, size_t count) {
  auto* target = static_cast<uint8_t*>(out);
  size_t done = 0;
  while (done < count) {
    const ssize_t got = ::read(fd, target + done, count - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

bool WriteFully(int fd, const void* bytes, size_t count) {
  const auto* from = static_cast<const uint8_t*>(bytes);
  size_t done = 0;
  while (done < count) {
    const ssize_t n = ::write(fd, from + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace vdr
