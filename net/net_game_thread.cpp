// The network thread of a game: each pass sends the join requests due,
// reads what the server sent and, on the host, serves the clients; a pass
// that had nothing to do waits up to 10 ms for something to arrive.

#include <vector>

#include "net/net_game.h"
#include "net/sockets.h"

namespace vdr {
namespace {

using Guard = std::unique_lock<StateLock>;

constexpr int kPassWaitMs = 10;
// The most one client connection is read in one pass, so that no client
// holds up the rest.
constexpr int kReceivesPerPass = 4;
// The server connection is read far more: on the host it brings back, for
// the host's own players, what the pass relayed from every client.
constexpr int kServerReceivesPerPass = 64;
constexpr size_t kReceiveSize = 16384;

}  // namespace

void NetGame::RunThread() {
  while (PassThread()) {
  }
  CloseThreadSockets();
}

bool NetGame::PassThread() {
  int32_t serverHandle;
  int32_t listenHandle;
  bool host;
  {
    Guard guard(lock_);
    if (state_.stopRequest) return false;
    serverHandle = state_.serverHandle;
    listenHandle = state_.listenHandle;
    host = state_.isHost;
  }
  bool busy = SendJoinRequests(serverHandle);
  if (!ReadServer(serverHandle, busy)) return false;
  if (host) ServeClients(listenHandle, busy);
  if (!busy) {
    std::vector<int32_t> handles{serverHandle};
    if (host) {
      Guard guard(lock_);
      handles.push_back(listenHandle);
      for (const NetServer::Connection& connection : state_.server.Connections()) handles.push_back(connection.handle);
    }
    SocketLayer().WaitAnyReceivable(handles, kPassWaitMs);
  }
  return true;
}

bool NetGame::SendJoinRequests(int32_t serverHandle) {
  // The program's thread may be in a long send; its join requests wait for
  // the next pass rather than this thread stop reading.
  std::unique_lock<std::mutex> sending(sendLock_, std::try_to_lock);
  if (!sending.owns_lock()) return false;
  std::string requests;
  {
    Guard guard(lock_);
    for (NetPlayer& player : state_.localPlayers) {
      if (player.id != kNetJoinToSend) continue;
      requests += EncodeMessage({kNetJoin, kNetServer, kNetServer,
                                 EncodePlayerRecord({player.hidden, player.host, player.name})});
      player.id = kNetJoinSent;
    }
  }
  if (requests.empty()) return false;
  SocketLayer().Send(serverHandle, requests.data(), requests.size(), nullptr);
  return true;
}

bool NetGame::ReadServer(int32_t serverHandle, bool& busy) {
  char buffer[kReceiveSize];
  bool received = false;
  for (int i = 0; i < kServerReceivesPerPass; ++i) {
    const int32_t count = SocketLayer().ReceiveOnce(serverHandle, buffer, sizeof buffer);
    if (count == Sockets::kNothing) break;
    if (count <= 0) return false;
    serverReader_.Append(buffer, static_cast<size_t>(count));
    received = true;
  }
  if (!received) return true;
  busy = true;
  {
    Guard guard(lock_);
    while (std::optional<NetMessage> message = serverReader_.Next()) state_.Dispatch(*message);
  }
  changed_.notify_all();
  return !serverReader_.Broken();
}

void NetGame::ServeClients(int32_t listenHandle, bool& busy) {
  Sockets& sockets = SocketLayer();
  bool accepting;
  {
    Guard guard(lock_);
    accepting = state_.server.acceptJoins;
  }
  if (accepting) {
    SocketAddress peer;
    const int32_t accepted = sockets.Accept(listenHandle, peer);
    if (accepted >= 0) {
      busy = true;
      Guard guard(lock_);
      if (!state_.server.AddConnection(accepted)) sockets.Close(accepted);
    }
  }

  std::vector<int32_t> handles;
  {
    Guard guard(lock_);
    for (const NetServer::Connection& connection : state_.server.Connections()) handles.push_back(connection.handle);
  }
  std::vector<int32_t> closing;
  char buffer[kReceiveSize];
  for (const int32_t handle : handles) {
    for (int i = 0; i < kReceivesPerPass; ++i) {
      const int32_t count = sockets.ReceiveOnce(handle, buffer, sizeof buffer);
      if (count == Sockets::kNothing) break;
      busy = true;
      Guard guard(lock_);
      if (count <= 0 || !state_.server.Received(handle, buffer, static_cast<size_t>(count))) {
        closing.push_back(handle);
        break;
      }
    }
  }

  Guard guard(lock_);
  for (NetServer::Connection& connection : state_.server.Connections()) {
    std::string& outbox = connection.outbox;
    size_t sent = 0;
    while (sent < outbox.size()) {
      const int32_t count = sockets.SendSome(connection.handle, outbox.data() + sent, outbox.size() - sent);
      if (count <= 0) {
        if (count == Sockets::kFailed) closing.push_back(connection.handle);
        break;
      }
      sent += static_cast<size_t>(count);
    }
    if (sent > 0) busy = true;
    outbox.erase(0, sent);
    if (outbox.size() > NetServer::kOutboxLimit) closing.push_back(connection.handle);
  }
  for (const int32_t handle : closing) {
    if (state_.server.DropConnection(handle)) sockets.Close(handle);
  }
}

void NetGame::CloseThreadSockets() {
  Sockets& sockets = SocketLayer();
  {
    std::lock_guard<std::mutex> sending(sendLock_);
    Guard guard(lock_);
    for (const NetServer::Connection& connection : state_.server.Connections()) sockets.Close(connection.handle);
    if (state_.listenHandle >= 0) sockets.Close(state_.listenHandle);
    if (state_.serverHandle >= 0) sockets.Close(state_.serverHandle);
    state_.Reset();
  }
  changed_.notify_all();
}

}  // namespace vdr
