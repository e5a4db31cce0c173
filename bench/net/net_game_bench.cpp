// Network games between two processes on loopback: this program hosts and
// starts a copy of itself that joins.
//
// 1. Messages per second: the joined program sends 100,000 messages of 32
//    bytes to a player of the host as fast as NetSendMessage takes them; the
//    host counts from its go message to the last one received.
// 2. The round trip of NetPlayerCount from the joined program (a query to
//    the host and its reply), 1000 times: median, 90th percentile, minimum.
//
// Run a release build: build/bench/bench/net/net_game_bench [PORT]

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "net/net_game.h"
#include "net/net_game_commands.h"
#include "net/net_game_shutdown.h"
#include "net/sockets.h"
#include "runtime/process_object.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kMessages = 100000;
constexpr int kQueries = 1000;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Waits for a message to the player; empty after 30 s.
vdr::RuntimeString Await(int32_t player) {
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  vdr::RuntimeString text;
  while ((text = vdr::NetGetMessage(player)).empty() && Clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return text;
}

int Join(int port) {
  if (vdr::NetJoinGame("127.0.0.1", port) != 1) return 1;
  const int32_t me = vdr::NetCreatePlayer("sender");
  if (me == 0 || Await(me) != "go") return 1;
  const std::string text(32, 'm');
  for (int i = 0; i < kMessages; ++i) vdr::NetSendMessage(me, vdr::NetLastSender(), text.c_str());

  std::vector<double> trips;
  for (int i = 0; i < kQueries; ++i) {
    const auto start = Clock::now();
    if (vdr::NetPlayerCount() == 0) return 1;
    trips.push_back(MillisecondsSince(start));
  }
  std::sort(trips.begin(), trips.end());
  std::printf("NetPlayerCount round trip, %d queries: median %.3f ms, 90%% %.3f ms, minimum %.3f ms\n", kQueries,
              trips[trips.size() / 2], trips[trips.size() * 9 / 10], trips.front());
  return 0;
}

int Host(const char* self, int port) {
  if (vdr::NetHostGame(port) != 1) return 1;
  const int32_t sink = vdr::NetCreatePlayer("sink");
  const std::string portText = std::to_string(port);
  std::vector<char*> argv{const_cast<char*>(self), const_cast<char*>("join"), const_cast<char*>(portText.c_str()),
                          nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, self, nullptr, nullptr, argv.data(), environ) != 0) return 1;

  int32_t sender = 0;
  const auto joinDeadline = Clock::now() + std::chrono::seconds(30);
  while (sender == 0 && Clock::now() < joinDeadline) {
    sender = vdr::NetPlayerId(1);
    if (sender == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  int received = 0;
  if (sender != 0) {
    const auto start = Clock::now();
    vdr::NetSendMessage(sink, sender, "go");
    while (received < kMessages && !Await(sink).empty()) ++received;
    const double ms = MillisecondsSince(start);
    std::printf("%d messages of 32 bytes between two processes: %.0f ms, %.0f messages per second\n", received, ms,
                received / ms * 1000.0);
    std::fflush(stdout);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return received == kMessages && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  vdr::ProcessObject<vdr::Sockets> sockets;
  vdr::ProcessObject<vdr::NetGame> game;
  const bool joining = argc > 2 && std::string(argv[1]) == "join";
  const int port = joining ? std::atoi(argv[2]) : argc > 1 ? std::atoi(argv[1]) : 27911;
  const int code = joining ? Join(port) : Host(argv[0], port);
  vdr::ShutDownNetGame();
  return code;
}
