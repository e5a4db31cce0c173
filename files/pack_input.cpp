#include "files/pack_input.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vdr {

bool MemoryPackInput::ReadAt(uint64_t offset, void* out, size_t count) const {
  const uint8_t* bytes = View(offset, count);
  if (bytes == nullptr) return false;
  if (count > 0) std::memcpy(out, bytes, count);
  return true;
}

const uint8_t* MemoryPackInput::View(uint64_t offset, size_t count) const {
  return Holds(offset, count) ? data_ + offset : nullptr;
}

FilePackInput::FilePackInput(int fd) : fd_(fd) {
  struct stat info {};
  if (fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) size_ = static_cast<uint64_t>(info.st_size);
}

bool FilePackInput::ReadAt(uint64_t offset, void* out, size_t count) const {
  if (!Holds(offset, count)) return false;
  auto* target = static_cast<uint8_t*>(out);
  while (count > 0) {
    const ssize_t got = pread(fd_, target, count, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;  // the file shrank under us, or a read error
    target += got;
    offset += static_cast<uint64_t>(got);
    count -= static_cast<size_t>(got);
  }
  return true;
}

}  // namespace vdr
