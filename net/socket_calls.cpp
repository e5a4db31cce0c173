#include "net/socket_calls.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "net/socket_errors.h"

namespace vdr::socket_calls {
namespace {

sockaddr_in ToSystem(SocketAddress address) {
  sockaddr_in system{};
  system.sin_family = AF_INET;
  system.sin_port = htons(address.port);
  system.sin_addr.s_addr = htonl(address.ip);
  return system;
}

bool SetIntOption(int fd, int level, int name, int value) {
  return setsockopt(fd, level, name, &value, sizeof value) == 0;
}

// poll, resumed after signals until `milliseconds` (-1: no limit) have passed.
int PollFor(int fd, short events, int milliseconds, short& revents) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    pollfd entry{fd, events, 0};
    int wait = milliseconds;
    if (milliseconds > 0) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
      wait = left > 0 ? static_cast<int>(left) : 0;
    }
    const int ready = poll(&entry, 1, wait);
    if (ready >= 0 || errno != EINTR) {
      revents = entry.revents;
      return ready;
    }
  }
}

}  // namespace

int OpenStream() { return socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0); }
int OpenDatagram() { return socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0); }
bool SetReuseAddress(int fd) { return SetIntOption(fd, SOL_SOCKET, SO_REUSEADDR, 1); }
bool SetBroadcast(int fd) { return SetIntOption(fd, SOL_SOCKET, SO_BROADCAST, 1); }

bool SetNonBlocking(int fd, bool nonBlocking) {
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0) return false;
  return fcntl(fd, F_SETFL, nonBlocking ? flags | O_NONBLOCK : flags & ~O_NONBLOCK) == 0;
}

bool BindAny(int fd, uint16_t port) {
  const sockaddr_in address = ToSystem({INADDR_ANY, port});
  return bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

bool Listen(int fd, int backlog) { return listen(fd, backlog) == 0; }

int Accept(int fd, SocketAddress& peer) {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  int accepted;
  do {
    accepted = accept4(fd, reinterpret_cast<sockaddr*>(&address), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
  } while (accepted < 0 && errno == EINTR);
  if (accepted >= 0) peer = {ntohl(address.sin_addr.s_addr), ntohs(address.sin_port)};
  return accepted;
}

int StartConnect(int fd, SocketAddress target) {
  const sockaddr_in address = ToSystem(target);
  return connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

ConnectWait FinishConnect(int fd, int milliseconds) {
  short revents = 0;
  const int ready = PollFor(fd, POLLOUT, milliseconds, revents);
  if (ready < 0) return ConnectWait::kFailed;
  if (ready == 0) return ConnectWait::kTimedOut;
  int error = 0;
  socklen_t length = sizeof error;
  if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0) return ConnectWait::kFailed;
  if (error == 0) return ConnectWait::kConnected;
  errno = error;
  return ConnectWait::kRefused;
}

ssize_t Send(int fd, const char* bytes, size_t count) {
  ssize_t sent;
  do {
    sent = send(fd, bytes, count, MSG_NOSIGNAL);
  } while (sent < 0 && errno == EINTR);
  return sent;
}

ssize_t SendTo(int fd, const char* bytes, size_t count, SocketAddress target) {
  const sockaddr_in address = ToSystem(target);
  ssize_t sent;
  do {
    sent = sendto(fd, bytes, count, MSG_NOSIGNAL, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  } while (sent < 0 && errno == EINTR);
  return sent;
}

ssize_t Receive(int fd, char* bytes, size_t count) {
  ssize_t received;
  do {
    received = recv(fd, bytes, count, 0);
  } while (received < 0 && errno == EINTR);
  return received;
}

bool WaitWritable(int fd) {
  short revents = 0;
  return PollFor(fd, POLLOUT, -1, revents) > 0;
}

void WaitReadable(int fd, int milliseconds) {
  short revents = 0;
  PollFor(fd, POLLIN, milliseconds, revents);
}

void WaitAnyReadable(const std::vector<int>& fds, int milliseconds) {
  std::vector<pollfd> entries;
  entries.reserve(fds.size());
  for (const int fd : fds) entries.push_back({fd, POLLIN, 0});
  poll(entries.data(), entries.size(), milliseconds);
}

bool CloseStream(int fd) {
  const linger off{0, 0};
  setsockopt(fd, SOL_SOCKET, SO_LINGER, &off, sizeof off);
  shutdown(fd, SHUT_RDWR);
  return close(fd) == 0;
}

void CloseDatagram(int fd) { close(fd); }

int32_t Resolve(const char* name, uint32_t& ip) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  addrinfo* found = nullptr;
  const int result = getaddrinfo(name, nullptr, &hints, &found);
  if (result != 0) return ResolverErrorCode(result, errno);
  ip = ntohl(reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
  freeaddrinfo(found);
  return 0;
}

std::vector<uint32_t> InterfaceAddresses() {
  std::vector<uint32_t> addresses;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return addresses;
  for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
    if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
    addresses.push_back(ntohl(reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr));
  }
  freeifaddrs(list);
  return addresses;
}

}  // namespace vdr::socket_calls
