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

// The path made absolute against the current folder ("\" read as "/").
std::string AbsolutePath(const std::string& path);

// Where a file read by the name `requested` (resolved to `resolved` when
// `found`) is written back, fixed now so that a later change of the current
// folder does not move it: nowhere ("") for a memory file or no name, the
// disk file it was found as, or the name asked for when it came from a pack
// or was not found.
std::string WriteBackPath(const std::string& requested, bool found, const std::string& resolved);

}  // namespace vdr
