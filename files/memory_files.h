#pragma once
// Memory files: read-only blocks of bytes that every file command accepts by a
// name "mem://" + length ("%8x") + "." + address ("%8x"). Field widths are
// minimums, so a 64-bit address is written whole.
//
// A name is only ever read through the registry of published blocks: a name
// the runtime did not hand out, or whose block has been withdrawn, finds
// nothing. Readers hold a shared reference, so a block they are reading stays
// alive after its name is withdrawn.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "files/byte_block.h"

namespace vdr {

using MemoryBlockRef = std::shared_ptr<const ByteBlock>;

// The published blocks by address. Files are used from the game thread only.
// Whoever owns memory files must let them go before the registry ends.
struct MemoryFileRegistry {
  static constexpr const char* kProcessObjectName = "the memory-file registry";
  std::unordered_map<uint64_t, MemoryBlockRef> blocks;
};

// The prefix test: the first six characters are "mem://".
bool IsMemoryFileName(const char* name);
// The length (hex from character 6) and address (hex from character 15), each
// read skipping leading blanks and stopping at the first non-hex character.
bool ParseMemoryFileName(const char* name, uint64_t& length, uint64_t& address);
std::string MemoryFileName(uint64_t length, const void* address);

// The block published under `name` when the name is a memory file name that is
// live now, with the length it was published with; else null.
MemoryBlockRef FindMemoryFile(const char* name);

// Publishes a block under its memory file name for as long as this object
// lives (or until Withdraw). Move-only.
class MemoryFile {
 public:
  MemoryFile() = default;
  explicit MemoryFile(MemoryBlockRef block);
  MemoryFile(MemoryFile&& other) noexcept;
  MemoryFile& operator=(MemoryFile&& other) noexcept;
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  ~MemoryFile() { Withdraw(); }

  const std::string& Name() const { return name_; }
  const MemoryBlockRef& Block() const { return block_; }
  // Takes the name out of the registry and drops this object's reference.
  void Withdraw();

 private:
  MemoryBlockRef block_;
  std::string name_;
};

}  // namespace vdr
