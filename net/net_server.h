#pragma once
// The host's side of a network game, without sockets: the client
// connections (at most 128, packed: when one closes, the last moves into its
// place), what each has sent that is not a whole message yet, what waits to
// be sent to each, and the player list. The server gives out ids from 101,
// relays user messages, answers queries and records the players who left.
//
// Every message comes from a connection and may only speak for that
// connection's players: a user message, leave or query from an id that is
// not one of them is dropped. A player keeps the socket handle of its
// connection, so packing the array never sends its messages elsewhere.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "net/net_message_reader.h"
#include "net/net_player.h"

namespace vdr {

class NetServer {
 public:
  static constexpr size_t kMaxConnections = 128;
  // A connection with more than this waiting to be sent to it does not keep
  // up and is closed.
  static constexpr size_t kOutboxLimit = 4 << 20;

  struct Connection {
    int32_t handle = -1;
    NetMessageReader reader;
    std::string outbox;  // bytes waiting to be sent
  };

  // New connections and join requests are taken while set.
  bool acceptJoins = true;

  // Adds an accepted connection; false when all 128 are taken.
  bool AddConnection(int32_t handle);
  // The bytes a connection received: every message they complete is served.
  // False when the connection is to be closed (its stream cannot be framed
  // any more, or it does not take what is sent to it).
  bool Received(int32_t handle, const char* bytes, size_t count);
  // A connection that closed: its players leave and the array is packed.
  // False when there was no such connection.
  bool DropConnection(int32_t handle);

  std::vector<Connection>& Connections() { return connections_; }
  const std::vector<Connection>& Connections() const { return connections_; }
  const std::vector<NetPlayer>& Players() const { return players_; }
  uint16_t NextId() const { return nextId_; }
  // The oldest id of a player who left, or 0.
  uint16_t TakeLeftPlayer();
  // No connections; ids from 101 again; joins taken.
  void Reset();
  // No players, and none who left.
  void ClearPlayers();

 private:
  Connection* Find(int32_t handle);
  void Serve(int32_t handle, const NetMessage& message);
  void Join(int32_t handle, const NetMessage& message);
  void Relay(const NetMessage& message);
  void Answer(int32_t handle, const NetMessage& request);
  void Leave(uint16_t id);
  // The player with that id that came through the connection, or null.
  const NetPlayer* PlayerOf(int32_t handle, uint16_t id) const;
  const NetPlayer* PlayerWithId(uint16_t id) const;
  void SendTo(int32_t handle, const NetMessage& message);

  std::vector<Connection> connections_;
  std::vector<NetPlayer> players_;
  std::deque<uint16_t> left_;
  uint16_t nextId_ = kNetFirstId;
};

}  // namespace vdr
