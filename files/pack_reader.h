#pragma once
// Reading media packs. A pack ends with a 7-byte trailer: "sbX" and a signed
// 32-bit directory offset (negative: counted back from the end of the file,
// else from its start). The directory is a list of entries, each a name length
// byte, the name, a signed 32-bit data offset (counted from the same end as the
// directory offset) and a 32-bit stored length; a zero length byte ends it.
// Entry data is the 32-bit unpacked length followed by the LZO1X stream.
// All integers are little-endian. Packs come from outside: every offset and
// length is checked against the pack before it is used.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "files/byte_block.h"
#include "files/pack_input.h"

namespace vdr {

inline constexpr char kPackSignature[3] = {'s', 'b', 'X'};
inline constexpr size_t kPackTrailerSize = 7;

struct PackTrailer {
  int32_t directoryOffset = 0;
  bool fromEnd = false;  // offsets count back from the end of the pack
};

struct PackEntry {
  std::string name;
  int32_t dataOffset = 0;
  uint32_t storedLength = 0;
  // Where the stored bytes start; -1 when the offset points outside the pack.
  int64_t dataPosition = -1;
};

// False when the pack is shorter than the trailer or its signature is wrong.
bool ReadPackTrailer(const PackInput& pack, PackTrailer& trailer);

// Calls `visit` for each directory entry in order until it returns false.
// Returns false when the directory runs past the end of the pack before its
// terminating zero (a walk that `visit` stopped counts as complete).
bool WalkPackDirectory(const PackInput& pack, const PackTrailer& trailer,
                       const std::function<bool(const PackEntry&)>& visit);

// The first entry whose name equals `bareName` ignoring ASCII letter case.
bool FindPackEntry(const PackInput& pack, const PackTrailer& trailer, std::string_view bareName, PackEntry& found);

// Unpacks an entry into a new block holding exactly its unpacked length.
// False when its data lies outside the pack, when the declared length is more
// than the stored stream could ever produce, when memory is short, or when the
// stream is damaged or yields another length than declared.
bool UnpackPackEntry(const PackInput& pack, const PackEntry& entry, ByteBlock& unpacked);

// The largest output an LZO1X stream of `streamLength` bytes can produce
// (a long match costs one byte per 255 bytes it yields, plus its header).
inline uint64_t MaxUnpackedLength(uint64_t streamLength) { return 256 * streamLength + 256; }

// The part of a path after its last "/" or "\".
std::string_view BareFileName(std::string_view path);

uint32_t ReadLittleEndian32(const uint8_t* bytes);
// Readies the compression library once; false when it cannot run here.
bool InitialiseLzo();

}  // namespace vdr
