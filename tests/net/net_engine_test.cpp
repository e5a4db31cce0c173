// The shutdown sequence releases the socket library however many uses a
// program left open, closing its sockets.

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/engine_state.h"
#include "net/socket_commands.h"
#include "net/sockets.h"
#include "tests/net/net_test_support.h"
#include "tests/support/engine_harness.h"

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

}  // namespace
}  // namespace vdr
