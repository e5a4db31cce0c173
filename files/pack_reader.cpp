#include "files/pack_reader.h"

#include <lzo/lzo1x.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "runtime/ascii.h"

namespace vdr {
namespace {

// Reads the directory front to back in blocks, so a pack on disk costs a few
// reads rather than three per entry.
class DirectoryCursor {
 public:
  DirectoryCursor(const PackInput& pack, uint64_t position) : pack_(pack), position_(position) {}

  bool Read(void* out, size_t count) {
    auto* target = static_cast<uint8_t*>(out);
    while (count > 0) {
      if (position_ < bufferStart_ || position_ >= bufferStart_ + bufferLength_) {
        if (position_ >= pack_.Size()) return false;
        bufferStart_ = position_;
        bufferLength_ = static_cast<size_t>(std::min<uint64_t>(sizeof buffer_, pack_.Size() - position_));
        if (!pack_.ReadAt(bufferStart_, buffer_, bufferLength_)) return false;
      }
      const size_t offset = static_cast<size_t>(position_ - bufferStart_);
      const size_t n = std::min(count, bufferLength_ - offset);
      std::memcpy(target, buffer_ + offset, n);
      target += n;
      count -= n;
      position_ += n;
    }
    return true;
  }

 private:
  const PackInput& pack_;
  uint64_t position_;
  uint64_t bufferStart_ = 0;
  size_t bufferLength_ = 0;
  uint8_t buffer_[4096];
};

// A signed offset from the start or, for negative trailers, from the end;
// -1 when it lands outside the pack.
int64_t PositionInPack(const PackInput& pack, bool fromEnd, int32_t offset) {
  const int64_t size = static_cast<int64_t>(std::min<uint64_t>(pack.Size(), INT64_MAX / 2));
  const int64_t position = fromEnd ? size + offset : int64_t{offset};
  return position >= 0 && position <= size ? position : -1;
}

}  // namespace

bool InitialiseLzo() {
  static const bool ready = lzo_init() == LZO_E_OK;
  return ready;
}

uint32_t ReadLittleEndian32(const uint8_t* bytes) {
  return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

std::string_view BareFileName(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool ReadPackTrailer(const PackInput& pack, PackTrailer& trailer) {
  uint8_t bytes[kPackTrailerSize];
  if (pack.Size() < kPackTrailerSize || !pack.ReadAt(pack.Size() - kPackTrailerSize, bytes, sizeof bytes)) return false;
  if (std::memcmp(bytes, kPackSignature, sizeof kPackSignature) != 0) return false;
  trailer.directoryOffset = static_cast<int32_t>(ReadLittleEndian32(bytes + 3));
  trailer.fromEnd = trailer.directoryOffset < 0;
  return true;
}

bool WalkPackDirectory(const PackInput& pack, const PackTrailer& trailer,
                       const std::function<bool(const PackEntry&)>& visit) {
  const int64_t start = PositionInPack(pack, trailer.fromEnd, trailer.directoryOffset);
  if (start < 0) return false;
  DirectoryCursor cursor(pack, static_cast<uint64_t>(start));
  PackEntry entry;
  for (;;) {
    uint8_t nameLength = 0;
    if (!cursor.Read(&nameLength, 1)) return false;
    if (nameLength == 0) return true;
    char name[255];
    uint8_t fields[8];
    if (!cursor.Read(name, nameLength) || !cursor.Read(fields, sizeof fields)) return false;
    entry.name.assign(name, nameLength);
    entry.dataOffset = static_cast<int32_t>(ReadLittleEndian32(fields));
    entry.storedLength = ReadLittleEndian32(fields + 4);
    entry.dataPosition = PositionInPack(pack, trailer.fromEnd, entry.dataOffset);
    if (!visit(entry)) return true;
  }
}

bool FindPackEntry(const PackInput& pack, const PackTrailer& trailer, std::string_view bareName, PackEntry& found) {
  bool matched = false;
  WalkPackDirectory(pack, trailer, [&](const PackEntry& entry) {
    matched = EqualIgnoringCase(entry.name, bareName);
    if (matched) found = entry;
    return !matched;
  });
  return matched;
}

bool UnpackPackEntry(const PackInput& pack, const PackEntry& entry, ByteBlock& unpacked) {
  const uint64_t stored = entry.storedLength;
  if (entry.dataPosition < 0 || stored < 4 || stored > pack.Size() - static_cast<uint64_t>(entry.dataPosition)) {
    return false;
  }
  const auto position = static_cast<uint64_t>(entry.dataPosition);
  const uint8_t* data = pack.View(position, stored);
  ByteBlock copy;
  if (data == nullptr) {
    if (!copy.Allocate(stored) || !pack.ReadAt(position, copy.bytes.get(), stored)) return false;
    data = copy.bytes.get();
  }
  const uint32_t length = ReadLittleEndian32(data);
  const uint64_t streamLength = stored - 4;
  if (length > INT32_MAX || length > MaxUnpackedLength(streamLength)) return false;
  if (!InitialiseLzo() || !unpacked.Allocate(length)) return false;
  lzo_uint produced = length;
  const int result = lzo1x_decompress_safe(data + 4, streamLength, unpacked.bytes.get(), &produced, nullptr);
  if (result != LZO_E_OK || produced != length) {
    unpacked = ByteBlock();
    return false;
  }
  return true;
}

}  // namespace vdr
