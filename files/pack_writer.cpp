#include "files/pack_writer.h"

#include <lzo/lzo1x.h>

#include <climits>

#include "files/pack_reader.h"
#include "runtime/ascii.h"

namespace vdr {
namespace {

// The level lzo1x_999_compress uses.
constexpr int kCompressionLevel = 8;

void AppendLittleEndian32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void ReportProgress(lzo_callback_p self, lzo_uint done, lzo_uint, int) {
  (*static_cast<const PackProgress*>(self->user1))(done);
}

}  // namespace

bool IsValidPackEntryName(const std::string& name) {
  return !name.empty() && name.size() <= 255 && name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

bool CheckPackEntryNames(const std::vector<std::string>& names, std::string& error) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (!IsValidPackEntryName(names[i])) {
      error = "bad entry name \"" + names[i] + "\" (1 to 255 bytes, no folders)";
      return false;
    }
    for (size_t j = 0; j < i; ++j) {
      if (EqualIgnoringCase(names[i], names[j])) {
        error = "two entries named \"" + names[i] + "\" (names are matched ignoring case)";
        return false;
      }
    }
  }
  return true;
}

bool CompressPackEntry(const uint8_t* data, size_t size, std::vector<uint8_t>& stored, const PackProgress& progress) {
  if (!InitialiseLzo() || size > INT32_MAX) return false;
  std::vector<uint8_t> workMemory(LZO1X_999_MEM_COMPRESS);
  stored.clear();
  AppendLittleEndian32(stored, static_cast<uint32_t>(size));
  stored.resize(4 + size + size / 16 + 64 + 3);  // the library's worst case for incompressible input
  lzo_uint compressed = stored.size() - 4;
  lzo_callback_t callback{};
  if (progress) {
    callback.nprogress = ReportProgress;
    callback.user1 = const_cast<PackProgress*>(&progress);
  }
  if (lzo1x_999_compress_level(data, size, stored.data() + 4, &compressed, workMemory.data(), nullptr, 0,
                               progress ? &callback : nullptr, kCompressionLevel) != LZO_E_OK) {
    return false;
  }
  stored.resize(4 + compressed);
  return true;
}

bool PackBuilder::Write(const uint8_t* bytes, size_t size, std::string& error) {
  if (!sink_(bytes, size)) {
    error = "cannot write the pack";
    return false;
  }
  written_ += static_cast<int64_t>(size);
  return true;
}

bool PackBuilder::Add(const std::string& name, const uint8_t* data, size_t size, std::string& error,
                      const PackProgress& progress) {
  if (!CompressPackEntry(data, size, stored_, progress)) {
    error = "cannot compress \"" + name + "\"";
    return false;
  }
  if (written_ + static_cast<int64_t>(stored_.size()) > INT32_MAX) {
    error = "the pack would reach 2 GiB";
    return false;
  }
  entries_.push_back({name, written_, static_cast<uint32_t>(stored_.size())});
  const bool written = Write(stored_.data(), stored_.size(), error);
  std::vector<uint8_t>().swap(stored_);
  return written;
}

bool PackBuilder::Finish(bool offsetsFromEnd, std::string& error) {
  const int64_t directoryStart = written_;
  int64_t directoryLength = 1 + kPackTrailerSize;
  for (const Entry& entry : entries_) directoryLength += 1 + static_cast<int64_t>(entry.name.size()) + 8;
  const int64_t total = directoryStart + directoryLength;
  if (total > INT32_MAX) {
    error = "the pack would reach 2 GiB";
    return false;
  }
  // Offsets from the end are negative distances back from the last byte + 1.
  auto offsetOf = [&](int64_t position) { return static_cast<uint32_t>(offsetsFromEnd ? position - total : position); };
  std::vector<uint8_t> directory;
  for (const Entry& entry : entries_) {
    directory.push_back(static_cast<uint8_t>(entry.name.size()));
    directory.insert(directory.end(), entry.name.begin(), entry.name.end());
    AppendLittleEndian32(directory, offsetOf(entry.position));
    AppendLittleEndian32(directory, entry.length);
  }
  directory.push_back(0);
  directory.insert(directory.end(), kPackSignature, kPackSignature + sizeof kPackSignature);
  AppendLittleEndian32(directory, offsetOf(directoryStart));
  return Write(directory.data(), directory.size(), error);
}

bool BuildPack(const std::vector<PackSourceFile>& files, bool offsetsFromEnd, std::vector<uint8_t>& pack,
               std::string& error) {
  std::vector<std::string> names;
  for (const PackSourceFile& file : files) names.push_back(file.name);
  if (!CheckPackEntryNames(names, error)) return false;
  pack.clear();
  PackBuilder builder([&](const uint8_t* bytes, size_t size) {
    pack.insert(pack.end(), bytes, bytes + size);
    return true;
  });
  for (const PackSourceFile& file : files) {
    if (!builder.Add(file.name, file.data.data(), file.data.size(), error)) return false;
  }
  return builder.Finish(offsetsFromEnd, error);
}

}  // namespace vdr
