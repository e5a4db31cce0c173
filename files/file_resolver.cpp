#include "files/file_resolver.h"

#include <fcntl.h>
#include <unistd.h>

#include <memory>
#include <utility>

#include "files/fd_io.h"
#include "files/file_source.h"
#include "files/pack_reader.h"
#include "files/platform_paths.h"
#include "runtime/process_object.h"

namespace vdr {

bool ResolverContext::Resolve(const std::string& requested, std::string& resolved) {
  DiscardExtraction();
  resolved = requested;
  if (requested.empty()) return false;
  if (IsMemoryFileName(requested.c_str())) return FindMemoryFile(requested.c_str()) != nullptr;
  int64_t size = 0;
  if (OpenDiskFileForReading(requested.c_str(), size, &resolved).Valid()) return true;
  if (packName_.empty()) enabled_ = false;
  if (!enabled_) return false;
  switch (ResolveInPack(requested, resolved)) {
    case PackLookup::kFound:
      return true;
    case PackLookup::kNotThere:
      resolved.clear();
      return false;
    case PackLookup::kNoPack:
      enabled_ = false;
      return false;
    case PackLookup::kNoTemporaryFile:  // the request stays as it was
      return false;
  }
  return false;
}

ResolverContext::PackLookup ResolverContext::ResolveInPack(const std::string& requested, std::string& resolved) {
  FileSource source;
  if (!source.Open(packName_.c_str())) return PackLookup::kNoPack;
  std::unique_ptr<PackInput> pack;
  if (source.IsMemory()) {
    pack = std::make_unique<MemoryPackInput>(source.MemoryBytes(), static_cast<size_t>(source.Size()));
  } else {
    pack = std::make_unique<FilePackInput>(source.Descriptor());
  }
  PackTrailer trailer;
  PackEntry entry;
  auto block = std::make_shared<ByteBlock>();
  if (!ReadPackTrailer(*pack, trailer) || !FindPackEntry(*pack, trailer, BareFileName(requested), entry) ||
      !UnpackPackEntry(*pack, entry, *block)) {
    return PackLookup::kNotThere;
  }
  if (into_ == ExtractInto::kMemoryFile) {
    extraction_ = MemoryFile(std::move(block));
    resolved = extraction_.Name();
    return PackLookup::kFound;
  }
  // "sbx", two letters from the entry's offset and length, then its name.
  std::string path = TempFolder() + "sbx";
  path += static_cast<char>('A' + static_cast<uint8_t>(entry.dataOffset) % 26);
  path += static_cast<char>('A' + static_cast<uint8_t>(entry.storedLength) % 26);
  path += entry.name;
  if (!WriteTemporaryFile(path, *block)) return PackLookup::kNoTemporaryFile;
  temporaryFile_ = path;
  resolved = path;
  return PackLookup::kFound;
}

bool ResolverContext::WriteTemporaryFile(const std::string& path, const ByteBlock& data) {
  ::unlink(path.c_str());
  // Exclusive creation: never write through a link someone placed there.
  UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  if (!fd.Valid()) return false;
  if (WriteFully(fd.Get(), data.bytes.get(), data.size)) return true;
  ::unlink(path.c_str());
  return false;
}

void ResolverContext::SetPack(const std::string& packName) {
  DiscardExtraction();
  enabled_ = true;
  packName_ = packName;
}

void ResolverContext::DiscardExtraction() {
  extraction_.Withdraw();
  if (!temporaryFile_.empty()) ::unlink(temporaryFile_.c_str());
  temporaryFile_.clear();
}

void ResolverContext::Release() {
  DiscardExtraction();
  enabled_ = false;
  packName_.clear();
}

ResolverContext& MemoryContext() { return Registered<ResolverContexts>().memory; }

ResolverContext& DiskContext() { return Registered<ResolverContexts>().disk; }

void CreateResolverContexts(const std::string& packPath) {
  const std::string pack = NativePath(packPath.c_str());
  DiskContext().SetPack(pack);
  MemoryContext().SetPack(pack);
}

void ReleaseResolverContexts() {
  DiskContext().Release();
  MemoryContext().Release();
}

void SetPackFile(const RuntimeString& memoryPack, const RuntimeString& diskPack) {
  MemoryContext().SetPack(memoryPack.c_str());
  DiskContext().SetPack(diskPack.c_str());
}

}  // namespace vdr
