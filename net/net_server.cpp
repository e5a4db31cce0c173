#include "net/net_server.h"

#include <algorithm>

namespace vdr {

bool NetServer::AddConnection(int32_t handle) {
  if (connections_.size() >= kMaxConnections) return false;
  connections_.push_back({handle, {}, {}});
  return true;
}

NetServer::Connection* NetServer::Find(int32_t handle) {
  for (Connection& connection : connections_) {
    if (connection.handle == handle) return &connection;
  }
  return nullptr;
}

bool NetServer::Received(int32_t handle, const char* bytes, size_t count) {
  Connection* connection = Find(handle);
  if (connection == nullptr) return false;
  connection->reader.Append(bytes, count);
  // Serving only appends to outboxes, so the connection stays where it is.
  while (std::optional<NetMessage> message = connection->reader.Next()) Serve(handle, *message);
  return !connection->reader.Broken() && connection->outbox.size() <= kOutboxLimit;
}

bool NetServer::DropConnection(int32_t handle) {
  for (size_t i = 0; i < players_.size();) {
    if (players_[i].handle == handle) {
      left_.push_back(players_[i].id);
      players_.erase(players_.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
  for (size_t i = 0; i < connections_.size(); ++i) {
    if (connections_[i].handle != handle) continue;
    if (i + 1 < connections_.size()) connections_[i] = std::move(connections_.back());
    connections_.pop_back();
    return true;
  }
  return false;
}

uint16_t NetServer::TakeLeftPlayer() {
  if (left_.empty()) return 0;
  const uint16_t id = left_.front();
  left_.pop_front();
  return id;
}

void NetServer::Reset() {
  connections_.clear();
  nextId_ = kNetFirstId;
  acceptJoins = true;
}

void NetServer::ClearPlayers() {
  players_.clear();
  left_.clear();
}

void NetServer::Serve(int32_t handle, const NetMessage& message) {
  if (message.type == kNetText) {
    if (PlayerOf(handle, message.from) != nullptr) Relay(message);
    return;
  }
  if (message.to != kNetServer) return;
  if (message.type == kNetJoin) {
    Join(handle, message);
  } else if (message.type == kNetLeave) {
    if (PlayerOf(handle, message.from) != nullptr) Leave(message.from);
  } else if (message.type > kNetLastNonQuery) {
    Answer(handle, message);
  }
}

void NetServer::Join(int32_t handle, const NetMessage& message) {
  if (!acceptJoins || !IsAssignedId(nextId_)) return;
  const std::optional<NetPlayerRecord> record = DecodePlayerRecord(message.payload);
  if (!record) return;
  NetPlayer player;
  player.handle = handle;
  player.id = nextId_++;
  player.hidden = record->hidden;
  player.host = record->host;
  player.name = record->name;
  players_.push_back(std::move(player));
  SendTo(handle, {kNetJoined, players_.back().id, kNetServer, {}});
}

void NetServer::Relay(const NetMessage& message) {
  if (message.to != kNetEveryone) {
    if (const NetPlayer* player = PlayerWithId(message.to)) SendTo(player->handle, message);
    return;
  }
  for (const NetPlayer& player : players_) {
    if (player.hidden != 0 || player.id == message.from) continue;
    NetMessage copy = message;
    copy.to = player.id;
    SendTo(player.handle, copy);
  }
}

void NetServer::Answer(int32_t handle, const NetMessage& request) {
  if (PlayerOf(handle, request.from) == nullptr) return;
  std::string reply;
  switch (request.type) {
    case kNetCount:
      reply = EncodeNumber(static_cast<uint16_t>(std::count_if(
          players_.begin(), players_.end(), [](const NetPlayer& player) { return IsAssignedId(player.id); })));
      break;
    case kNetIdAt: {
      const std::optional<uint16_t> index = DecodeNumber(request.payload);
      if (!index) return;
      uint16_t id = 0;
      uint16_t visible = 0;
      for (const NetPlayer& player : players_) {
        if (player.hidden != 0) continue;
        if (visible++ == *index) {
          id = player.id;
          break;
        }
      }
      reply = EncodeNumber(id);
      break;
    }
    case kNetName: {
      const std::optional<uint16_t> id = DecodeNumber(request.payload);
      if (!id) return;
      const NetPlayer* player = PlayerWithId(*id);
      reply = player != nullptr ? player->name : "NO_DATA";
      break;
    }
    case kNetHello:
      reply = EncodeNumber(1);
      break;
    default:
      return;
  }
  SendTo(handle, {request.type, request.from, kNetServer, std::move(reply)});
}

void NetServer::Leave(uint16_t id) {
  const auto player = std::find_if(players_.begin(), players_.end(), [id](const NetPlayer& p) { return p.id == id; });
  if (player == players_.end()) return;
  players_.erase(player);
  left_.push_back(id);
}

const NetPlayer* NetServer::PlayerOf(int32_t handle, uint16_t id) const {
  const NetPlayer* player = PlayerWithId(id);
  return player != nullptr && player->handle == handle ? player : nullptr;
}

const NetPlayer* NetServer::PlayerWithId(uint16_t id) const {
  for (const NetPlayer& player : players_) {
    if (player.id == id) return &player;
  }
  return nullptr;
}

void NetServer::SendTo(int32_t handle, const NetMessage& message) {
  if (Connection* connection = Find(handle)) connection->outbox += EncodeMessage(message);
}

}  // namespace vdr
