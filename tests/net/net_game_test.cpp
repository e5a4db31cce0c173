// Network games between real programs on loopback: this test process hosts
// (or raw-socket clients of its own speak to the host), and the joining
// programs are tests/net/net_game_peer processes.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "net/net_game.h"
#include "net/net_game_commands.h"
#include "net/net_message.h"
#include "net/socket_commands.h"
#include "net/sockets.h"
#include "net/state_lock.h"
#include "runtime/process_object.h"
#include "tests/net/net_test_support.h"

extern char** environ;

namespace vdr {
namespace {

using Clock = std::chrono::steady_clock;

// Polls the condition every millisecond; false once `seconds` have passed.
bool WaitUntil(const std::function<bool()>& condition, double seconds = 60) {
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  while (!condition()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  std::string content = text.str();
  while (!content.empty() && content.back() == '\n') content.pop_back();
  return content;
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// One net_game_peer process; killed if it is still running at the end.
class Peer {
 public:
  explicit Peer(const std::vector<std::string>& arguments) {
    std::vector<std::string> all{NET_GAME_PEER};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all) argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, NET_GAME_PEER, nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
  }
  ~Peer() {
    if (pid_ > 0 && exitCode_ < 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;

  // The exit code, or -1 when it has not ended within `seconds`.
  int WaitForExit(double seconds = 120) {
    WaitUntil([this] { return Ended(); }, seconds);
    return exitCode_;
  }
  bool Ended() {
    int status = 0;
    if (exitCode_ < 0 && pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_) {
      exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    return exitCode_ >= 0 || pid_ < 0;
  }

 private:
  pid_t pid_ = -1;
  int exitCode_ = -1;
};

// Each test has a network game of its own in this process, a free port and
// a folder for the peers' reports.
class NetGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SocketLayer().Uses(), 0);
    game_ = std::make_unique<ProcessObject<NetGame>>();
    port_ = test::ClosedPort();
    folder_ = std::filesystem::temp_directory_path() /
              ("net_game_test_" + std::to_string(getpid()) + "_" + std::to_string(port_));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    game_.reset();
    EXPECT_EQ(SocketLayer().Uses(), 0) << "the game gave back its use of the socket library";
    while (SocketLayer().Uses() > 0) SocketShutdown();
    std::filesystem::remove_all(folder_);
  }
  std::string Report(const std::string& name) const { return (folder_ / name).string(); }
  // Waits for a peer's report and gives its text.
  std::string AwaitReport(const std::string& path, Peer& peer, double seconds = 60) {
    WaitUntil([&] { return Exists(path) || (peer.Ended() && !Exists(path)); }, seconds);
    return ReadFile(path);
  }

  std::unique_ptr<ProcessObject<NetGame>> game_;
  uint16_t port_ = 0;
  std::filesystem::path folder_;
};

TEST_F(NetGameTest, IdsStartAt101AndAgainAfterANewHost) {
  ASSERT_EQ(NetHostGame(port_), 1);
  EXPECT_EQ(NetIsRunning(), 1);
  EXPECT_EQ(NetCreatePlayer("a"), 101);
  EXPECT_EQ(NetCreatePlayer("b"), 102);
  EXPECT_EQ(NetPlayerName(102), "b");
  EXPECT_EQ(NetPlayerName(4242), "NO_DATA");
  EXPECT_EQ(NetPlayerCount(), 3) << "a, b and the hidden query player";
  EXPECT_EQ(NetPlayerId(0), 101);
  EXPECT_EQ(NetPlayerId(1), 102);
  EXPECT_EQ(NetPlayerId(2), 0) << "the query player is not visible";
  NetEndGame();
  EXPECT_EQ(NetIsRunning(), 0);
  EXPECT_EQ(SocketLayer().Uses(), 0);

  ASSERT_EQ(NetHostGame(port_), 1);
  EXPECT_EQ(NetCreatePlayer("c"), 101);
  EXPECT_EQ(NetPlayerName(101), "c");
}

TEST_F(NetGameTest, PortZeroIsTheDefaultPort) {
  // Another copy of the suite, run at the same time, may hold the port for
  // the moment its own test of it takes.
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  while (NetHostGame(0) != 1 && std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  ASSERT_EQ(NetIsRunning(), 1);
  Peer peer({"leave", "0", Report("peer"), "x"});
  EXPECT_NE(AwaitReport(Report("peer"), peer), "");
  EXPECT_EQ(peer.WaitForExit(), 0) << ReadFile(Report("peer.done"));
}

TEST_F(NetGameTest, AMessageToEveryoneReachesEveryOtherVisiblePlayer) {
  ASSERT_EQ(NetHostGame(port_), 1);
  const int32_t a = NetCreatePlayer("a"), b = NetCreatePlayer("b"), c = NetCreatePlayer("c");
  ASSERT_EQ(NetSendMessage(a, 0, "to all"), 1);
  ASSERT_EQ(NetSendMessage(b, c, "to c"), 1);
  RuntimeString text;
  ASSERT_TRUE(WaitUntil([&] { return (text = NetGetMessage(b)) != ""; }));
  EXPECT_EQ(text, "to all");
  EXPECT_EQ(NetLastSender(), a);
  ASSERT_TRUE(WaitUntil([&] { return (text = NetGetMessage(c)) != ""; }));
  EXPECT_EQ(text, "to all");
  ASSERT_TRUE(WaitUntil([&] { return (text = NetGetMessage(c)) != ""; }));
  EXPECT_EQ(text, "to c");
  EXPECT_EQ(NetLastSender(), b);
  // A message that follows shows that nothing more came for a or b.
  ASSERT_EQ(NetSendMessage(c, a, "last"), 1);
  ASSERT_TRUE(WaitUntil([&] { return (text = NetGetMessage(a)) != ""; }));
  EXPECT_EQ(text, "last") << "the sender does not get its own message";
  EXPECT_EQ(NetGetMessage(b), "");
}

TEST_F(NetGameTest, ATextAbove1024BytesIsNotSent) {
  ASSERT_EQ(NetHostGame(port_), 1);
  const int32_t a = NetCreatePlayer("a"), b = NetCreatePlayer("b");
  const std::string longest(kNetMaxPayload, 'x');
  EXPECT_EQ(NetSendMessage(a, b, (longest + "y").c_str()), 0);
  EXPECT_EQ(NetSendMessage(a, b, longest.c_str()), 1);
  RuntimeString text;
  ASSERT_TRUE(WaitUntil([&] { return (text = NetGetMessage(b)) != ""; }));
  EXPECT_EQ(text.view(), longest);
}

TEST_F(NetGameTest, TheStateLockReportsItsCodes) {
  StateLock& lock = NetGameLayer().Lock();
  ASSERT_EQ(lock.Lock(), 0);
  EXPECT_EQ(lock.Lock(), kLockWouldDeadlock);
  int32_t fromAnotherThread = -1;
  std::thread([&] { fromAnotherThread = lock.Unlock(); }).join();
  EXPECT_EQ(fromAnotherThread, kLockNotOwner);
  EXPECT_EQ(lock.Unlock(), 0);
  StateLock absent;
  EXPECT_EQ(absent.Lock(), kLockAbsent);
  EXPECT_EQ(absent.Unlock(), kLockAbsent);
}

TEST_F(NetGameTest, AProgramThatEndsLeavesEachOfItsPlayersOnce) {
  ASSERT_EQ(NetHostGame(port_), 1);
  ASSERT_EQ(NetCreatePlayer("host"), 101);
  Peer peer({"leave", std::to_string(port_), Report("peer"), "p", "q"});
  ASSERT_EQ(peer.WaitForExit(), 0) << ReadFile(Report("peer.done"));
  std::istringstream ids(ReadFile(Report("peer")));
  std::multiset<int32_t> expected{102};  // the peer's query player came first
  for (int32_t id = 0; ids >> id;) expected.insert(id);
  ASSERT_EQ(expected, (std::multiset<int32_t>{102, 103, 104}));

  std::multiset<int32_t> left;
  ASSERT_TRUE(WaitUntil([&] {
    if (const int32_t id = NetLeftPlayer()) left.insert(id);
    return left.size() >= expected.size();
  }));
  EXPECT_EQ(left, expected);
  // Once more, after the connection has surely been seen closed.
  EXPECT_EQ(NetPlayerName(103), "NO_DATA");
  EXPECT_EQ(NetLeftPlayer(), 0);
}

TEST_F(NetGameTest, AJoinRequestAfterAllowJoinZeroGoesUnanswered) {
  ASSERT_EQ(NetHostGame(port_), 1);
  Peer peer({"late", std::to_string(port_), Report("peer")});
  ASSERT_EQ(AwaitReport(Report("peer"), peer), "joined");
  NetAllowJoin(0);
  std::ofstream(Report("peer.go")) << "go\n";
  ASSERT_EQ(peer.WaitForExit(), 0);
  int32_t id = -1;
  int64_t took = 0;
  std::istringstream(ReadFile(Report("peer.done"))) >> id >> took;
  EXPECT_EQ(id, 0);
  EXPECT_GE(took, 4900);
  EXPECT_LT(took, 30000);
}

// Three programs join; the first sends a little and leaves while the other
// two go on, so the host packs its client array; then the host sends to the
// two that are left, one of them moved into the first one's place.
TEST_F(NetGameTest, TenThousandMessagesArriveInOrderWhileAClientLeaves) {
  constexpr int kFromFirst = 1000, kFromOthers = 4000, kToEach = 500;
  ASSERT_EQ(NetHostGame(port_), 1);
  const int32_t sink = NetCreatePlayer("sink");
  ASSERT_EQ(sink, 101);
  const std::string port = std::to_string(port_);
  const std::vector<std::string> names{"A", "B", "C"};
  std::vector<std::unique_ptr<Peer>> peers;
  std::map<int32_t, std::string> nameOf;
  for (const std::string& name : names) {
    // One after the other, so that they connect in this order.
    const bool first = name == "A";
    peers.push_back(std::make_unique<Peer>(std::vector<std::string>{
        "chat", port, Report(name), name, "101", std::to_string(first ? kFromFirst : kFromOthers),
        std::to_string(first ? 0 : kToEach)}));
    const std::string id = AwaitReport(Report(name), *peers.back());
    ASSERT_NE(id, "") << ReadFile(Report(name + ".done"));
    nameOf[std::stoi(id)] = name;
  }

  std::map<std::string, int> next;
  bool orderKept = true;
  std::string firstFault;
  int received = 0;
  const auto takeAll = [&] {
    for (RuntimeString text; (text = NetGetMessage(sink)) != "";) {
      ++received;
      const std::string message = text.c_str();
      const std::string name = message.substr(0, message.find(' '));
      const std::string expected = name + ' ' + std::to_string(next[name]++);
      if (message != expected || nameOf[NetLastSender()] != name) {
        if (orderKept) firstFault = message + " from " + std::to_string(NetLastSender()) + ", wanted " + expected;
        orderKept = false;
      }
    }
  };
  std::set<int32_t> left;
  ASSERT_TRUE(WaitUntil(
      [&] {
        takeAll();
        if (const int32_t id = NetLeftPlayer()) left.insert(id);
        return left.count(nameOf.begin()->first) == 1 && peers[0]->Ended();
      },
      120))
      << "the first client left";
  EXPECT_EQ(peers[0]->WaitForExit(), 0);

  for (int i = 0; i < kToEach; ++i) {
    for (const auto& [id, name] : nameOf) {
      if (name == "A") continue;
      ASSERT_EQ(NetSendMessage(sink, id, std::to_string(i).c_str()), 1);
    }
  }
  EXPECT_TRUE(WaitUntil(
      [&] {
        takeAll();
        return received >= kFromFirst + 2 * kFromOthers;
      },
      120));
  EXPECT_EQ(received, kFromFirst + 2 * kFromOthers);
  EXPECT_TRUE(orderKept) << firstFault;
  EXPECT_EQ(next["A"], kFromFirst);
  EXPECT_EQ(next["B"], kFromOthers);
  EXPECT_EQ(next["C"], kFromOthers);
  for (size_t i = 1; i < peers.size(); ++i) {
    EXPECT_EQ(peers[i]->WaitForExit(), 0) << names[i] << ": " << ReadFile(Report(names[i] + ".done"));
    EXPECT_EQ(ReadFile(Report(names[i] + ".done")), "ok");
  }
}

// A client of the test's own that writes raw bytes to the host.
class RawClient {
 public:
  explicit RawClient(uint16_t port) : handle_(TcpConnect("127.0.0.1", port, 5000)) {}
  ~RawClient() {
    if (handle_ >= 0) SocketClose(handle_);
  }
  bool Connected() const { return handle_ >= 0; }
  bool Write(const std::string& bytes) {
    return SocketLayer().Send(handle_, bytes.data(), bytes.size(), nullptr) == static_cast<int32_t>(bytes.size());
  }
  bool Send(const NetMessage& message) { return Write(EncodeMessage(message)); }
  // The next whole message, or nothing when the host closed the connection
  // or nothing came within `seconds`.
  std::optional<NetMessage> Read(double seconds = 30) {
    std::optional<NetMessage> message;
    WaitUntil(
        [&] {
          message = reader_.Next();
          if (message || closed_) return true;
          char buffer[2048];
          const int32_t count = SocketLayer().ReceiveOnce(handle_, buffer, sizeof buffer);
          if (count == Sockets::kClosed || count == Sockets::kFailed) closed_ = true;
          if (count > 0) reader_.Append(buffer, static_cast<size_t>(count));
          return false;
        },
        seconds);
    return message;
  }
  // True once the host has closed the connection (waiting up to `seconds`).
  bool ClosedByHost(double seconds = 30) {
    while (Read(seconds)) {
    }
    return closed_;
  }
  // Joins a player; its id, or 0.
  uint16_t Join(const std::string& name) {
    Send({kNetJoin, kNetServer, 0, EncodePlayerRecord({0, 0, name})});
    const std::optional<NetMessage> reply = Read();
    return reply && reply->type == kNetJoined ? reply->to : 0;
  }

 private:
  int32_t handle_;
  NetMessageReader reader_;
  bool closed_ = false;
};

TEST_F(NetGameTest, AHostileClientNeitherCrashesNorStallsTheHost) {
  ASSERT_EQ(NetHostGame(port_), 1);
  const int32_t sink = NetCreatePlayer("sink");
  Peer echo({"echo", std::to_string(port_), Report("echo"), "echo"});
  const std::string echoText = AwaitReport(Report("echo"), echo);
  ASSERT_NE(echoText, "");
  const uint16_t victim = static_cast<uint16_t>(std::stoi(echoText));
  const auto stillServes = [&](const std::string& text) {
    if (NetSendMessage(sink, victim, text.c_str()) != 1) return std::string("not sent");
    RuntimeString answer;
    WaitUntil([&] { return (answer = NetGetMessage(sink)) != ""; }, 30);
    return std::string(answer.c_str());
  };
  ASSERT_EQ(SocketInit(), 1);

  {  // byte by byte, a join and a message still come through whole
    RawClient raw(port_);
    ASSERT_TRUE(raw.Connected());
    const std::string join = EncodeMessage({kNetJoin, kNetServer, 0, EncodePlayerRecord({0, 0, "slow"})});
    for (const char byte : join) ASSERT_TRUE(raw.Write(std::string(1, byte)));
    const std::optional<NetMessage> joined = raw.Read();
    ASSERT_TRUE(joined);
    EXPECT_EQ(joined->type, kNetJoined);
    for (const char byte : EncodeMessage({kNetText, static_cast<uint16_t>(sink), joined->to, "bit by bit"})) {
      ASSERT_TRUE(raw.Write(std::string(1, byte)));
    }
    RuntimeString text;
    ASSERT_TRUE(WaitUntil([&] { return (text = NetGetMessage(sink)) != ""; }));
    EXPECT_EQ(text, "bit by bit");
    EXPECT_EQ(NetLastSender(), joined->to);
  }
  {  // forged from ids: neither a message nor a leave in the victim's name
    RawClient raw(port_);
    ASSERT_NE(raw.Join("forger"), 0);
    ASSERT_TRUE(raw.Send({kNetText, static_cast<uint16_t>(sink), victim, "forged"}));
    ASSERT_TRUE(raw.Send({kNetLeave, kNetServer, victim, {}}));
    ASSERT_TRUE(raw.Send({kNetName, kNetServer, victim, EncodeNumber(victim)}));
    EXPECT_EQ(stillServes("after forgery"), "after forgery");
    EXPECT_EQ(NetPlayerName(victim), "echo");
    EXPECT_EQ(NetGetMessage(sink), "");
  }
  {  // joins without a whole record or without the name's end are dropped
    RawClient raw(port_);
    ASSERT_TRUE(raw.Send({kNetJoin, kNetServer, 0, std::string(147, 'n')}));
    std::string unended = EncodePlayerRecord({0, 0, ""});
    std::fill(unended.begin() + 8, unended.begin() + 136, 'n');
    ASSERT_TRUE(raw.Send({kNetJoin, kNetServer, 0, unended}));
    EXPECT_NE(raw.Join("whole"), 0) << "only the whole join is answered";
  }
  {  // an oversized length closes the connection
    RawClient raw(port_);
    ASSERT_NE(raw.Join("big"), 0);
    ASSERT_TRUE(raw.Write(std::string("\x03\x01\x04\x65\x00\x65\x00", 7) + std::string(1025, 'z')));
    EXPECT_TRUE(raw.ClosedByHost());
  }
  {  // a message cut off by the end of its connection, and garbage
    RawClient cut(port_);
    ASSERT_NE(cut.Join("cut"), 0);
    ASSERT_TRUE(cut.Write(EncodeMessage({kNetText, static_cast<uint16_t>(sink), 0, "cut short"}).substr(0, 10)));
    RawClient garbage(port_);
    std::mt19937 random(19);
    std::string noise(64 * 1024, '\0');
    for (char& byte : noise) byte = static_cast<char>(random());
    garbage.Write(noise);
  }
  EXPECT_EQ(stillServes("after the noise"), "after the noise");
  EXPECT_EQ(NetIsRunning(), 1);

  {  // 128 client connections at most: the host's own and the echo
     // program's are two of them
    std::vector<std::unique_ptr<RawClient>> crowd;
    for (int i = 0; i < 126; ++i) {
      crowd.push_back(std::make_unique<RawClient>(port_));
      ASSERT_NE(crowd.back()->Join("crowd"), 0) << "client " << i;
    }
    RawClient refused(port_);
    EXPECT_TRUE(refused.ClosedByHost());
  }
  EXPECT_EQ(stillServes("after the crowd"), "after the crowd");
  EXPECT_EQ(NetSendMessage(sink, victim, "quit"), 1);
  EXPECT_EQ(echo.WaitForExit(), 0);
  SocketShutdown();  // the raw clients' use
}

}  // namespace
}  // namespace vdr
