#pragma once
// Writing media packs (the layout is described in files/pack_reader.h): the
// entries' data, then the directory with its terminating zero, then the trailer.

#include <cstdint>
#include <string>
#include <vector>

namespace vdr {

struct PackSourceFile {
  std::string name;  // bare name: 1 to 255 bytes, no "/", "\" or NUL
  std::vector<uint8_t> data;
};

// Entry data as stored: the unpacked length, then the data compressed with LZO1X-999.
bool CompressPackEntry(const uint8_t* data, size_t size, std::vector<uint8_t>& stored);

// Builds a whole pack. With `offsetsFromEnd` every offset counts back from the
// end of the pack, so the pack still works after it is appended to another file
// (an executable). False, with a message, for bad or duplicate names (duplicates
// ignoring case, as look-ups ignore it) and for packs of 2 GiB or more.
bool BuildPack(const std::vector<PackSourceFile>& files, bool offsetsFromEnd, std::vector<uint8_t>& pack,
               std::string& error);

// True for a name a pack entry may carry.
bool IsValidPackEntryName(const std::string& name);

}  // namespace vdr
