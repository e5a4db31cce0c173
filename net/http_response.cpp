#include "net/http_response.h"

namespace vdr {

std::string_view ResponseSplitter::Feed(std::string_view chunk) {
  if (HeaderEnded()) return chunk;
  for (size_t i = 0; i < chunk.size(); ++i) {
    if (chunk[i] == '\r') continue;
    lineFeeds_ = chunk[i] == '\n' ? lineFeeds_ + 1 : 0;
    if (HeaderEnded()) return chunk.substr(i + 1);
  }
  return {};
}

void BodyText::Add(std::string_view piece) {
  if (gap_ || piece.empty()) return;
  if (static_cast<int64_t>(piece.size()) >= room_) {
    gap_ = true;
    return;
  }
  text_.append(piece);
  room_ -= static_cast<int64_t>(piece.size());
}

RuntimeString BodyText::Text() const {
  const size_t end = text_.find('\0');
  const size_t length = end == std::string::npos ? text_.size() : end;
  return RuntimeString(text_.data(), static_cast<uint32_t>(length));
}

}  // namespace vdr
