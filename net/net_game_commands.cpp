#include "net/net_game_commands.h"

#include "net/net_game.h"
#include "net/net_game_shutdown.h"
#include "runtime/number_text.h"

namespace vdr {

int32_t NetHostGame(double port) { return NetGameLayer().Host(ToInt(port)); }

int32_t NetJoinGame(const RuntimeString& host, double port) { return NetGameLayer().Join(host.c_str(), ToInt(port)); }

int32_t NetEndGame() { return NetGameLayer().End(); }

int32_t NetIsRunning() { return NetGameLayer().Running() ? 1 : 0; }

void NetAllowJoin(double flag) { NetGameLayer().AllowJoin(ToInt(flag) != 0); }

int32_t NetCreatePlayer(const RuntimeString& name) { return NetGameLayer().CreatePlayer(name.c_str()); }

void NetRemovePlayer(double id) { NetGameLayer().RemovePlayer(ToInt(id)); }

int32_t NetPlayerCount() { return NetGameLayer().PlayerCount(); }

int32_t NetPlayerId(double index) { return NetGameLayer().PlayerId(ToInt(index)); }

RuntimeString NetPlayerName(double id) { return NetGameLayer().PlayerName(ToInt(id)).c_str(); }

int32_t NetSendMessage(double fromId, double toId, const RuntimeString& text) {
  return NetGameLayer().SendText(ToInt(fromId), ToInt(toId), text.view()) ? 1 : 0;
}

RuntimeString NetGetMessage(double id) { return NetGameLayer().TakeMessage(ToInt(id)).c_str(); }

int32_t NetLastSender() { return NetGameLayer().LastSender(); }

int32_t NetLeftPlayer() { return NetGameLayer().TakeLeftPlayer(); }

void ShutDownNetGame() { NetGameLayer().Shutdown(); }

}  // namespace vdr
