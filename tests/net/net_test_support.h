#pragma once
// Shared pieces of the socket tests: a fixture that starts the socket
// library and ends every use it left, and waits on real sockets.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "runtime/runtime_string.h"

namespace vdr::test {

// Each test starts with one use of the socket library and ends with none.
class SocketTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// TcpListen on a port that is free now; the handle, with the port.
int32_t ListenOnFreePort(uint16_t& port);
// A port nothing listens on (found with a use of the socket library of its own).
uint16_t ClosedPort();
// TcpAccept until a connection comes (10 s at most); the handle or -1.
int32_t AcceptWithin(int32_t listener, int32_t& peer);
// SocketReceive until something other than "nothing waiting" (10 s at most).
int32_t ReceiveWithin(int32_t handle, RuntimeString& text, int32_t maxLength);

struct Connection {
  int32_t listener = -1;
  int32_t client = -1;
  int32_t server = -1;  // the accepted end
};
Connection ConnectOnLoopback();

}  // namespace vdr::test
