#pragma once
// Network-game commands as programs call them: numbers are taken as 32-bit
// integers (ToInt) and handed to the network game (net/net_game.h). One
// program hosts (its server is also its own first client), the others join
// by host name; each creates players, which get ids from 101, and sends them
// text messages through the server. Queries wait about 5 seconds for their
// reply at most.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

// Ports below 1 are 27910. 1 when the server runs and this program is
// connected to it, else 0.
int32_t NetHostGame(double port);
// 1 when the server answered, else 0.
int32_t NetJoinGame(const RuntimeString& host, double port);
// Ends the network game; the uses of the socket library left, or its last
// error.
int32_t NetEndGame();
// 1 while the network thread runs (it ends when the server connection does).
int32_t NetIsRunning();
// Nonzero: new connections and players are taken (the start).
void NetAllowJoin(double flag);
// The new player's id, or 0 when the server gives none in about 5 seconds.
int32_t NetCreatePlayer(const RuntimeString& name);
// Sends the leave of one of this program's players.
void NetRemovePlayer(double id);
// The number of players with an id (hidden query players too).
int32_t NetPlayerCount();
// The id of the index-th visible player, or 0.
int32_t NetPlayerId(double index);
// The player's name, or "NO_DATA".
RuntimeString NetPlayerName(double id);
// To 0 means to every other visible player. 1 when sent; 0 for a text above
// 1024 bytes, which is not sent.
int32_t NetSendMessage(double fromId, double toId, const RuntimeString& text);
// The oldest message for one of this program's players, or an empty text.
RuntimeString NetGetMessage(double id);
// The sender of the message NetGetMessage returned last.
int32_t NetLastSender();
// On the host, the id of a player who left, each once; else 0.
int32_t NetLeftPlayer();

}  // namespace vdr
