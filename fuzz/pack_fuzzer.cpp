// Fuzz target: the input is a media pack. Its directory is walked, a name is
// looked up and every entry unpacked, once with the pack in memory and once
// through the copying reads used for packs on disk.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "files/pack_input.h"
#include "files/pack_reader.h"

namespace {

// Reads like a pack on disk: no direct view of the bytes.
class CopyingInput final : public vdr::PackInput {
 public:
  explicit CopyingInput(const vdr::PackInput& bytes) : bytes_(bytes) {}
  uint64_t Size() const override { return bytes_.Size(); }
  bool ReadAt(uint64_t offset, void* out, size_t count) const override { return bytes_.ReadAt(offset, out, count); }
  const uint8_t* View(uint64_t, size_t) const override { return nullptr; }

 private:
  const vdr::PackInput& bytes_;
};

void Exercise(const vdr::PackInput& pack) {
  vdr::PackTrailer trailer;
  if (!vdr::ReadPackTrailer(pack, trailer)) return;
  int visited = 0;
  vdr::WalkPackDirectory(pack, trailer, [&](const vdr::PackEntry& entry) {
    vdr::ByteBlock unpacked;
    if (vdr::UnpackPackEntry(pack, entry, unpacked)) {
      // What is handed out is exactly the declared length, which the stream produced.
      uint8_t declared[4];
      if (!pack.ReadAt(static_cast<uint64_t>(entry.dataPosition), declared, 4) ||
          unpacked.size != vdr::ReadLittleEndian32(declared)) {
        std::abort();
      }
    }
    return ++visited < 256;
  });
  vdr::PackEntry found;
  vdr::FindPackEntry(pack, trailer, "Title.PNG", found);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vdr::MemoryPackInput pack(data, size);
  Exercise(pack);
  Exercise(CopyingInput(pack));
  return 0;
}
