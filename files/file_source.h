#pragma once
// Reading a file by a resolved name (see files/file_resolver.h): a live memory
// file or a regular file on disk. Loaders of pictures, fonts, sounds and other
// data read through this so that packed media (unpacked into memory files) and
// plain files look the same to them.
//
//   std::string resolved;
//   if (!MemoryContext().Resolve(name, resolved)) ...           // not found
//   std::vector<uint8_t> bytes;
//   if (!ReadWholeFile(resolved.c_str(), bytes)) ...            // cannot be read
//
// or, to read in pieces with a bounded position:
//
//   FileSource source;
//   if (source.Open(resolved.c_str()) && source.ReadExact(header, 12)) ...

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "files/memory_files.h"
#include "files/unique_fd.h"

namespace vdr {

class FileSource {
 public:
  // Opens a live memory file, or an existing regular file on disk ("\" read as
  // "/"). False for anything else (missing, a folder, a withdrawn memory file).
  bool Open(const char* name);
  void Close();

  bool IsOpen() const { return fd_.Valid() || block_ != nullptr; }
  bool IsMemory() const { return block_ != nullptr; }
  // Bytes in the file when it was opened.
  int64_t Size() const { return size_; }
  int64_t Position() const { return position_; }
  // The memory file's bytes (null for disk files). The source keeps the block
  // alive while it is open, even after the name is withdrawn.
  const uint8_t* MemoryBytes() const { return block_ != nullptr ? block_->bytes.get() : nullptr; }
  // The disk file's descriptor (-1 for memory files).
  int Descriptor() const { return fd_.Get(); }

  // Reads up to `count` bytes at the position and moves past them; fewer only
  // at the end of the file or on a read error.
  size_t Read(void* out, size_t count);
  // Reads exactly `count` bytes; false (position unspecified) when they are not there.
  bool ReadExact(void* out, size_t count) { return Read(out, count) == count; }
  // Moves the position as lseek does (SEEK_SET, SEEK_CUR, SEEK_END); false,
  // position unchanged, when the target would be negative.
  bool Seek(int64_t offset, int whence);

 private:
  UniqueFd fd_;
  MemoryBlockRef block_;
  int64_t size_ = 0;
  int64_t position_ = 0;
};

// The largest file that is read whole (pictures, fonts, sounds): far beyond
// any media file, so that a file of many gigabytes is refused before memory
// is taken for it.
constexpr int64_t kWholeFileLimit = int64_t{1} << 30;

// Sizes `bytes` for `count` bytes of a file read whole; false, with `bytes`
// emptied, above kWholeFileLimit or when memory is short.
bool SizeForWholeFile(std::vector<uint8_t>& bytes, int64_t count);

// Reads a whole file by its resolved name; false when it cannot be opened or
// read, or is larger than kWholeFileLimit.
bool ReadWholeFile(const char* name, std::vector<uint8_t>& bytes);

// Opens an existing regular disk file for reading ("\" read as "/"): a valid
// descriptor and its size, or an invalid one. A name that does not exist as
// given is looked for ignoring letter case (files/name_case.h); `matched`,
// when given, then receives the path that was opened.
UniqueFd OpenDiskFileForReading(const char* name, int64_t& size, std::string* matched = nullptr);

}  // namespace vdr
