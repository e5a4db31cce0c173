#pragma once
// What a program knows of its network game, shared by its own thread and
// the network thread under the state lock: its connection to the server, its
// own players, the replies to its queries and, when it hosts, the server. The
// client's dispatch of what the server sends is here too; no socket is
// touched.

#include <cstdint>
#include <deque>
#include <list>

#include "net/net_message.h"
#include "net/net_player.h"
#include "net/net_server.h"

namespace vdr {

struct NetGameState {
  uint16_t queryPlayerId = 0;  // this program's hidden query player, 0 = none yet
  int32_t listenHandle = -1;
  int32_t serverHandle = -1;
  std::list<NetPlayer> localPlayers;  // a list: a waiting command keeps its record
  std::deque<NetMessage> replies;     // replies to queries, oldest first
  NetServer server;                   // the host's side (used when isHost)
  bool isHost = false;
  bool stopRequest = true;
  bool threadRunning = false;

  // A message from the server: user messages go to the local player they
  // are for, the server's replies to the reply queue, a new id to the
  // oldest player whose join request is on its way.
  void Dispatch(const NetMessage& message);
  // The local player with that (assigned) id, or null.
  NetPlayer* LocalPlayer(uint32_t id);
  // The handles, flags and ids as at start-up (the lists are kept).
  void Reset();
  // No players, replies, server players or players who left.
  void ClearLists();
};

}  // namespace vdr
