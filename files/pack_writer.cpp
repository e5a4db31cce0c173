#include "files/pack_writer.h"

#include <lzo/lzo1x.h>

#include <climits>

#include "files/pack_reader.h"
#include "runtime/ascii.h"

namespace vdr {
namespace {

void AppendLittleEndian32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

bool IsValidPackEntryName(const std::string& name) {
  return !name.empty() && name.size() <= 255 && name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

bool CompressPackEntry(const uint8_t* data, size_t size, std::vector<uint8_t>& stored) {
  if (!InitialiseLzo() || size > INT32_MAX) return false;
  std::vector<uint8_t> workMemory(LZO1X_999_MEM_COMPRESS);
  stored.clear();
  AppendLittleEndian32(stored, static_cast<uint32_t>(size));
  stored.resize(4 + size + size / 16 + 64 + 3);  // the library's worst case for incompressible input
  lzo_uint compressed = stored.size() - 4;
  if (lzo1x_999_compress(data, size, stored.data() + 4, &compressed, workMemory.data()) != LZO_E_OK) return false;
  stored.resize(4 + compressed);
  return true;
}

bool BuildPack(const std::vector<PackSourceFile>& files, bool offsetsFromEnd, std::vector<uint8_t>& pack,
               std::string& error) {
  for (size_t i = 0; i < files.size(); ++i) {
    if (!IsValidPackEntryName(files[i].name)) {
      error = "bad entry name \"" + files[i].name + "\" (1 to 255 bytes, no folders)";
      return false;
    }
    for (size_t j = 0; j < i; ++j) {
      if (EqualIgnoringCase(files[i].name, files[j].name)) {
        error = "two entries named \"" + files[i].name + "\" (names are matched ignoring case)";
        return false;
      }
    }
  }
  pack.clear();
  std::vector<int64_t> positions;
  std::vector<uint32_t> lengths;
  std::vector<uint8_t> stored;
  for (const PackSourceFile& file : files) {
    if (!CompressPackEntry(file.data.data(), file.data.size(), stored)) {
      error = "cannot compress \"" + file.name + "\"";
      return false;
    }
    positions.push_back(static_cast<int64_t>(pack.size()));
    lengths.push_back(static_cast<uint32_t>(stored.size()));
    pack.insert(pack.end(), stored.begin(), stored.end());
  }
  const int64_t directoryStart = static_cast<int64_t>(pack.size());
  int64_t directoryLength = 1 + kPackTrailerSize;
  for (const PackSourceFile& file : files) directoryLength += 1 + static_cast<int64_t>(file.name.size()) + 8;
  const int64_t total = directoryStart + directoryLength;
  if (total > INT32_MAX) {
    error = "the pack would reach 2 GiB";
    return false;
  }
  // Offsets from the end are negative distances back from the last byte + 1.
  auto offsetOf = [&](int64_t position) { return static_cast<uint32_t>(offsetsFromEnd ? position - total : position); };
  for (size_t i = 0; i < files.size(); ++i) {
    pack.push_back(static_cast<uint8_t>(files[i].name.size()));
    pack.insert(pack.end(), files[i].name.begin(), files[i].name.end());
    AppendLittleEndian32(pack, offsetOf(positions[i]));
    AppendLittleEndian32(pack, lengths[i]);
  }
  pack.push_back(0);
  pack.insert(pack.end(), kPackSignature, kPackSignature + sizeof kPackSignature);
  AppendLittleEndian32(pack, offsetOf(directoryStart));
  return true;
}

}  // namespace vdr
