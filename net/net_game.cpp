#include "net/net_game.h"

#include <chrono>
#include <iterator>

#include "net/sockets.h"
#include "runtime/process_object.h"

namespace vdr {
namespace {

using Guard = std::unique_lock<StateLock>;

std::chrono::steady_clock::time_point ReplyDeadline() {
  return std::chrono::steady_clock::now() + std::chrono::milliseconds(NetGame::kReplyChecks * NetGame::kReplyCheckMs);
}

bool IsWireId(int32_t id) { return id >= 0 && id <= 0xFFFF; }

}  // namespace

NetGame& NetGameLayer() { return Registered<NetGame>(); }

NetGame::NetGame() { lock_.Create(); }

NetGame::~NetGame() {
  End();
  lock_.Destroy();
}

void NetGame::StopThread() {
  if (!thread_.joinable()) return;
  {
    Guard guard(lock_);
    state_.stopRequest = true;
  }
  thread_.join();
}

int32_t NetGame::End() {
  StopThread();
  Sockets& sockets = SocketLayer();
  {
    Guard guard(lock_);
    if (state_.listenHandle >= 0) sockets.Close(state_.listenHandle);
    if (state_.serverHandle >= 0) sockets.Close(state_.serverHandle);
    state_.Reset();
  }
  if (holdsSocketUse_) {
    holdsSocketUse_ = false;
    return sockets.Shutdown();
  }
  return sockets.Uses() > 0 ? sockets.Uses() : sockets.LastError();
}

void NetGame::Restart() {
  End();
  Guard guard(lock_);
  state_.ClearLists();
}

void NetGame::StartThread(bool host) {
  serverReader_ = NetMessageReader();
  {
    Guard guard(lock_);
    state_.isHost = host;
    state_.threadRunning = true;
    state_.stopRequest = false;
  }
  thread_ = std::thread(&NetGame::RunThread, this);
}

int32_t NetGame::Begin(int32_t port) {
  Sockets& sockets = SocketLayer();
  sockets.MarkInUse();
  Restart();
  sockets.Init();
  holdsSocketUse_ = true;
  return port < 1 ? kDefaultPort : port;
}

bool NetGame::ConnectToServer(const char* host, int32_t port) {
  Sockets& sockets = SocketLayer();
  SocketAddress target;
  const int32_t connected = sockets.Resolve(host, target)
                                ? sockets.Connect({target.ip, static_cast<uint16_t>(port)}, kConnectWait)
                                : -1;
  if (connected < 0) return false;
  Guard guard(lock_);
  state_.serverHandle = connected;
  return true;
}

int32_t NetGame::Host(int32_t port) {
  port = Begin(port);
  const int32_t listening = SocketLayer().Listen(port);
  if (listening >= 0) {
    Guard guard(lock_);
    state_.listenHandle = listening;
  }
  if (listening < 0 || !ConnectToServer("", port)) {
    End();
    return 0;
  }
  StartThread(true);
  return 1;
}

int32_t NetGame::Join(const char* host, int32_t port) {
  port = Begin(port);
  if (!ConnectToServer(host, port)) {
    End();
    return 0;
  }
  StartThread(false);
  NetMessage reply;
  if (!Ask(kNetHello, {}, reply)) {
    End();
    return 0;
  }
  return 1;
}

void NetGame::Shutdown() {
  std::vector<uint16_t> own;
  {
    Guard guard(lock_);
    for (const NetPlayer& player : state_.localPlayers) {
      if (IsAssignedId(player.id)) own.push_back(player.id);
    }
  }
  for (const uint16_t id : own) Send({kNetLeave, kNetServer, id, {}});
  End();
}

bool NetGame::Running() {
  Guard guard(lock_);
  return state_.threadRunning;
}

void NetGame::AllowJoin(bool allow) {
  Guard guard(lock_);
  state_.server.acceptJoins = allow;
}

uint16_t NetGame::CreatePlayer(const char* name) {
  Guard guard(lock_);
  NetPlayer& record = state_.localPlayers.emplace_back();
  const auto player = std::prev(state_.localPlayers.end());
  record.hidden = name == nullptr ? 1 : 0;
  record.host = state_.isHost ? 1 : 0;
  record.name = name != nullptr ? name : "query";
  changed_.wait_until(guard, ReplyDeadline(),
                      [&] { return IsAssignedId(player->id) || !state_.threadRunning; });
  const uint16_t id = player->id;
  if (IsAssignedId(id)) return id;
  state_.localPlayers.erase(player);
  return 0;
}

void NetGame::RemovePlayer(int32_t id) {
  if (!IsAssignedId(static_cast<uint32_t>(id))) return;
  Send({kNetLeave, kNetServer, static_cast<uint16_t>(id), {}});
}

bool NetGame::Send(const NetMessage& message) {
  const std::string bytes = EncodeMessage(message);
  // Held while sending, so the network thread cannot close the handle under it.
  std::lock_guard<std::mutex> sending(sendLock_);
  int32_t handle;
  {
    Guard guard(lock_);
    handle = state_.serverHandle;
  }
  if (handle < 0) return false;
  return SocketLayer().Send(handle, bytes.data(), bytes.size(), nullptr) == static_cast<int32_t>(bytes.size());
}

uint16_t NetGame::QueryPlayer() {
  {
    Guard guard(lock_);
    if (state_.queryPlayerId != 0) return state_.queryPlayerId;
  }
  const uint16_t id = CreatePlayer(nullptr);
  Guard guard(lock_);
  state_.queryPlayerId = id;
  return id;
}

bool NetGame::Ask(uint8_t type, std::string payload, NetMessage& reply) {
  const uint16_t query = QueryPlayer();
  if (query == 0) return false;
  {
    Guard guard(lock_);
    state_.replies.clear();
  }
  if (!Send({type, kNetServer, query, std::move(payload)})) return false;
  Guard guard(lock_);
  // A late reply to an earlier query that timed out is passed over.
  const bool answered = changed_.wait_until(guard, ReplyDeadline(), [&] {
    while (!state_.replies.empty() && state_.replies.front().type != type) state_.replies.pop_front();
    return !state_.replies.empty();
  });
  if (!answered) return false;
  reply = std::move(state_.replies.front());
  state_.replies.pop_front();
  return true;
}

int32_t NetGame::PlayerCount() {
  NetMessage reply;
  return Ask(kNetCount, {}, reply) ? DecodeNumber(reply.payload).value_or(0) : 0;
}

int32_t NetGame::PlayerId(int32_t index) {
  NetMessage reply;
  if (!IsWireId(index) || !Ask(kNetIdAt, EncodeNumber(static_cast<uint16_t>(index)), reply)) return 0;
  return DecodeNumber(reply.payload).value_or(0);
}

std::string NetGame::PlayerName(int32_t id) {
  NetMessage reply;
  if (!IsWireId(id) || !Ask(kNetName, EncodeNumber(static_cast<uint16_t>(id)), reply)) return "NO_DATA";
  return std::string(TextUpToZero(reply.payload));
}

bool NetGame::SendText(int32_t from, int32_t to, std::string_view text) {
  if (text.size() > kNetMaxPayload || !IsWireId(from) || !IsWireId(to)) return false;
  return Send({kNetText, to == 0 ? kNetEveryone : static_cast<uint16_t>(to), static_cast<uint16_t>(from),
               std::string(text)});
}

std::string NetGame::TakeMessage(int32_t id) {
  Guard guard(lock_);
  NetPlayer* player = IsWireId(id) ? state_.LocalPlayer(static_cast<uint32_t>(id)) : nullptr;
  if (player == nullptr || player->messages.empty()) return {};
  const NetMessage message = std::move(player->messages.front());
  player->messages.pop_front();
  lastSender_ = message.from;
  return std::string(TextUpToZero(message.payload));
}

int32_t NetGame::TakeLeftPlayer() {
  Guard guard(lock_);
  return state_.isHost ? state_.server.TakeLeftPlayer() : 0;
}

}  // namespace vdr
