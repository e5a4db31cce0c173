#pragma once
// Socket commands as programs call them: numbers are taken as 32-bit integers
// (ToInt; addresses keep all 32 bits) and handed to the socket layer
// (net/sockets.h). Handles are 0..1023; addresses are integers with the first
// octet in the most significant byte, except TcpAccept's peer address.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

// Starts one use of the socket library and marks the network as in use; 1.
int32_t SocketInit();
// Ends one use: the uses left, or, when that was the last, closes every
// socket and returns the last error.
int32_t SocketShutdown();
// Program end: sixteen SocketShutdown calls, so that uses a program left
// open are released too.
void ReleaseSocketLibrary();
// True once SocketInit or LocalIpList (or a network-game command) has run.
bool NetworkInUse();

int32_t TcpListen(double port);
// The peer address comes with its first octet in the least significant byte
// (127.0.0.1 gives 0x0100007F). -1 also when nobody is waiting (error 10035).
int32_t TcpAccept(double handle, int32_t& peer);
int32_t TcpAccept(double handle, double& peer);
// Time-outs at or below 0 or above 30000 ms are taken as 30000 ms.
int32_t TcpConnect(const RuntimeString& host, double port, double timeoutMs);
// Port 0 takes any free port. Broadcasts are allowed.
int32_t UdpOpen(double port);
// Bytes sent, 0 for an empty text, -1 on failure (also for a UDP handle, and
// for a UDP destination of address 0 and port 0). A peer that has gone gives
// -1 with error 10054.
int32_t SocketSend(double handle, const RuntimeString& text);
int32_t UdpSendTo(double handle, const RuntimeString& text, double address, double port);
// Bytes received into `text`; 0 when the peer closed or reset the
// connection; -2 when nothing is waiting; -1 on failure. The text is empty
// unless bytes arrived.
int32_t SocketReceive(double handle, RuntimeString& text, double maxLength);
int32_t SocketClose(double handle);
// The address, or -1 when the name cannot be resolved.
int32_t HostToIp(const RuntimeString& host);
RuntimeString IpToString(double address);
RuntimeString LocalIpList();
// "code message" for the last error, or empty when the system has no message.
RuntimeString SocketErrorText();

}  // namespace vdr
