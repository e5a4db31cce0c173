#include "net/sockets.h"

#include <cerrno>
#include <cstdio>

#include "net/ip_address.h"
#include "net/socket_calls.h"
#include "net/socket_errors.h"
#include "runtime/process_object.h"

namespace vdr {

namespace calls = socket_calls;

Sockets& SocketLayer() { return Registered<Sockets>(); }

int32_t Sockets::ConnectWait(int32_t milliseconds) {
  return milliseconds <= 0 || milliseconds > kLongestConnectWait ? kLongestConnectWait : milliseconds;
}

void Sockets::StoreSystemError() { SetLastError(SocketErrorCode(errno)); }

int32_t Sockets::ReserveEntry() {
  const int32_t handle = table_.Reserve();
  if (handle < 0) SetLastError(kSocketTableFull);
  return handle;
}

bool Sockets::NeedsLibrary() {
  if (table_.Uses() > 0) return true;
  SetLastError(kSocketNotInitialised);
  return false;
}

bool Sockets::CloseSocket(const SocketEntry& entry) {
  if (entry.isUdp) {
    calls::CloseDatagram(entry.fd);
    return true;
  }
  return calls::CloseStream(entry.fd);
}

void Sockets::CloseEntry(int32_t handle) {
  const std::optional<SocketEntry> entry = table_.Take(handle);
  if (entry) CloseSocket(*entry);
}

int32_t Sockets::Init() {
  if (table_.AddUse()) SetLastError(0);
  return 1;
}

int32_t Sockets::Shutdown() {
  int32_t remaining = 0;
  for (const SocketEntry& entry : table_.DropUse(remaining)) CloseSocket(entry);
  return remaining > 0 ? remaining : LastError();
}

int32_t Sockets::Listen(int32_t port) {
  if (!NeedsLibrary()) return -1;
  const int32_t handle = ReserveEntry();
  if (handle < 0) return -1;
  const uint16_t bound = static_cast<uint16_t>(port);
  const int fd = calls::OpenStream();
  if (fd < 0 || !calls::SetReuseAddress(fd) || !calls::BindAny(fd, bound) || !calls::Listen(fd, 10) ||
      !calls::SetNonBlocking(fd, true)) {
    StoreSystemError();
    if (fd >= 0) calls::CloseStream(fd);
    table_.Free(handle);
    return -1;
  }
  table_.Fill(handle, {fd, {0, bound}, false});
  return handle;
}

int32_t Sockets::Accept(int32_t handle, SocketAddress& peer) {
  const std::optional<SocketEntry> listening = table_.Find(handle);
  if (!listening) {
    SetLastError(kSocketNotSocket);
    return -1;
  }
  if (listening->isUdp) {
    SetLastError(0);
    return -1;
  }
  SocketAddress caller;
  const int fd = calls::Accept(listening->fd, caller);
  if (fd < 0) {
    StoreSystemError();
    return -1;
  }
  const int32_t accepted = ReserveEntry();
  if (accepted < 0) {
    calls::CloseStream(fd);
    return -1;
  }
  table_.Fill(accepted, {fd, listening->address, listening->isUdp});
  peer = caller;
  return accepted;
}

bool Sockets::Resolve(const char* name, SocketAddress& address) {
  if (!NeedsLibrary()) return false;
  uint32_t ip = 0;
  int32_t error;
  if (name[0] != 0) {
    error = calls::Resolve(name, ip);
  } else {
    error = calls::Resolve(FirstListedAddress(LocalAddresses()).c_str(), ip);
    if (error != 0) error = calls::Resolve("127.0.0.1", ip);
    if (error != 0) error = calls::Resolve("localhost.local", ip);
  }
  if (error != 0) {
    SetLastError(error);
    return false;
  }
  address.ip = ip;
  return true;
}

int32_t Sockets::Connect(SocketAddress target, int32_t milliseconds) {
  if (!NeedsLibrary()) return -1;
  const int32_t handle = ReserveEntry();
  if (handle < 0) return -1;
  const int fd = calls::OpenStream();
  if (fd < 0 || !calls::SetNonBlocking(fd, true)) {
    StoreSystemError();
    if (fd >= 0) calls::CloseStream(fd);
    table_.Free(handle);
    return -1;
  }
  table_.Fill(handle, {fd, target, false});
  if (calls::StartConnect(fd, target) != 0) {
    const int32_t started = SocketErrorCode(errno);
    if (started != kSocketWouldBlock && started != kSocketInProgress) {
      SetLastError(started);
      CloseEntry(handle);
      return -1;
    }
    const int32_t wait = ConnectWait(milliseconds);
    switch (calls::FinishConnect(fd, wait)) {
      case calls::ConnectWait::kConnected:
        std::printf("\nConnected...");
        std::fflush(stdout);
        break;
      case calls::ConnectWait::kTimedOut:
        CloseEntry(handle);
        SetLastError(kSocketInProgress);
        std::printf("\nConnect Timeout (%d ms).", wait);
        std::fflush(stdout);
        return -1;
      case calls::ConnectWait::kRefused:
        StoreSystemError();
        std::printf("\nSelect() Error.");
        std::fflush(stdout);
        CloseEntry(handle);
        return -1;
      case calls::ConnectWait::kFailed:
        StoreSystemError();
        CloseEntry(handle);
        return -1;
    }
  }
  SetLastError(0);
  return handle;
}

int32_t Sockets::OpenUdp(int32_t port) {
  if (!NeedsLibrary()) return -1;
  const int32_t handle = ReserveEntry();
  if (handle < 0) return -1;
  const uint16_t bound = static_cast<uint16_t>(port);
  const int fd = calls::OpenDatagram();
  if (fd < 0) {
    StoreSystemError();
    table_.Free(handle);
    return -1;
  }
  calls::SetReuseAddress(fd);
  if ((bound != 0 && !calls::BindAny(fd, bound)) || !calls::SetBroadcast(fd) || !calls::SetNonBlocking(fd, true)) {
    StoreSystemError();
    calls::CloseDatagram(fd);
    table_.Free(handle);
    return -1;
  }
  table_.Fill(handle, {fd, {0, bound}, true});
  return handle;
}

int32_t Sockets::Send(int32_t handle, const char* bytes, size_t count, const SocketAddress* destination) {
  const std::optional<SocketEntry> entry = table_.Find(handle);
  if (!entry) {
    SetLastError(kSocketNotSocket);
    return -1;
  }
  if (entry->isUdp && (destination == nullptr || (destination->ip == 0 && destination->port == 0))) return -1;
  if (count == 0) return 0;
  size_t done = 0;
  while (done < count) {
    const ssize_t sent = entry->isUdp ? calls::SendTo(entry->fd, bytes + done, count - done, *destination)
                                      : calls::Send(entry->fd, bytes + done, count - done);
    if (sent >= 0) {
      done += static_cast<size_t>(sent);
      continue;
    }
    StoreSystemError();
    if (LastError() != kSocketWouldBlock || !calls::WaitWritable(entry->fd)) return -1;
  }
  return static_cast<int32_t>(done);
}

int32_t Sockets::SendSome(int32_t handle, const char* bytes, size_t count) {
  const std::optional<SocketEntry> entry = table_.Find(handle);
  if (!entry || entry->isUdp) {
    SetLastError(kSocketNotSocket);
    return kFailed;
  }
  const ssize_t sent = calls::Send(entry->fd, bytes, count);
  if (sent >= 0) return static_cast<int32_t>(sent);
  StoreSystemError();
  return LastError() == kSocketWouldBlock ? kNothing : kFailed;
}

int32_t Sockets::ReceiveOnce(int32_t handle, char* bytes, size_t count, bool* reset) {
  if (reset != nullptr) *reset = false;
  const std::optional<SocketEntry> entry = table_.Find(handle);
  if (!entry) {
    SetLastError(kSocketNotSocket);
    return kFailed;
  }
  const ssize_t received = calls::Receive(entry->fd, bytes, count);
  if (received >= 0) return static_cast<int32_t>(received);
  StoreSystemError();
  switch (LastError()) {
    case kSocketReset:
      if (reset != nullptr) *reset = true;
      return kClosed;
    case kSocketWouldBlock:
      return kNothing;
    default:
      return kFailed;
  }
}

void Sockets::WaitReceivable(int32_t handle, int32_t milliseconds) {
  const std::optional<SocketEntry> entry = table_.Find(handle);
  if (entry) calls::WaitReadable(entry->fd, milliseconds);
}

void Sockets::WaitAnyReceivable(const std::vector<int32_t>& handles, int32_t milliseconds) {
  std::vector<int> fds;
  for (const int32_t handle : handles) {
    if (const std::optional<SocketEntry> entry = table_.Find(handle)) fds.push_back(entry->fd);
  }
  calls::WaitAnyReadable(fds, milliseconds);
}

int32_t Sockets::Close(int32_t handle) {
  const std::optional<SocketEntry> entry = table_.Take(handle);
  if (!entry) {
    SetLastError(kSocketNotSocket);
    return 0;
  }
  return CloseSocket(*entry) ? 1 : 0;
}

std::string Sockets::LocalAddresses() {
  Init();
  std::string list = LocalAddressList(calls::InterfaceAddresses());
  Shutdown();
  return list;
}

}  // namespace vdr
