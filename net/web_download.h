#pragma once
// Web download: one plain HTTP/1.0 GET to a server, read until the server
// closes the connection; the body after the header block is the result,
// whatever the status (an error page is a body like any other). No TLS, no
// redirects, no chunked decoding. The transfer blocks the calling thread
// with no limit once connected. Port 0 means 80; connect time-outs follow
// TcpConnect (net/socket_commands.h), console lines included. The reason for
// a failure is left in the socket error (SocketErrorText).
//
// A request whose path and host do not fit the 1024-byte request buffer is
// refused before anything is sent (error 10040). A download counts only when
// the header block ended and the server then closed the connection in good
// order; a reset or a close inside the header block is a failure.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

// Saves the body under `fileName` ("/" or "\" separated; memory file names
// are refused). The file is replaced only by a download that counts, so a
// failed one leaves an existing file as it was. 1 when it counts, else 0.
int32_t WebGetFile(const RuntimeString& host, const RuntimeString& path, double port, const RuntimeString& fileName,
                   double timeoutMs);
// The body as text: at most maxLength characters, up to its first zero byte,
// always the start of the body. It gathers the body in the pieces it arrives
// in and takes a piece only while it fits, so a body longer than maxLength
// may give fewer characters, or none. On failure: what was gathered.
RuntimeString WebGetText(const RuntimeString& host, const RuntimeString& path, double port, double maxLength,
                         double timeoutMs);

}  // namespace vdr
