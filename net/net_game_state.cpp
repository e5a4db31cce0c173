#include "net/net_game_state.h"

namespace vdr {

void NetGameState::Dispatch(const NetMessage& message) {
  if (message.type == kNetText) {
    if (NetPlayer* player = LocalPlayer(message.to)) player->messages.push_back(message);
    return;
  }
  if (message.from != kNetServer) return;
  if (message.type > kNetLastNonQuery) {
    replies.push_back(message);
  } else if (message.type == kNetJoined && IsAssignedId(message.to)) {
    for (NetPlayer& player : localPlayers) {
      if (player.id == kNetJoinSent) {
        player.id = message.to;
        return;
      }
    }
  }
}

NetPlayer* NetGameState::LocalPlayer(uint32_t id) {
  if (!IsAssignedId(id)) return nullptr;
  for (NetPlayer& player : localPlayers) {
    if (player.id == id) return &player;
  }
  return nullptr;
}

void NetGameState::Reset() {
  listenHandle = serverHandle = -1;
  stopRequest = true;
  threadRunning = false;
  server.Reset();
  queryPlayerId = 0;
}

void NetGameState::ClearLists() {
  localPlayers.clear();
  replies.clear();
  server.ClearPlayers();
}

}  // namespace vdr
