#include "modal/chooser/chooser_entries.h"

#include <algorithm>

#include "files/file_system.h"

namespace vdr {
namespace {

// FileList counts files + 65536 x folders, and its array holds folders +
// files; the difference is 65535 x folders whatever the number of files.
int32_t FolderCount(int32_t listCount, int32_t total) {
  const int64_t difference = static_cast<int64_t>(static_cast<uint32_t>(listCount)) - total;
  return static_cast<int32_t>(std::clamp<int64_t>(difference / 65535, 0, total));
}

}  // namespace

std::vector<ChooserEntry> EntriesFromListing(const RuntimeArray<RuntimeString>& listing, int32_t listCount,
                                             const FileFilter& filter, bool atRoot) {
  const int32_t total = listing.Count();
  const int32_t folders = FolderCount(listCount, total);
  std::vector<ChooserEntry> entries;
  if (!atRoot) entries.push_back(ChooserEntry{"..", true});
  for (int32_t i = 0; i < total; ++i) {
    const RuntimeString& name = listing[i];
    if (i < folders) {
      if (name != "." && name != "..") entries.push_back(ChooserEntry{name.c_str(), true});
    } else if (MatchesFileFilter(filter, name.c_str())) {
      entries.push_back(ChooserEntry{name.c_str(), false});
    }
  }
  return entries;
}

std::vector<ChooserEntry> ListCurrentFolder(const FileFilter& filter) {
  RuntimeArray<RuntimeString> listing;
  const int32_t count = FileList("*.*", listing);
  return EntriesFromListing(listing, count, filter, CurrentDir() == "/");
}

}  // namespace vdr
