#pragma once
// The error codes programs see from the socket commands. System errors are
// reported with the numbers of the classic Berkeley-style socket error set
// (10000 + the BSD error number: 10035 would block, 10036 in progress,
// 10054 reset, ...); the runtime adds 8 for a full socket table and 0.

#include <cstdint>
#include <string>

namespace vdr {

constexpr int32_t kSocketTableFull = 8;
constexpr int32_t kSocketInvalidArgument = 10022;
constexpr int32_t kSocketWouldBlock = 10035;
constexpr int32_t kSocketInProgress = 10036;  // also a connect that timed out
constexpr int32_t kSocketNotSocket = 10038;   // a handle that names no open entry
constexpr int32_t kSocketMessageTooLong = 10040;
constexpr int32_t kSocketReset = 10054;       // also a write to a closed connection
constexpr int32_t kSocketNotInitialised = 10093;
constexpr int32_t kSocketHostNotFound = 11001;

// The code for a system error number (errno). Numbers without a socket
// meaning are passed on unchanged.
int32_t SocketErrorCode(int systemError);
// The code for a getaddrinfo result; EAI_SYSTEM takes `systemError`.
int32_t ResolverErrorCode(int resolverError, int systemError);
// The system's message for a code, or empty when it has none.
std::string SocketErrorMessage(int32_t code);

}  // namespace vdr
