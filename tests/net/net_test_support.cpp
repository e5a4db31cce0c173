#include "tests/net/net_test_support.h"

#include <chrono>
#include <random>
#include <thread>

#include "net/socket_commands.h"
#include "net/sockets.h"

namespace vdr::test {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(10);

}  // namespace

void SocketTest::SetUp() {
  ASSERT_EQ(SocketLayer().Uses(), 0);
  ASSERT_EQ(SocketInit(), 1);
}

void SocketTest::TearDown() {
  while (SocketLayer().Uses() > 0) SocketShutdown();
}

int32_t ListenOnFreePort(uint16_t& port) {
  // Below the ephemeral range, so no outgoing connection holds the port.
  std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<int> pick(20000, 32000);
  for (int attempt = 0; attempt < 200; ++attempt) {
    port = static_cast<uint16_t>(pick(random));
    const int32_t handle = TcpListen(port);
    if (handle >= 0) return handle;
  }
  return -1;
}

uint16_t ClosedPort() {
  SocketLayer().Init();
  uint16_t port = 0;
  SocketClose(ListenOnFreePort(port));
  SocketLayer().Shutdown();
  return port;
}

int32_t AcceptWithin(int32_t listener, int32_t& peer) {
  const auto deadline = Clock::now() + kPatience;
  for (;;) {
    const int32_t handle = TcpAccept(listener, peer);
    if (handle >= 0 || Clock::now() > deadline) return handle;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

int32_t ReceiveWithin(int32_t handle, RuntimeString& text, int32_t maxLength) {
  const auto deadline = Clock::now() + kPatience;
  for (;;) {
    const int32_t received = SocketReceive(handle, text, maxLength);
    if (received != Sockets::kNothing || Clock::now() > deadline) return received;
    SocketLayer().WaitReceivable(handle, 10);
  }
}

Connection ConnectOnLoopback() {
  Connection connection;
  uint16_t port = 0;
  connection.listener = ListenOnFreePort(port);
  connection.client = TcpConnect("127.0.0.1", port, 5000);
  int32_t peer = 0;
  connection.server = AcceptWithin(connection.listener, peer);
  return connection;
}

}  // namespace vdr::test
