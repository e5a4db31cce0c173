#include "files/file_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "files/fd_io.h"
#include "files/name_case.h"
#include "files/platform_paths.h"

namespace vdr {

namespace {

UniqueFd OpenRegularFile(const std::string& path, int64_t& size) {
  // Non-blocking so that a FIFO cannot stall the open; only regular files pass.
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat info {};
  if (!fd.Valid() || fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return UniqueFd();
  fcntl(fd.Get(), F_SETFL, fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
  size = static_cast<int64_t>(info.st_size);
  return fd;
}

}  // namespace

UniqueFd OpenDiskFileForReading(const char* name, int64_t& size, std::string* matched) {
  const std::string path = NativePath(name);
  UniqueFd fd = OpenRegularFile(path, size);
  if (fd.Valid()) return fd;
  std::string onDisk = DiskPath(path.c_str());
  if (onDisk == path) return fd;
  fd = OpenRegularFile(onDisk, size);
  if (fd.Valid() && matched != nullptr) *matched = std::move(onDisk);
  return fd;
}

bool FileSource::Open(const char* name) {
  Close();
  if (IsMemoryFileName(name)) {
    block_ = FindMemoryFile(name);
    if (block_ != nullptr) size_ = static_cast<int64_t>(block_->size);
  } else if (name != nullptr && *name != 0) {
    fd_ = OpenDiskFileForReading(name, size_);
  }
  return IsOpen();
}

void FileSource::Close() {
  fd_.Reset();
  block_.reset();
  size_ = 0;
  position_ = 0;
}

size_t FileSource::Read(void* out, size_t count) {
  auto* target = static_cast<uint8_t*>(out);
  size_t done = 0;
  if (block_ != nullptr) {
    if (position_ < size_) done = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(count), size_ - position_));
    if (done > 0) std::memcpy(target, block_->bytes.get() + position_, done);
  } else {
    done = ReadFully(fd_.Get(), target, count);
  }
  position_ += static_cast<int64_t>(done);
  return done;
}

bool FileSource::Seek(int64_t offset, int whence) {
  const int64_t base = whence == SEEK_CUR ? position_ : whence == SEEK_END ? size_ : 0;
  if (offset < -base || (offset > 0 && base > INT64_MAX - offset)) return false;
  if (fd_.Valid() && ::lseek(fd_.Get(), static_cast<off_t>(base + offset), SEEK_SET) < 0) return false;
  position_ = base + offset;
  return true;
}

bool SizeForWholeFile(std::vector<uint8_t>& bytes, int64_t count) {
  bytes.clear();
  if (count < 0 || count > kWholeFileLimit) return false;
  try {
    bytes.resize(static_cast<size_t>(count));
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

bool ReadWholeFile(const char* name, std::vector<uint8_t>& bytes) {
  FileSource source;
  return source.Open(name) && SizeForWholeFile(bytes, source.Size()) && source.ReadExact(bytes.data(), bytes.size());
}

}  // namespace vdr
