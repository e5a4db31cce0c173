#pragma once
// HTTP servers on 127.0.0.1 for the web download tests and benchmark.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include <sys/types.h>

namespace vdr::test {

// Python's http.server serving a folder, on a free port it picks itself.
class PythonHttpServer {
 public:
  // Waits (up to 30 s) until the server reports its port.
  explicit PythonHttpServer(const std::string& folder);
  ~PythonHttpServer();
  PythonHttpServer(const PythonHttpServer&) = delete;
  PythonHttpServer& operator=(const PythonHttpServer&) = delete;

  // 0 when it did not start.
  uint16_t port() const { return port_; }

 private:
  pid_t pid_ = -1;
  uint16_t port_ = 0;
};

// A server of the test's own: every connection has its request read (up to
// the empty line) and gets the same canned reply, written in one piece,
// after which the connection is closed in good order or reset.
class CannedHttpServer {
 public:
  enum class Ending { kClose, kReset };

  CannedHttpServer();
  ~CannedHttpServer();
  CannedHttpServer(const CannedHttpServer&) = delete;
  CannedHttpServer& operator=(const CannedHttpServer&) = delete;

  void Reply(std::string bytes, Ending ending = Ending::kClose);
  uint16_t port() const { return port_; }
  int connections() const { return connections_.load(); }
  std::string lastRequest() const;

 private:
  void Serve();
  void Answer(int connection);

  int listener_ = -1;
  int wake_ = -1;  // an eventfd that ends the serving thread
  uint16_t port_ = 0;
  std::atomic<int> connections_{0};
  mutable std::mutex lock_;
  std::string reply_;
  Ending ending_ = Ending::kClose;
  std::string lastRequest_;
  std::thread thread_;
};

}  // namespace vdr::test
