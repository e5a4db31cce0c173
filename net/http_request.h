#pragma once
// The one request of the web download: a plain HTTP/1.0 GET.

#include <optional>
#include <string>

namespace vdr {

// Requests are built in a buffer of this size, terminator included.
constexpr size_t kRequestBufferSize = 1024;

// "GET <path> HTTP/1.0\r\nHost:<host>\r\nAccept: */*\r\nUser-Agent: Vendril\r\n\r\n",
// or nothing when it would not fit the request buffer.
std::optional<std::string> HttpGetRequest(const char* path, const char* host);

}  // namespace vdr
