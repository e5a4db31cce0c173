#pragma once
// What the file chooser lists for a folder: the way up, the sub-folders and
// the files that pass the filter.

#include <cstdint>
#include <string>
#include <vector>

#include "modal/chooser/file_filter.h"
#include "runtime/runtime_array.h"
#include "runtime/runtime_string.h"

namespace vdr {

struct ChooserEntry {
  std::string name;
  bool folder = false;
  bool operator==(const ChooserEntry&) const = default;
};

// From a FileList result (its array and its count): ".." first unless the
// folder is the root, then the sub-folders ("." and ".." left out), then the
// files that match the filter, in the listing's order (ignoring case).
std::vector<ChooserEntry> EntriesFromListing(const RuntimeArray<RuntimeString>& listing, int32_t listCount,
                                             const FileFilter& filter, bool atRoot);

// The entries of the current folder.
std::vector<ChooserEntry> ListCurrentFolder(const FileFilter& filter);

}  // namespace vdr
