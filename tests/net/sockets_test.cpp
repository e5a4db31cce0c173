// The socket commands on real loopback sockets.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <string>
#include <thread>
#include <vector>

#include "net/socket_commands.h"
#include "net/socket_errors.h"
#include "net/sockets.h"
#include "net/web_download.h"
#include "tests/net/net_test_support.h"

namespace vdr {
namespace {

using test::Connection;
using test::ConnectOnLoopback;
using test::ReceiveWithin;
using test::SocketTest;

int32_t LastError() { return SocketLayer().LastError(); }

TEST_F(SocketTest, ConnectingToAPortNobodyListensOnIsRefused) {
  const uint16_t port = test::ClosedPort();
  testing::internal::CaptureStdout();
  EXPECT_EQ(TcpConnect("127.0.0.1", port, 0), -1);
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(LastError(), 10061);
  EXPECT_TRUE(printed.empty() || printed == "\nSelect() Error.") << printed;
  EXPECT_EQ(SocketErrorText(), ("10061 " + SocketErrorMessage(10061)).c_str());
  EXPECT_EQ(SocketClose(0), 0) << "the failed connect keeps no entry";
}

TEST_F(SocketTest, AConnectThatIsNotAnsweredTimesOut) {
  // A listener nobody accepts from answers connects only until its backlog
  // is full; after that a connect is not answered.
  uint16_t port = 0;
  ASSERT_GE(test::ListenOnFreePort(port), 0);
  std::string printed;
  int32_t handle = 0;
  for (int attempt = 0; attempt < 64 && handle >= 0; ++attempt) {
    testing::internal::CaptureStdout();
    handle = TcpConnect("127.0.0.1", port, 300);
    printed = testing::internal::GetCapturedStdout();
    if (handle >= 0) {
      EXPECT_TRUE(printed.empty() || printed == "\nConnected...") << printed;
    }
  }
  ASSERT_EQ(handle, -1);
  EXPECT_EQ(printed, "\nConnect Timeout (300 ms).");
  EXPECT_EQ(LastError(), kSocketInProgress);
}

TEST_F(SocketTest, ReceiveGivesNothingWaitingThenTheBytesThenTheEnd) {
  const Connection c = ConnectOnLoopback();
  ASSERT_GE(c.client, 0);
  ASSERT_GE(c.server, 0);
  RuntimeString text = "left over";
  EXPECT_EQ(SocketReceive(c.client, text, 100), -2);
  EXPECT_EQ(text, "");
  EXPECT_EQ(LastError(), kSocketWouldBlock);

  EXPECT_EQ(SocketSend(c.server, RuntimeString("hello\0world", 11)), 11);
  EXPECT_EQ(SocketSend(c.server, ""), 0);
  EXPECT_EQ(ReceiveWithin(c.client, text, 7), 7);
  EXPECT_EQ(text.view(), std::string_view("hello\0w", 7));
  EXPECT_EQ(ReceiveWithin(c.client, text, 100), 4);
  EXPECT_EQ(text, "orld");

  EXPECT_EQ(SocketClose(c.server), 1);
  EXPECT_EQ(ReceiveWithin(c.client, text, 100), 0);
  EXPECT_EQ(text, "");
  EXPECT_EQ(SocketClose(c.client), 1);
  EXPECT_EQ(SocketClose(c.client), 0);
}

TEST_F(SocketTest, AcceptGivesThePeerAddressWithItsFirstOctetLowest) {
  uint16_t port = 0;
  const int32_t listener = test::ListenOnFreePort(port);
  int32_t peer = 0;
  EXPECT_EQ(TcpAccept(listener, peer), -1);
  EXPECT_EQ(LastError(), kSocketWouldBlock);
  ASSERT_GE(TcpConnect("127.0.0.1", port, 5000), 0);
  ASSERT_GE(TcpConnect("127.0.0.1", port, 5000), 0);
  EXPECT_GE(test::AcceptWithin(listener, peer), 0);
  EXPECT_EQ(peer, 0x0100007F);
  double peerNumber = 0;
  int32_t second = -1;
  for (int attempt = 0; attempt < 1000 && second < 0; ++attempt) {
    SocketLayer().WaitReceivable(listener, 10);
    second = TcpAccept(listener, peerNumber);
  }
  EXPECT_GE(second, 0);
  EXPECT_EQ(peerNumber, 0x0100007F);

  const int32_t udp = UdpOpen(0);
  EXPECT_EQ(TcpAccept(udp, peer), -1);
  EXPECT_EQ(LastError(), 0);
}

TEST_F(SocketTest, AWriteToAConnectionThePeerClosedFailsWithTheResetCode) {
  const Connection c = ConnectOnLoopback();
  ASSERT_GE(c.server, 0);
  EXPECT_EQ(SocketClose(c.server), 1);
  // The first write may still go out; the peer's answer to it ends the
  // connection, and the program is not stopped by a signal.
  int32_t sent = 0;
  for (int attempt = 0; attempt < 1000 && sent >= 0; ++attempt) {
    sent = SocketSend(c.client, "are you there?");
    if (sent >= 0) SocketLayer().WaitReceivable(c.client, 10);
  }
  EXPECT_EQ(sent, -1);
  EXPECT_EQ(LastError(), kSocketReset);
}

TEST_F(SocketTest, LargeSendsWaitForTheReaderOnAnotherThread) {
  const Connection c = ConnectOnLoopback();
  ASSERT_GE(c.server, 0);
  std::string sent(8 << 20, '\0');
  for (size_t i = 0; i < sent.size(); ++i) sent[i] = static_cast<char>(i * 7 + i / 4096);
  std::string received;
  std::thread reader([&] {
    RuntimeString piece;
    while (received.size() < sent.size() && ReceiveWithin(c.server, piece, 65536) > 0) received += piece.view();
  });
  EXPECT_EQ(SocketSend(c.client, RuntimeString(sent.data(), static_cast<uint32_t>(sent.size()))),
            static_cast<int32_t>(sent.size()));
  reader.join();
  EXPECT_TRUE(received == sent);
}

TEST_F(SocketTest, UdpDatagramsNeedADestination) {
  const uint16_t port = test::ClosedPort();
  const int32_t receiver = UdpOpen(port);
  ASSERT_GE(receiver, 0);
  const int32_t sender = UdpOpen(0);
  ASSERT_GE(sender, 0);
  EXPECT_EQ(UdpSendTo(sender, "ping", 0x7F000001, port), 4);
  RuntimeString text;
  EXPECT_EQ(ReceiveWithin(receiver, text, 100), 4);
  EXPECT_EQ(text, "ping");
  EXPECT_EQ(UdpSendTo(sender, "", 0x7F000001, port), 0);
  EXPECT_EQ(UdpSendTo(sender, "x", 0, 0), -1);
  EXPECT_EQ(SocketSend(sender, "x"), -1);
  EXPECT_EQ(SocketReceive(receiver, text, 100), -2);
  EXPECT_EQ(SocketClose(sender), 1);
}

TEST_F(SocketTest, The1025thSocketFindsTheTableFull) {
  rlimit files{};
  getrlimit(RLIMIT_NOFILE, &files);
  if (files.rlim_cur < 1100 && files.rlim_max >= 1100) {
    files.rlim_cur = 1100;
    setrlimit(RLIMIT_NOFILE, &files);
  }
  for (int32_t i = 0; i < 1024; ++i) ASSERT_EQ(UdpOpen(0), i) << SocketErrorText().c_str();
  EXPECT_EQ(UdpOpen(0), -1);
  EXPECT_EQ(LastError(), kSocketTableFull);
  EXPECT_EQ(TcpListen(0), -1);
  EXPECT_EQ(TcpConnect("127.0.0.1", 1, 1000), -1);
  EXPECT_EQ(LastError(), kSocketTableFull);
  EXPECT_EQ(SocketClose(700), 1);
  EXPECT_EQ(UdpOpen(0), 700);
}

TEST_F(SocketTest, AddressesAndNames) {
  EXPECT_EQ(IpToString(0x7F000001), "127.0.0.1");
  EXPECT_EQ(IpToString(static_cast<int32_t>(0xC0A80101)), "192.168.1.1");
  EXPECT_EQ(HostToIp("127.0.0.1"), 0x7F000001);
  EXPECT_EQ(HostToIp("localhost"), 0x7F000001);
  EXPECT_EQ(HostToIp("0.0.0.0"), -1);
  // An empty name is this machine: its first listed address, or loopback.
  const std::string list = LocalIpList().c_str();
  EXPECT_EQ(list.find("127."), std::string::npos) << list;
  const std::string first = list.substr(0, list.find('|'));
  EXPECT_EQ(HostToIp(""), first.empty() ? 0x7F000001 : HostToIp(first.c_str()));
  EXPECT_EQ(SocketLayer().Uses(), 1) << "LocalIpList gives back the use it takes";
}

TEST_F(SocketTest, SocketsStayOpenUntilTheLastShutdown) {
  ASSERT_EQ(SocketInit(), 1);
  const Connection c = ConnectOnLoopback();
  ASSERT_GE(c.server, 0);
  EXPECT_EQ(SocketShutdown(), 1);
  EXPECT_EQ(SocketSend(c.client, "still here"), 10);
  RuntimeString text;
  EXPECT_EQ(ReceiveWithin(c.server, text, 100), 10);
  SocketLayer().SetLastError(1234);
  EXPECT_EQ(SocketShutdown(), 1234) << "the last shutdown gives the last error";
  EXPECT_EQ(SocketLayer().Uses(), 0);
  EXPECT_EQ(SocketClose(c.client), 0);
  EXPECT_EQ(SocketClose(c.server), 0);
  EXPECT_EQ(SocketClose(c.listener), 0);
}

TEST_F(SocketTest, HandlesThatNameNoOpenSocketFail) {
  RuntimeString text = "x";
  for (const double handle : {-1.0, 3.0, 1024.0, 1e12}) {
    EXPECT_EQ(SocketSend(handle, "x"), -1);
    EXPECT_EQ(LastError(), kSocketNotSocket);
    EXPECT_EQ(SocketReceive(handle, text, 10), -1);
    EXPECT_EQ(text, "");
    EXPECT_EQ(SocketClose(handle), 0);
  }
  const Connection c = ConnectOnLoopback();
  EXPECT_EQ(SocketReceive(c.client, text, -1), -1);
  EXPECT_EQ(LastError(), kSocketInvalidArgument);
}

TEST(SocketLibraryTest, WithoutAUseTheLibraryIsNotStarted) {
  ASSERT_EQ(SocketLayer().Uses(), 0);
  EXPECT_EQ(TcpListen(0), -1);
  EXPECT_EQ(LastError(), kSocketNotInitialised);
  EXPECT_EQ(UdpOpen(0), -1);
  EXPECT_EQ(TcpConnect("127.0.0.1", 80, 100), -1);
  EXPECT_EQ(HostToIp("127.0.0.1"), -1);
  EXPECT_EQ(SocketErrorText(), ("10093 " + SocketErrorMessage(10093)).c_str());
  EXPECT_EQ(SocketShutdown(), kSocketNotInitialised) << "a shutdown too many is harmless";
  EXPECT_EQ(SocketLayer().Uses(), 0);
}

TEST(SocketLibraryTest, OnlySocketInitMarksTheNetworkInUse) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        const bool before = NetworkInUse();
        WebGetText("127.0.0.1", "/", test::ClosedPort(), 10, 1000);
        const bool afterDownload = NetworkInUse();
        SocketInit();
        std::_Exit(!before && !afterDownload && NetworkInUse() ? 0 : 3);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vdr
