#include "net/http_request.h"

#include <cstdio>

namespace vdr {

std::optional<std::string> HttpGetRequest(const char* path, const char* host) {
  char buffer[kRequestBufferSize];
  const int length = std::snprintf(buffer, sizeof buffer,
                                   "GET %s HTTP/1.0\r\nHost:%s\r\nAccept: */*\r\nUser-Agent: Vendril\r\n\r\n", path,
                                   host);
  if (length < 0 || static_cast<size_t>(length) >= sizeof buffer) return std::nullopt;
  return std::string(buffer, static_cast<size_t>(length));
}

}  // namespace vdr
