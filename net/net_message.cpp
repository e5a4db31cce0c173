#include "net/net_message.h"

#include <algorithm>

namespace vdr {
namespace {

void PutNumber(std::string& out, uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

uint16_t GetNumber(const char* bytes) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[0]) | static_cast<uint8_t>(bytes[1]) << 8);
}

}  // namespace

std::string EncodeMessage(const NetMessage& message) {
  std::string out;
  out.reserve(kNetHeaderSize + message.payload.size());
  out += static_cast<char>(message.type);
  PutNumber(out, static_cast<uint16_t>(message.payload.size()));
  PutNumber(out, message.to);
  PutNumber(out, message.from);
  out += message.payload;
  return out;
}

uint16_t AnnouncedLength(const char* header) { return GetNumber(header + 1); }

NetMessage DecodeMessage(const char* header, std::string_view payload) {
  return {static_cast<uint8_t>(header[0]), GetNumber(header + 3), GetNumber(header + 5), std::string(payload)};
}

std::string EncodePlayerRecord(const NetPlayerRecord& record) {
  std::string out(kNetPlayerRecordSize, '\0');
  out[6] = static_cast<char>(record.hidden);
  out[7] = static_cast<char>(record.host);
  const size_t length = std::min(record.name.size(), kNetNameSize - 1);
  std::copy_n(record.name.begin(), length, out.begin() + 8);
  return out;
}

std::optional<NetPlayerRecord> DecodePlayerRecord(std::string_view payload) {
  if (payload.size() < kNetPlayerRecordSize) return std::nullopt;
  const std::string_view field = payload.substr(8, kNetNameSize);
  const size_t end = field.find('\0');
  if (end == std::string_view::npos) return std::nullopt;
  return NetPlayerRecord{static_cast<uint8_t>(payload[6]), static_cast<uint8_t>(payload[7]),
                         std::string(field.substr(0, end))};
}

std::string EncodeNumber(uint16_t value) {
  std::string out;
  PutNumber(out, value);
  return out;
}

std::optional<uint16_t> DecodeNumber(std::string_view payload) {
  if (payload.size() < 2) return std::nullopt;
  return GetNumber(payload.data());
}

std::string_view TextUpToZero(std::string_view payload) { return payload.substr(0, payload.find('\0')); }

}  // namespace vdr
