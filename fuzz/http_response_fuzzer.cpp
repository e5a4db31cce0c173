// Fuzz target: an HTTP response as the web download reads it, fed in chunks.
// Byte 0 sets the text's maximum length (times 4), byte 1 seeds the chunk
// sizes (1 to 1023 bytes, the most one receive takes); the rest is the
// response. Wherever the chunks break, the body must be what follows the
// first two line feeds in a row (carriage returns aside), and the text must
// be the start of the body within its maximum length, all of the body (up
// to a zero byte) when it fits.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/http_response.h"

namespace {

// The body by a plain scan of the whole response; false when the header
// block never ends.
bool ReferenceBody(std::string_view response, std::string& body) {
  bool lineFeedBefore = false;
  for (size_t i = 0; i < response.size(); ++i) {
    const char byte = response[i];
    if (byte == '\r') continue;
    if (byte == '\n' && lineFeedBefore) {
      body = response.substr(i + 1);
      return true;
    }
    lineFeedBefore = byte == '\n';
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int32_t maxLength = data[0] * 4;
  uint32_t state = data[1] * 2654435761u + 1;
  const std::string_view response(reinterpret_cast<const char*>(data + 2), size - 2);

  vdr::ResponseSplitter splitter;
  vdr::BodyText text(maxLength);
  std::string body;
  for (size_t at = 0; at < response.size();) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    const size_t longest = state & 0x100 ? 1023 : 16;
    const size_t count = std::min<size_t>(1 + state % longest, response.size() - at);
    const std::string_view piece = splitter.Feed(response.substr(at, count));
    if (piece.size() > count) std::abort();
    body += piece;
    text.Add(piece);
    at += count;
  }

  std::string expected;
  if (splitter.HeaderEnded() != ReferenceBody(response, expected) || body != expected) std::abort();
  const vdr::RuntimeString gathered = text.Text();
  const std::string_view got = gathered.view();
  if (got.size() > static_cast<size_t>(maxLength) || body.compare(0, got.size(), got) != 0) std::abort();
  if (got.find('\0') != std::string_view::npos) std::abort();
  const std::string_view whole = std::string_view(body).substr(0, body.find('\0'));
  if (body.size() <= static_cast<size_t>(maxLength) && got != whole) std::abort();
  return 0;
}
