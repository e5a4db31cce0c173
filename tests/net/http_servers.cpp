#include "tests/net/http_servers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

extern char** environ;

namespace vdr::test {
namespace {

// Reads a line from `fd` within the deadline; false at the end or on time-out.
bool ReadLine(int fd, std::string& line, std::chrono::steady_clock::time_point deadline) {
  line.clear();
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd entry{fd, POLLIN, 0};
    if (left.count() <= 0 || poll(&entry, 1, static_cast<int>(left.count())) <= 0) return false;
    char byte;
    if (read(fd, &byte, 1) != 1) return false;
    if (byte == '\n') return true;
    line += byte;
  }
}

bool SendAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t sent = send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (sent <= 0) return false;
    done += static_cast<size_t>(sent);
  }
  return true;
}

}  // namespace

PythonHttpServer::PythonHttpServer(const std::string& folder) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const char* argv[] = {"python3", "-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                        folder.c_str(), nullptr};
  if (posix_spawnp(&pid_, "python3", &actions, nullptr, const_cast<char**>(argv), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  // "Serving HTTP on 127.0.0.1 port 40123 (http://127.0.0.1:40123/) ..."
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  std::string line;
  while (pid_ > 0 && ReadLine(out[0], line, deadline)) {
    unsigned port = 0;
    if (std::sscanf(line.c_str(), "Serving HTTP on %*s port %u", &port) == 1) {
      port_ = static_cast<uint16_t>(port);
      break;
    }
  }
  close(out[0]);
}

PythonHttpServer::~PythonHttpServer() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

CannedHttpServer::CannedHttpServer() {
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listener_, 16) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    return;
  }
  port_ = ntohs(address.sin_port);
  wake_ = eventfd(0, EFD_CLOEXEC);
  thread_ = std::thread([this] { Serve(); });
}

CannedHttpServer::~CannedHttpServer() {
  if (thread_.joinable()) {
    const uint64_t one = 1;
    if (write(wake_, &one, sizeof one) != sizeof one) std::perror("eventfd");
    thread_.join();
  }
  if (wake_ >= 0) close(wake_);
  close(listener_);
}

void CannedHttpServer::Reply(std::string bytes, Ending ending) {
  std::lock_guard guard(lock_);
  reply_ = std::move(bytes);
  ending_ = ending;
}

std::string CannedHttpServer::lastRequest() const {
  std::lock_guard guard(lock_);
  return lastRequest_;
}

void CannedHttpServer::Serve() {
  for (;;) {
    pollfd entries[2] = {{listener_, POLLIN, 0}, {wake_, POLLIN, 0}};
    if (poll(entries, 2, -1) < 0) continue;
    if (entries[1].revents != 0) return;
    const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    ++connections_;
    Answer(connection);
  }
}

void CannedHttpServer::Answer(int connection) {
  std::string request;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  std::string line;
  while (request.find("\r\n\r\n") == std::string::npos && ReadLine(connection, line, deadline)) request += line + '\n';
  std::string reply;
  Ending ending;
  {
    std::lock_guard guard(lock_);
    lastRequest_ = request;
    reply = reply_;
    ending = ending_;
  }
  SendAll(connection, reply);
  if (ending == Ending::kReset) {
    const linger abort{1, 0};
    setsockopt(connection, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
  }
  close(connection);
}

}  // namespace vdr::test
