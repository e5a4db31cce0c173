#include "net/net_message_reader.h"

namespace vdr {

void NetMessageReader::Append(const char* bytes, size_t count) {
  if (broken_) return;
  if (start_ > 0 && start_ == bytes_.size()) {
    bytes_.clear();
    start_ = 0;
  } else if (start_ >= 4096) {
    bytes_.erase(0, start_);
    start_ = 0;
  }
  bytes_.append(bytes, count);
}

std::optional<NetMessage> NetMessageReader::Next() {
  if (broken_ || Pending() < kNetHeaderSize) return std::nullopt;
  const char* header = bytes_.data() + start_;
  const size_t length = AnnouncedLength(header);
  if (length > kNetMaxPayload) {
    broken_ = true;
    return std::nullopt;
  }
  if (Pending() < kNetHeaderSize + length) return std::nullopt;
  NetMessage message = DecodeMessage(header, std::string_view(header + kNetHeaderSize, length));
  start_ += kNetHeaderSize + length;
  return message;
}

}  // namespace vdr
