#pragma once
// A player of a network game: on the server, a record of the player list
// with the connection it came through; in a program, one of its own players
// with the user messages received for it.

#include <cstdint>
#include <deque>
#include <string>

#include "net/net_message.h"

namespace vdr {

struct NetPlayer {
  int32_t handle = -1;  // on the server: the socket handle of its connection
  uint16_t id = kNetJoinToSend;
  uint8_t hidden = 0;   // 1 for query players
  uint8_t host = 0;
  std::string name;
  std::deque<NetMessage> messages;  // user messages received, oldest first
};

}  // namespace vdr
