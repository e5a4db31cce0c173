#pragma once
// Finding files by name. A resolver context looks for a requested name as a
// live memory file, then on disk (relative to the current folder; as given,
// else ignoring letter case, see files/name_case.h), then as an entry of its
// media pack, matched by bare name ignoring case. A packed file is
// unpacked into a memory file (the memory context, used by every loader and by
// file channels) or into a temporary file (the disk context, used by music,
// which the player reads from a real file).
//
// Each context holds only its last extraction: the next resolve on it, a new
// pack or the release at shutdown withdraws the memory file name or deletes the
// temporary file. A reader that opened the memory file keeps its bytes alive.

#include <string>

#include "files/file_commands.h"
#include "files/memory_files.h"
#include "runtime/runtime_string.h"

namespace vdr {

enum class ExtractInto { kMemoryFile, kTemporaryFile };

class ResolverContext {
 public:
  explicit ResolverContext(ExtractInto into) : into_(into) {}
  ResolverContext(const ResolverContext&) = delete;
  ResolverContext& operator=(const ResolverContext&) = delete;
  ~ResolverContext() { DiscardExtraction(); }

  // True when `resolved` now names something FileSource can open: the request
  // itself (a live memory file or a disk file), the disk file it names in
  // another letter case, or the extraction of a pack entry. False when not found; `resolved` is then the request, or empty for
  // an empty request, a pack that is not a pack, or a missing or damaged entry.
  bool Resolve(const std::string& requested, std::string& resolved);

  // Names the pack (a path or a memory file name) and enables look-ups in it,
  // discarding the last extraction first.
  void SetPack(const std::string& packName);
  // Withdraws the last extraction's memory file or deletes its temporary file.
  void DiscardExtraction();
  // Shutdown: discards the last extraction and forgets the pack.
  void Release();

  bool Enabled() const { return enabled_; }
  const std::string& PackName() const { return packName_; }

 private:
  enum class PackLookup { kFound, kNotThere, kNoPack, kNoTemporaryFile };
  PackLookup ResolveInPack(const std::string& requested, std::string& resolved);
  bool WriteTemporaryFile(const std::string& path, const ByteBlock& data);

  ExtractInto into_;
  bool enabled_ = false;
  std::string packName_;
  std::string temporaryFile_;
  MemoryFile extraction_;
};

// The two contexts of the process: the disk context serves music, the memory
// context every other file.
struct ResolverContexts {
  static constexpr const char* kProcessObjectName = "the file resolver contexts";
  ResolverContext disk{ExtractInto::kTemporaryFile};
  ResolverContext memory{ExtractInto::kMemoryFile};
};
ResolverContext& MemoryContext();
ResolverContext& DiskContext();

// Start-up: both contexts enabled with `packPath` (the executable's own path,
// which may carry an appended pack) as their pack, the disk context first.
void CreateResolverContexts(const std::string& packPath);
// Shutdown: the disk context, then the memory context, discard their last
// extraction and forget their pack.
void ReleaseResolverContexts();

}  // namespace vdr
