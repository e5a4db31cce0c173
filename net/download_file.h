#pragma once
// The file a web download writes: the bytes go to a new hidden file in the
// target's folder, which replaces the target only when the download is kept,
// so an existing file stays whole until then and a failed download leaves
// nothing behind.

#include <string>
#include <string_view>

namespace vdr {

class DownloadFile {
 public:
  DownloadFile() = default;
  DownloadFile(const DownloadFile&) = delete;
  DownloadFile& operator=(const DownloadFile&) = delete;
  // Whatever was not kept is deleted.
  ~DownloadFile() { Discard(); }

  // Starts the file for `target` (a name the system takes as it is). False
  // when it cannot be created.
  bool Create(const std::string& target);
  bool IsOpen() const { return fd_ >= 0; }
  // False once any write has failed.
  bool Write(std::string_view bytes);
  // Everything written, renamed to the target; false (with nothing left
  // behind) when that fails.
  bool Keep();
  void Discard();

 private:
  bool Flush();

  static constexpr size_t kBufferSize = 64 * 1024;
  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace vdr
