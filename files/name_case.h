#pragma once
// Names on disk without regard to letter case. Programs written for this
// runtime name their files as the pack look-up matches them, ignoring case,
// so a file has to be found the same way whether it is packed or on disk.

#include <string>

namespace vdr {

// The disk path for a name ("\" read as "/"). A path that exists as given is
// returned as it is. Otherwise each component, from the first, stays as
// given where it exists and else becomes the first entry of its folder, in
// directory order, that equals it ignoring case. From the first component
// that matches nothing, the rest stays as given: a file about to be created
// keeps its spelling and goes into the folders that are there.
std::string DiskPath(const char* name);

}  // namespace vdr
