#pragma once
// Replacing a file's content without ever leaving it half written: the new
// bytes go into a temporary file beside it, which then takes its name.

#include <string>
#include <string_view>

namespace vdr {

// Writes `bytes` as the whole content of the disk file `path` ("\" read as
// "/"), keeping the permissions of the file it replaces. False when anything
// fails; the old file is then as it was and no temporary file stays behind.
bool ReplaceFile(const std::string& path, std::string_view bytes);

// The path made absolute against the current folder ("\" read as "/"), so
// that a file opened now is written back to the same place later.
std::string AbsolutePath(const std::string& path);

}  // namespace vdr
