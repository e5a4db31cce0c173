#include "tests/support/process_threads.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace vdr::test {

std::string OtherThreads() {
  std::string names;
  const std::string self = std::to_string(gettid());
  if (DIR* tasks = opendir("/proc/self/task")) {
    while (const dirent* entry = readdir(tasks)) {
      const std::string id = entry->d_name;
      if (id == "." || id == ".." || id == self) continue;
      std::ifstream comm("/proc/self/task/" + id + "/comm");
      std::string name;
      std::getline(comm, name);
      names += " " + id + ":" + name;
    }
    closedir(tasks);
  }
  return names;
}

void ExpectNoOtherThreadsAtExit() {
  std::atexit([] {
    const std::string others = OtherThreads();
    if (others.empty()) return;
    std::fprintf(stderr, "threads still running at exit:%s\n", others.c_str());
    std::fflush(stderr);
    _exit(3);
  });
}

}  // namespace vdr::test
