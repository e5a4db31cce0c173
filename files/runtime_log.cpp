#include "files/runtime_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "files/fd_io.h"
#include "files/platform_paths.h"
#include "files/unique_fd.h"

namespace vdr {

std::string RuntimeLogPath() { return TempFolder() + "ErrorLog.txt"; }

void WriteLogLine(const char* text) {
  const std::string path = RuntimeLogPath();
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const UniqueFd fd(open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    // Exclusive use while the line is written, as no other writer may share it.
    if (!fd.Valid() || flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) continue;
    WriteFully(fd.Get(), text, std::strlen(text));
    WriteFully(fd.Get(), "\r\n", 2);
    return;
  }
}

void DeleteRuntimeLog() { unlink(RuntimeLogPath().c_str()); }

}  // namespace vdr
