#include "net/download_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "files/fd_io.h"

namespace vdr {
namespace {

// A name in the target's folder that no other download uses.
std::string TemporaryName(const std::string& target, unsigned number) {
  const size_t slash = target.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  return folder + ".download-" + std::to_string(getpid()) + "-" + std::to_string(number);
}

}  // namespace

bool DownloadFile::Create(const std::string& target) {
  Discard();
  static std::atomic<unsigned> next{0};
  do {
    temporary_ = TemporaryName(target, next++);
    fd_ = ::open(temporary_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  } while (fd_ < 0 && errno == EEXIST);
  if (fd_ < 0) return false;
  target_ = target;
  buffer_.reserve(kBufferSize);
  failed_ = false;
  return true;
}

bool DownloadFile::Write(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > kBufferSize) Flush();
  if (bytes.size() >= kBufferSize) {
    failed_ = failed_ || !WriteFully(fd_, bytes.data(), bytes.size());
  } else {
    buffer_.append(bytes);
  }
  return !failed_;
}

bool DownloadFile::Flush() {
  if (!buffer_.empty()) failed_ = failed_ || !WriteFully(fd_, buffer_.data(), buffer_.size());
  buffer_.clear();
  return !failed_;
}

bool DownloadFile::Keep() {
  if (!IsOpen()) return false;
  const bool written = Flush();
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (written && closed && std::rename(temporary_.c_str(), target_.c_str()) == 0) {
    temporary_.clear();
    return true;
  }
  Discard();
  return false;
}

void DownloadFile::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
  buffer_.clear();
}

}  // namespace vdr
