#pragma once
// Writing media packs (the layout is described in files/pack_reader.h): the
// entries' data, then the directory with its terminating zero, then the trailer.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vdr {

struct PackSourceFile {
  std::string name;  // bare name: 1 to 255 bytes, no "/", "\" or NUL
  std::vector<uint8_t> data;
};

// Told, now and then while an entry is compressed, how many of its bytes are done.
using PackProgress = std::function<void(size_t done)>;

// Entry data as stored: the unpacked length, then the data compressed with LZO1X-999.
bool CompressPackEntry(const uint8_t* data, size_t size, std::vector<uint8_t>& stored,
                       const PackProgress& progress = {});

// Writes a pack front to back through a sink, one entry at a time: each entry
// is compressed and handed on as it is added, so only one entry's data and
// its compressed form are in memory at once.
class PackBuilder {
 public:
  using Sink = std::function<bool(const uint8_t* bytes, size_t size)>;
  explicit PackBuilder(Sink sink) : sink_(std::move(sink)) {}

  // False, with a message, when the entry cannot be compressed or written,
  // or the pack would reach 2 GiB. Names are checked by CheckPackEntryNames.
  bool Add(const std::string& name, const uint8_t* data, size_t size, std::string& error,
           const PackProgress& progress = {});
  // The directory and the trailer. With `offsetsFromEnd` every offset counts
  // back from the end of the pack, so the pack still works after it is
  // appended to another file (an executable).
  bool Finish(bool offsetsFromEnd, std::string& error);

 private:
  struct Entry {
    std::string name;
    int64_t position;
    uint32_t length;
  };
  bool Write(const uint8_t* bytes, size_t size, std::string& error);

  Sink sink_;
  std::vector<Entry> entries_;
  int64_t written_ = 0;
  std::vector<uint8_t> stored_;
};

// True when every name may be an entry and no two are equal ignoring case
// (look-ups ignore it); else false with a message.
bool CheckPackEntryNames(const std::vector<std::string>& names, std::string& error);

// Builds a whole pack in memory. False, with a message, for bad or duplicate
// names and for packs of 2 GiB or more.
bool BuildPack(const std::vector<PackSourceFile>& files, bool offsetsFromEnd, std::vector<uint8_t>& pack,
               std::string& error);

// True for a name a pack entry may carry.
bool IsValidPackEntryName(const std::string& name);

}  // namespace vdr
