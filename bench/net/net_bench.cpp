// Web download and socket throughput on loopback.
//
// 1. WebGetFile of a 50 MB body from a local server against `curl -s -o` of
//    the same body, timed in turns so both see the same machine load;
//    medians and minimums with their ratios. The goal is WebGetFile within
//    twice curl's time.
// 2. SocketSend on one thread into SocketReceive on another, in 1 KB and
//    64 KB pieces.
//
// Run a release build: build/bench/bench/net/net_bench [ROUNDS]

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/engine_state.h"
#include "files/platform_paths.h"
#include "net/socket_commands.h"
#include "net/sockets.h"
#include "net/web_download.h"
#include "tests/net/http_servers.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Minimum(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

off_t FileSize(const std::string& path) {
  struct stat info{};
  return stat(path.c_str(), &info) == 0 ? info.st_size : -1;
}

int RunCurl(const std::string& url, const std::string& output) {
  const char* argv[] = {"curl", "-s", "-o", output.c_str(), url.c_str(), nullptr};
  pid_t pid;
  if (posix_spawnp(&pid, "curl", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void CompareWithCurl(int rounds) {
  constexpr size_t kBodySize = 50u << 20;
  std::string reply = "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                      std::to_string(kBodySize) + "\r\n\r\n";
  const size_t headerSize = reply.size();
  reply.resize(headerSize + kBodySize);
  for (size_t i = headerSize; i < reply.size(); ++i) reply[i] = static_cast<char>(i * 31 + (i >> 12));
  vdr::test::CannedHttpServer server;
  server.Reply(std::move(reply));

  const std::string folder = vdr::TempFolder();
  const std::string ours = folder + "net_bench_web.bin";
  const std::string theirs = folder + "net_bench_curl.bin";
  const std::string url = "http://127.0.0.1:" + std::to_string(server.port()) + "/big.bin";
  std::vector<double> web, curl;
  for (int round = 0; round < rounds; ++round) {
    Clock::time_point start = Clock::now();
    const int32_t saved = vdr::WebGetFile("127.0.0.1", "/big.bin", server.port(), ours.c_str(), 5000);
    web.push_back(MillisecondsSince(start));
    start = Clock::now();
    const int curlExit = RunCurl(url, theirs);
    curl.push_back(MillisecondsSince(start));
    if (saved != 1 || curlExit != 0 || FileSize(ours) != static_cast<off_t>(kBodySize) ||
        FileSize(theirs) != static_cast<off_t>(kBodySize)) {
      std::fprintf(stderr, "round %d: a download failed (WebGetFile %d, curl %d)\n", round, saved, curlExit);
      std::exit(1);
    }
  }
  std::filesystem::remove(ours);
  std::filesystem::remove(theirs);
  std::printf("\n50 MB over HTTP on loopback, %d rounds:\n", rounds);
  std::printf("  WebGetFile      median %7.1f ms  min %7.1f ms  (%.0f MB/s at the median)\n", Median(web),
              Minimum(web), 50.0 / (Median(web) / 1000.0));
  std::printf("  curl -s -o      median %7.1f ms  min %7.1f ms\n", Median(curl), Minimum(curl));
  std::printf("  WebGetFile / curl: median %.2f, min %.2f (goal: at most 2)\n", Median(web) / Median(curl),
              Minimum(web) / Minimum(curl));
}

// Megabytes per second through one connection in pieces of `pieceSize`.
double Throughput(size_t pieceSize, size_t total) {
  uint16_t port = 0;
  int32_t listener = -1;
  for (port = 20000; port < 32000 && listener < 0; port = static_cast<uint16_t>(port + 17)) {
    listener = vdr::TcpListen(port);
  }
  port = static_cast<uint16_t>(port - 17);
  const int32_t client = vdr::TcpConnect("127.0.0.1", port, 5000);
  int32_t peer = 0;
  int32_t server = -1;
  while (server < 0) server = vdr::TcpAccept(listener, peer);
  const vdr::RuntimeString piece(std::string(pieceSize, 'x').c_str());

  const Clock::time_point start = Clock::now();
  std::thread sender([&] {
    for (size_t sent = 0; sent < total; sent += pieceSize) vdr::SocketSend(client, piece);
  });
  vdr::RuntimeString text;
  size_t received = 0;
  while (received < total) {
    const int32_t got = vdr::SocketReceive(server, text, static_cast<double>(pieceSize));
    if (got > 0) {
      received += static_cast<size_t>(got);
    } else if (got == vdr::Sockets::kNothing) {
      vdr::SocketLayer().WaitReceivable(server, 5);
    } else {
      std::fprintf(stderr, "receive failed: %s\n", vdr::SocketErrorText().c_str());
      std::exit(1);
    }
  }
  sender.join();
  const double seconds = MillisecondsSince(start) / 1000.0;
  vdr::SocketClose(client);
  vdr::SocketClose(server);
  vdr::SocketClose(listener);
  return static_cast<double>(total) / (1 << 20) / seconds;
}

void MeasureThroughput() {
  vdr::SocketInit();
  std::printf("\nSocketSend -> SocketReceive on loopback (one thread each):\n");
  std::printf("  1 KB pieces   %7.0f MB/s\n", Throughput(1024, 256u << 20));
  std::printf("  64 KB pieces  %7.0f MB/s\n", Throughput(65536, 2048u << 20));
  vdr::SocketShutdown();
}

}  // namespace

int main(int argc, char** argv) {
  vdr::Engine();  // the owner of the runtime\'s process-wide objects
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  CompareWithCurl(rounds);
  MeasureThroughput();
  std::fflush(stdout);
  return 0;
}
