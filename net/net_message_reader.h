#pragma once
// The bytes received on one connection, cut into whole messages. TCP hands
// over a stream: a message may arrive in pieces, several may arrive at once.
// A message is given out only when it is whole; a header announcing more
// than 1024 payload bytes breaks the stream, which cannot be framed again.

#include <cstddef>
#include <optional>
#include <string>

#include "net/net_message.h"

namespace vdr {

class NetMessageReader {
 public:
  void Append(const char* bytes, size_t count);
  // The oldest whole message not yet given out, or nothing.
  std::optional<NetMessage> Next();
  // A header announced an oversized payload; nothing more comes out.
  bool Broken() const { return broken_; }
  // Bytes received that do not make a whole message yet.
  size_t Pending() const { return bytes_.size() - start_; }

 private:
  std::string bytes_;
  size_t start_ = 0;  // the first byte not given out
  bool broken_ = false;
};

}  // namespace vdr
