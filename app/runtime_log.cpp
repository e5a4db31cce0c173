#include "app/runtime_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "files/platform_paths.h"

namespace vdr {
namespace {

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::string RuntimeLogPath() { return TempFolder() + "ErrorLog.txt"; }

void WriteLogLine(const char* text) {
  const std::string path = RuntimeLogPath();
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) continue;
    // Exclusive use while the line is written, as no other writer may share it.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      close(fd);
      continue;
    }
    WriteAll(fd, text, std::strlen(text));
    WriteAll(fd, "\r\n", 2);
    close(fd);
    return;
  }
}

void DeleteRuntimeLog() { unlink(RuntimeLogPath().c_str()); }

}  // namespace vdr
