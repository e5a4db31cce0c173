// A program that joins a network game for the network-game tests, run as a
// process of its own. It reports through files: "<report>" gets its players'
// ids once they exist, "<report>.done" its outcome, each written whole.
//
//   net_game_peer leave PORT REPORT NAME...
//       creates the named players, reports their ids and ends.
//   net_game_peer late PORT REPORT
//       reports "joined", waits for the file "REPORT.go", then creates a
//       player and reports "<id> <milliseconds it took>".
//   net_game_peer chat PORT REPORT NAME SINK SEND EXPECT
//       creates NAME, sends SEND messages "NAME seq" to player SINK, then
//       waits for EXPECT messages "seq" from SINK, in order; reports "ok" or
//       what went wrong.
//   net_game_peer echo PORT REPORT NAME
//       creates NAME and sends every message back to its sender until one
//       says "quit" or the game ends.
// Every mode ends the way a program does: the leaves of its players, then
// the end of the game.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "net/net_game.h"
#include "net/net_game_commands.h"
#include "net/net_game_shutdown.h"
#include "net/sockets.h"
#include "runtime/process_object.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(120);

void Report(const std::string& path, const std::string& text) {
  const std::string part = path + ".part";
  std::ofstream(part) << text << '\n';
  std::rename(part.c_str(), path.c_str());
}

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

void Pause() { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }

int Chat(const std::string& report, const std::string& name, int sink, int send, int expect) {
  const int32_t me = vdr::NetCreatePlayer(name.c_str());
  if (me == 0) {
    Report(report + ".done", "no id");
    return 1;
  }
  Report(report, std::to_string(me));
  for (int i = 0; i < send; ++i) {
    if (vdr::NetSendMessage(me, sink, (name + ' ' + std::to_string(i)).c_str()) != 1) {
      Report(report + ".done", "send " + std::to_string(i) + " failed");
      return 1;
    }
  }
  const auto deadline = Clock::now() + kPatience;
  for (int next = 0; next < expect;) {
    const vdr::RuntimeString text = vdr::NetGetMessage(me);
    if (text.empty()) {
      if (Clock::now() > deadline) {
        Report(report + ".done", "timed out after " + std::to_string(next));
        return 1;
      }
      Pause();
      continue;
    }
    if (vdr::NetLastSender() != sink || text.view() != std::to_string(next)) {
      Report(report + ".done", "message " + std::to_string(next) + " was \"" + text.c_str() + "\" from " +
                                   std::to_string(vdr::NetLastSender()));
      return 1;
    }
    ++next;
  }
  Report(report + ".done", "ok");
  return 0;
}

int Echo(const std::string& report, const std::string& name) {
  const int32_t me = vdr::NetCreatePlayer(name.c_str());
  if (me == 0) return 1;
  Report(report, std::to_string(me));
  const auto deadline = Clock::now() + kPatience;
  while (vdr::NetIsRunning() == 1 && Clock::now() < deadline) {
    const vdr::RuntimeString text = vdr::NetGetMessage(me);
    if (text == "quit") break;
    if (text.empty()) {
      Pause();
    } else {
      vdr::NetSendMessage(me, vdr::NetLastSender(), text);
    }
  }
  return 0;
}

int Run(int argc, char** argv) {
  if (argc < 4) return 2;
  const std::string mode = argv[1];
  const std::string report = argv[3];
  if (vdr::NetJoinGame("127.0.0.1", std::atoi(argv[2])) != 1) {
    Report(report + ".done", "no join");
    return 1;
  }
  if (mode == "leave") {
    std::string ids;
    for (int i = 4; i < argc; ++i) ids += std::to_string(vdr::NetCreatePlayer(argv[i])) + ' ';
    Report(report, ids);
    return 0;
  }
  if (mode == "late") {
    Report(report, "joined");
    const auto deadline = Clock::now() + kPatience;
    while (!Exists(report + ".go") && Clock::now() < deadline) Pause();
    const auto start = Clock::now();
    const int32_t id = vdr::NetCreatePlayer("late");
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    Report(report + ".done", std::to_string(id) + ' ' + std::to_string(took));
    return 0;
  }
  if (mode == "chat" && argc == 8) return Chat(report, argv[4], std::atoi(argv[5]), std::atoi(argv[6]), std::atoi(argv[7]));
  if (mode == "echo" && argc == 5) return Echo(report, argv[4]);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  vdr::ProcessObject<vdr::Sockets> sockets;
  vdr::ProcessObject<vdr::NetGame> game;
  const int code = Run(argc, argv);
  vdr::ShutDownNetGame();
  return code;
}
