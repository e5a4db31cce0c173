#include "net/socket_commands.h"

#include <string>

#include "net/ip_address.h"
#include "net/socket_errors.h"
#include "net/sockets.h"
#include "runtime/number_text.h"

namespace vdr {

int32_t SocketInit() {
  SocketLayer().MarkInUse();
  return SocketLayer().Init();
}

int32_t SocketShutdown() { return SocketLayer().Shutdown(); }

void ReleaseSocketLibrary() {
  for (int i = 0; i < 16; ++i) SocketShutdown();
}

bool NetworkInUse() { return SocketLayer().InUse(); }

int32_t TcpListen(double port) { return SocketLayer().Listen(ToInt(port)); }

int32_t TcpAccept(double handle, int32_t& peer) {
  SocketAddress address;
  const int32_t accepted = SocketLayer().Accept(ToInt(handle), address);
  if (accepted >= 0) peer = PeerAddressForm(address.ip);
  return accepted;
}

int32_t TcpAccept(double handle, double& peer) {
  int32_t address = 0;
  const int32_t accepted = TcpAccept(handle, address);
  if (accepted >= 0) peer = address;
  return accepted;
}

int32_t TcpConnect(const RuntimeString& host, double port, double timeoutMs) {
  SocketAddress target;
  if (!SocketLayer().Resolve(host.c_str(), target)) return -1;
  target.port = static_cast<uint16_t>(ToInt(port));
  return SocketLayer().Connect(target, ToInt(timeoutMs));
}

int32_t UdpOpen(double port) { return SocketLayer().OpenUdp(ToInt(port)); }

int32_t SocketSend(double handle, const RuntimeString& text) {
  return SocketLayer().Send(ToInt(handle), text.data(), text.length(), nullptr);
}

int32_t UdpSendTo(double handle, const RuntimeString& text, double address, double port) {
  const SocketAddress destination{AddressArgument(address), static_cast<uint16_t>(ToInt(port))};
  return SocketLayer().Send(ToInt(handle), text.data(), text.length(), &destination);
}

int32_t SocketReceive(double handle, RuntimeString& text, double maxLength) {
  const int32_t most = ToInt(maxLength);
  if (most < 0) {
    text = RuntimeString();
    SocketLayer().SetLastError(kSocketInvalidArgument);
    return Sockets::kFailed;
  }
  char* buffer = text.WritableBuffer(static_cast<uint32_t>(most));
  const int32_t received = SocketLayer().ReceiveOnce(ToInt(handle), buffer, static_cast<uint32_t>(most));
  text.Truncate(received > 0 ? received : 0);
  return received;
}

int32_t SocketClose(double handle) { return SocketLayer().Close(ToInt(handle)); }

int32_t HostToIp(const RuntimeString& host) {
  SocketAddress address;
  if (!SocketLayer().Resolve(host.c_str(), address) || address.ip == 0) return -1;
  return static_cast<int32_t>(address.ip);
}

RuntimeString IpToString(double address) { return DottedAddress(AddressArgument(address)).c_str(); }

RuntimeString LocalIpList() {
  SocketLayer().MarkInUse();  // it starts the library as SocketInit does
  return SocketLayer().LocalAddresses().c_str();
}

RuntimeString SocketErrorText() {
  const int32_t code = SocketLayer().LastError();
  const std::string message = SocketErrorMessage(code);
  if (message.empty()) return RuntimeString();
  return (std::to_string(code) + ' ' + message).c_str();
}

}  // namespace vdr
