#pragma once
// Writing a whole file so that it never exists half-written under its name.

#include <cstdint>
#include <span>
#include <string>

namespace vdr {

// Writes the bytes to a new file beside `path`, flushes it to disk and renames
// it over `path`. On any failure the temporary file is removed and whatever
// was at `path` before is left as it was.
bool ReplaceFileContents(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace vdr
