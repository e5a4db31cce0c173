#pragma once
// Paths as the platform sees them. Programs may write "\" or "/" in names;
// the system is always handed "/".

#include <string>

#include "runtime/runtime_string.h"

namespace vdr {

// The temporary folder with a trailing "/": $TEMP, else $TMPDIR, else /tmp.
std::string TempFolder();
// The running executable's full path, "/"-separated.
std::string ExecutablePath();
// The name with every "\" turned into "/".
std::string NativePath(const char* name);

}  // namespace vdr
