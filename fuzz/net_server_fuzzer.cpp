// Fuzz target: the host's handling of what its clients send. The input is a
// series of steps: one byte picks a connection of four (its high bit: the
// connection closes and a new one takes its handle), one byte gives a count
// of bytes that follow and that connection receives. After every step the
// player list, the connections and everything queued to be sent must hold
// together: every player that was given an id is either in the list or
// has left, once.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>

#include "net/net_message_reader.h"
#include "net/net_server.h"

namespace {

constexpr int32_t kConnections = 4;

void Check(bool condition) {
  if (!condition) std::abort();
}

// Checks the server; the number of ids given out that are queued to be sent.
size_t CheckServer(const vdr::NetServer& server) {
  size_t joined = 0;
  Check(server.Connections().size() <= vdr::NetServer::kMaxConnections);
  std::set<int32_t> handles;
  for (const vdr::NetServer::Connection& connection : server.Connections()) {
    Check(handles.insert(connection.handle).second);
    // Every message queued is whole and framed; replies go to their asker.
    vdr::NetMessageReader queued;
    queued.Append(connection.outbox.data(), connection.outbox.size());
    while (std::optional<vdr::NetMessage> message = queued.Next()) {
      Check(message->payload.size() <= vdr::kNetMaxPayload);
      Check(message->type == vdr::kNetJoined || message->type == vdr::kNetText || message->type > 100);
      Check(message->type == vdr::kNetText || message->from == vdr::kNetServer);
      if (message->type == vdr::kNetJoined) ++joined;
    }
    Check(!queued.Broken() && queued.Pending() == 0);
  }
  std::set<uint16_t> ids;
  for (const vdr::NetPlayer& player : server.Players()) {
    Check(vdr::IsAssignedId(player.id) && player.id < server.NextId());
    Check(ids.insert(player.id).second);
    Check(handles.count(player.handle) == 1);
    Check(player.name.size() < vdr::kNetNameSize && player.name.find('\0') == std::string::npos);
  }
  return joined;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vdr::NetServer server;
  int32_t handles[kConnections];
  int32_t nextHandle = 0;
  for (int32_t& handle : handles) {
    handle = nextHandle++;
    Check(server.AddConnection(handle));
  }
  size_t joined = 0;
  size_t left = 0;
  size_t at = 0;
  while (at + 2 <= size) {
    const uint8_t pick = data[at];
    const size_t count = std::min<size_t>(data[at + 1], size - at - 2);
    at += 2;
    int32_t& handle = handles[pick % kConnections];
    const bool open = (pick & 0x80) == 0 && server.Received(handle, reinterpret_cast<const char*>(data + at), count);
    at += count;
    joined += CheckServer(server);
    for (vdr::NetServer::Connection& connection : server.Connections()) connection.outbox.clear();
    if (!open) {
      Check(server.DropConnection(handle));
      Check(std::none_of(server.Players().begin(), server.Players().end(),
                         [&](const vdr::NetPlayer& player) { return player.handle == handle; }));
      handle = nextHandle++;
      Check(server.AddConnection(handle));
      CheckServer(server);
    }
    for (uint16_t id; (id = server.TakeLeftPlayer()) != 0; ++left) {
      Check(std::none_of(server.Players().begin(), server.Players().end(),
                         [id](const vdr::NetPlayer& player) { return player.id == id; }));
    }
    Check(joined == server.Players().size() + left);
  }
  return 0;
}
