#pragma once
// The network game's messages as they travel: a 7-byte little-endian header
// (type, payload length, to, from) and at most 1024 payload bytes. Player ids
// are handed out from 101; ids at or above 0xFF00 mark a player still
// waiting for one. No socket is touched here.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vdr {

constexpr size_t kNetHeaderSize = 7;
constexpr size_t kNetMaxPayload = 1024;

enum NetMessageType : uint8_t {
  kNetJoin = 1,       // client to server: a player record
  kNetJoined = 2,     // server to client: to = the new id
  kNetText = 3,       // player to player, through the server
  kNetLeave = 4,      // client to server: from = the leaving player
  kNetCount = 101,    // reply: uint16 number of players with an id
  kNetIdAt = 102,     // request: uint16 index; reply: uint16 id or 0
  kNetName = 103,     // request: uint16 id; reply: the name or "NO_DATA"
  kNetHello = 104,    // reply: uint16 1
};
// Types above this one are queries, answered to the requester.
constexpr uint8_t kNetLastNonQuery = 99;

constexpr uint16_t kNetServer = 0;
constexpr uint16_t kNetEveryone = 0xFFFF;
constexpr uint16_t kNetFirstId = 101;
constexpr uint16_t kNetNoId = 0xFF00;          // first of the ids that are none
constexpr uint16_t kNetJoinToSend = 0xFFFE;    // a new player's join request is due
constexpr uint16_t kNetJoinSent = 0xFFFC;      // its join request is on its way

// An id the server gave out.
constexpr bool IsAssignedId(uint32_t id) { return id != 0 && id < kNetNoId; }

struct NetMessage {
  uint8_t type = 0;
  uint16_t to = 0;
  uint16_t from = 0;
  std::string payload;  // at most kNetMaxPayload bytes
};

// The header and the payload in one block.
std::string EncodeMessage(const NetMessage& message);
// The payload length a header announces.
uint16_t AnnouncedLength(const char* header);
// A message from a header and its payload.
NetMessage DecodeMessage(const char* header, std::string_view payload);

// The 148-byte join payload: int32 handle and uint16 id (both ignored by the
// receiver), hidden flag, host flag, a zero-terminated name in 128 bytes and
// 12 unused bytes.
constexpr size_t kNetPlayerRecordSize = 148;
constexpr size_t kNetNameSize = 128;
struct NetPlayerRecord {
  uint8_t hidden = 0;
  uint8_t host = 0;
  std::string name;
};
// A name longer than 127 bytes is cut.
std::string EncodePlayerRecord(const NetPlayerRecord& record);
// Nothing for a payload shorter than the record or a name without its zero.
std::optional<NetPlayerRecord> DecodePlayerRecord(std::string_view payload);

std::string EncodeNumber(uint16_t value);
// The first two payload bytes; nothing when there are fewer.
std::optional<uint16_t> DecodeNumber(std::string_view payload);
// The payload up to its first zero byte.
std::string_view TextUpToZero(std::string_view payload);

}  // namespace vdr
