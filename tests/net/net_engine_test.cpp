// The shutdown sequence ends a network game left running, and releases the
// socket library however many uses a program left open, closing its sockets.

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/engine_state.h"
#include "net/net_game.h"
#include "net/net_game_commands.h"
#include "net/socket_commands.h"
#include "net/sockets.h"
#include "tests/net/net_test_support.h"
#include "tests/support/engine_harness.h"
#include "tests/support/process_threads.h"

namespace vdr {
namespace {

TEST(NetEngineTest, ShutdownClosesTheSocketsAProgramLeftOpen) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        test::StartEngine();
        for (int i = 0; i < 5; ++i) SocketInit();
        const test::Connection c = test::ConnectOnLoopback();
        const int32_t udp = UdpOpen(0);
        const bool opened = c.client >= 0 && c.server >= 0 && udp >= 0;
        EngineShutdown();
        const bool released = SocketLayer().Uses() == 0 && SocketClose(c.client) == 0 && SocketClose(udp) == 0;
        std::_Exit(opened && released ? 0 : 3);
      },
      testing::ExitedWithCode(0), "");
}

TEST(NetEngineTest, ShutdownEndsTheNetworkGameAndItsThread) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const uint16_t port = test::ClosedPort();
  EXPECT_EXIT(
      {
        test::StartEngine();
        const bool hosted = NetHostGame(port) == 1 && NetCreatePlayer("a") == 101 && NetIsRunning() == 1;
        EngineShutdown();
        const bool ended = !IsRegistered<NetGame>() && SocketLayer().Uses() == 0 && test::OtherThreads().empty();
        std::_Exit(hosted && ended ? 0 : 3);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vdr
