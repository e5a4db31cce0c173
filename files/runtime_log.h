#pragma once
// The runtime log "ErrorLog.txt" in the temporary folder: one line per call,
// CRLF line ends, the file never kept open between lines.

#include <string>

namespace vdr {

std::string RuntimeLogPath();
// Appends text and "\r\n". Tries five times, 10 ms apart, when the file is
// busy or cannot be opened; then the line is dropped silently.
void WriteLogLine(const char* text);
void DeleteRuntimeLog();

}  // namespace vdr
