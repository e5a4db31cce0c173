#include "files/system_services.h"

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>

#include "files/fd_io.h"
#include "files/unique_fd.h"

extern char** environ;

namespace vdr {
namespace {

// A small system file (sysfs, configuration), at most 64 KiB of it.
std::string ReadSmallFile(const std::string& path) {
  const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) return std::string();
  std::string text(65536, '\0');
  text.resize(ReadFully(fd.Get(), text.data(), text.size()));
  return text;
}

// Processes started without waiting, each watched through a pidfd by one
// thread that reaps it when it ends. The thread starts with the first process
// and stops at shutdown.
class ChildReaper {
 public:
  void Watch(pid_t pid) {
    // By the system call: this C library declares pidfd_open without C linkage.
    UniqueFd pidfd(static_cast<int>(::syscall(SYS_pidfd_open, pid, 0)));
    if (!pidfd.Valid()) return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!wake_.Valid()) wake_.Reset(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    children_.push_back({pid, std::move(pidfd)});
    if (!thread_.joinable()) {
      stop_ = false;
      thread_ = std::thread(&ChildReaper::Run, this);
    } else {
      Wake();
    }
  }

  void Stop() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (!thread_.joinable()) return;
      stop_ = true;
      Wake();
    }
    thread_.join();
    children_.clear();
  }

 private:
  struct Child {
    pid_t pid;
    UniqueFd pidfd;
  };

  void Wake() {
    const uint64_t one = 1;
    WriteFully(wake_.Get(), &one, sizeof one);
  }

  void Run() {
    std::vector<pollfd> polls;
    for (;;) {
      {
        std::lock_guard<std::mutex> lock(mutex_);
        if (stop_) return;
        polls.assign(1, pollfd{wake_.Get(), POLLIN, 0});
        for (const Child& child : children_) polls.push_back(pollfd{child.pidfd.Get(), POLLIN, 0});
      }
      if (::poll(polls.data(), polls.size(), -1) < 0) continue;
      uint64_t wakes = 0;
      if (::read(wake_.Get(), &wakes, sizeof wakes) < 0) wakes = 0;  // nothing to take
      std::lock_guard<std::mutex> lock(mutex_);
      // Only this thread removes children, so they stand in the order polled.
      for (size_t i = polls.size() - 1; i >= 1; --i) {
        if (polls[i].revents == 0) continue;
        ::waitpid(children_[i - 1].pid, nullptr, WNOHANG);
        children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(i - 1));
      }
    }
  }

  std::mutex mutex_;
  UniqueFd wake_;
  std::vector<Child> children_;
  std::thread thread_;
  bool stop_ = false;
};

// Never destroyed: a process started after shutdown (ShutdownAndRun) is still
// watched while the program exits, and a forked copy of the program, which
// has no such thread, must not wait for it at exit.
ChildReaper& Reaper() {
  static auto* reaper = new ChildReaper;
  return *reaper;
}

}  // namespace

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string EnvironmentListing() {
  std::string listing;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) listing.append(*entry).append("\n");
  return listing;
}

bool SetEnvironmentValue(const char* name, const char* value) { return ::setenv(name, value, 1) == 0; }

pid_t StartProcess(const std::vector<std::string>& args) {
  if (args.empty()) return -1;
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // A clean start: no blocked signals, and a broken pipe ends the program as usual.
  sigset_t none, defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  pid_t pid = -1;
  const int result = posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return result == 0 ? pid : -1;
}

int32_t WaitForProcess(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return 0;
  }
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WEXITSTATUS(status);
}

void ReapWhenEnded(pid_t pid) { Reaper().Watch(pid); }

void StopReaping() { Reaper().Stop(); }

void* LoadLibraryModule(const char* name) { return ::dlopen(name, RTLD_NOW | RTLD_LOCAL); }
void* FindLibrarySymbol(void* module, const char* name) { return ::dlsym(module, name); }
void UnloadLibraryModule(void* module) { ::dlclose(module); }

std::string RootVolumeUuid() {
  constexpr char kFolder[] = "/dev/disk/by-uuid/";
  struct stat root {};
  if (::stat("/", &root) != 0) return std::string();
  DIR* folder = ::opendir(kFolder);
  if (folder == nullptr) return std::string();
  std::string uuid;
  while (const dirent* entry = ::readdir(folder)) {
    struct stat device {};
    if (entry->d_name[0] != '.' && ::stat((std::string(kFolder) + entry->d_name).c_str(), &device) == 0 &&
        S_ISBLK(device.st_mode) && device.st_rdev == root.st_dev) {
      uuid = entry->d_name;
      break;
    }
  }
  ::closedir(folder);
  return uuid;
}

void RootFileSystemId(uint8_t id[4]) {
  struct statfs info {};
  if (::statfs("/", &info) != 0) info = {};
  std::memcpy(id, &info.f_fsid, 4);
}

int32_t BatteryPercent(const char* folder) {
  DIR* supplies = ::opendir(folder);
  if (supplies == nullptr) return -1;
  int64_t sum = 0, count = 0;
  while (const dirent* entry = ::readdir(supplies)) {
    if (entry->d_name[0] == '.') continue;
    const std::string base = std::string(folder) + "/" + entry->d_name + "/";
    // Batteries of attached devices (mice, headsets) say so in their scope.
    const bool battery = ReadSmallFile(base + "type").rfind("Battery", 0) == 0;
    const bool ofADevice = ReadSmallFile(base + "scope").rfind("Device", 0) == 0;
    const std::string capacity = ReadSmallFile(base + "capacity");
    if (!battery || ofADevice || capacity.empty()) continue;
    sum += std::atoi(capacity.c_str());
    ++count;
  }
  ::closedir(supplies);
  return count > 0 ? static_cast<int32_t>(sum / count) : -1;
}

std::string UserLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const std::string value = EnvironmentValue(variable);
    if (!value.empty()) return value;
  }
  return std::string();
}

std::string HomeFolder() {
  std::string home = EnvironmentValue("HOME");
  if (home.empty()) {
    passwd entry {};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr) home = found->pw_dir;
  }
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  return home;
}

std::string UserDirsText() {
  std::string config = EnvironmentValue("XDG_CONFIG_HOME");
  if (config.empty()) config = HomeFolder() + "/.config";
  return ReadSmallFile(config + "/user-dirs.dirs");
}

}  // namespace vdr
