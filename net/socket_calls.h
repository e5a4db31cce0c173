#pragma once
// The POSIX socket calls behind the socket commands, one small function each.
// Sockets are IPv4, close-on-exec, and sends never raise SIGPIPE. Functions
// that fail return -1 (or false) and leave the reason in errno; Resolve
// returns its error code itself.

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "net/socket_table.h"

namespace vdr::socket_calls {

int OpenStream();
int OpenDatagram();
bool SetReuseAddress(int fd);
bool SetBroadcast(int fd);
bool SetNonBlocking(int fd, bool nonBlocking);
// Binds to every local address on the port.
bool BindAny(int fd, uint16_t port);
bool Listen(int fd, int backlog);
// A pending connection (non-blocking, close-on-exec) and its peer, or -1.
int Accept(int fd, SocketAddress& peer);

// Starts connecting; 0 when connected at once.
int StartConnect(int fd, SocketAddress target);
enum class ConnectWait { kConnected, kTimedOut, kRefused, kFailed };
// Waits up to `milliseconds` for a started connect to finish. kRefused: the
// connect failed, its reason in errno; kFailed: the wait itself failed.
ConnectWait FinishConnect(int fd, int milliseconds);

ssize_t Send(int fd, const char* bytes, size_t count);
ssize_t SendTo(int fd, const char* bytes, size_t count, SocketAddress target);
ssize_t Receive(int fd, char* bytes, size_t count);
// Waits until the socket can take more bytes; false when the wait fails.
bool WaitWritable(int fd);
// Waits up to `milliseconds` for bytes (or the end) to arrive.
void WaitReadable(int fd, int milliseconds);
// Waits up to `milliseconds` for bytes (or the end) on any of the sockets.
void WaitAnyReadable(const std::vector<int>& fds, int milliseconds);

// A stream socket: lingering off, both directions shut down, closed; true
// when the close succeeded.
bool CloseStream(int fd);
void CloseDatagram(int fd);

// The first IPv4 address of a host name or dotted address; 0 or a socket
// error code (net/socket_errors.h).
int32_t Resolve(const char* name, uint32_t& ip);
// The IPv4 addresses of this machine's network interfaces, in their order.
std::vector<uint32_t> InterfaceAddresses();

}  // namespace vdr::socket_calls
