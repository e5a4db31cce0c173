#pragma once
// Sockets: the runtime's IPv4 TCP and UDP sockets behind small integer
// handles (the index into the socket table, net/socket_table.h). Every socket
// is non-blocking; failures return -1 (or 0 where noted) and leave their
// reason in the last error (net/socket_errors.h). Between SocketInit and the
// matching SocketShutdown the socket library is in use; without a use, the
// operations that need the library fail with kSocketNotInitialised.
//
// Thread safety: any thread may call any operation; opening sockets from
// several threads at once hands out distinct handles, and the use count is
// kept exactly. A handle belongs to the thread that uses it: two threads
// sending or receiving on one handle at once interleave their bytes, and a
// handle closed while another thread still uses it may by then name another
// socket. The last error is process-wide and holds whichever failure came
// last, from any thread. The Shutdown that ends the last use closes every
// open socket, also those another thread works on: stop such threads first.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "net/socket_table.h"

namespace vdr {

class Sockets {
 public:
  static constexpr const char* kProcessObjectName = "the socket layer";
  // Longest connect wait; a time-out at or below 0, or above it, is taken as it.
  static constexpr int32_t kLongestConnectWait = 30000;
  static int32_t ConnectWait(int32_t milliseconds);

  // Marks the network as in use (SocketInit, LocalIpList and the
  // network-game commands do; the web download does not).
  void MarkInUse() { inUse_.store(true, std::memory_order_relaxed); }
  bool InUse() const { return inUse_.load(std::memory_order_relaxed); }

  // One more use of the socket library (without the in-use mark); 1.
  int32_t Init();
  // One use fewer: the remaining count while uses remain; else every open
  // socket is closed, the count is 0 and the last error is returned.
  int32_t Shutdown();
  int32_t Uses() const { return table_.Uses(); }

  int32_t Listen(int32_t port);
  // A pending connection on a listening handle, or -1 (also when none is
  // waiting, with kSocketWouldBlock); `peer` is the caller's address.
  int32_t Accept(int32_t handle, SocketAddress& peer);
  // An empty name means this machine: the first of LocalIpList, else
  // 127.0.0.1, else "localhost.local". False when it cannot be resolved.
  bool Resolve(const char* name, SocketAddress& address);
  // Connects to a resolved address, waiting up to ConnectWait(milliseconds);
  // prints "\nConnected...", "\nConnect Timeout (%d ms)." or
  // "\nSelect() Error." on standard output as the wait ends.
  int32_t Connect(SocketAddress target, int32_t milliseconds);
  int32_t OpenUdp(int32_t port);

  // Sends every byte; waits whenever the system cannot take more yet. UDP
  // handles need a destination (port or address nonzero). Bytes sent, 0 for
  // none, -1 on failure.
  int32_t Send(int32_t handle, const char* bytes, size_t count, const SocketAddress* destination);
  // One send on a TCP handle of as many bytes as the socket takes now: the
  // count taken, kNothing when it takes none, or kFailed.
  int32_t SendSome(int32_t handle, const char* bytes, size_t count);
  // One receive of at most `count` bytes: the count received, or one of:
  static constexpr int32_t kClosed = 0;       // orderly end, or reset
  static constexpr int32_t kNothing = -2;     // nothing waiting
  static constexpr int32_t kFailed = -1;
  // `reset` tells a reset connection apart from an orderly end.
  int32_t ReceiveOnce(int32_t handle, char* bytes, size_t count, bool* reset = nullptr);
  // Waits up to `milliseconds` for something to receive on an open handle.
  void WaitReceivable(int32_t handle, int32_t milliseconds);
  // Waits up to `milliseconds` for something to receive on any of the handles.
  void WaitAnyReceivable(const std::vector<int32_t>& handles, int32_t milliseconds);
  // 1 when the socket closed cleanly, else 0 (also for a handle not open).
  int32_t Close(int32_t handle);

  // This machine's addresses other than 127.x.x.x, "|"-separated.
  std::string LocalAddresses();

  int32_t LastError() const { return table_.LastError(); }
  void SetLastError(int32_t code) { table_.SetLastError(code); }

 private:
  void StoreSystemError();
  // Takes a free entry or sets kSocketTableFull; -1 when there is none.
  int32_t ReserveEntry();
  bool NeedsLibrary();
  // Closes an entry's socket the way its kind wants; true when clean.
  static bool CloseSocket(const SocketEntry& entry);
  void CloseEntry(int32_t handle);

  SocketTable table_;
  std::atomic<bool> inUse_{false};
};

// The process-wide socket layer.
Sockets& SocketLayer();

}  // namespace vdr
