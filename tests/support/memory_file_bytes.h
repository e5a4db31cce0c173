#pragma once
// Bytes published as a memory file, for tests that read through memory names.

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>
#include <vector>

#include "files/byte_block.h"
#include "files/memory_files.h"

namespace vdr::test {

inline MemoryBlockRef BlockOf(const void* bytes, size_t size) {
  auto block = std::make_shared<ByteBlock>();
  if (!block->Allocate(size)) ADD_FAILURE() << "no memory for " << size << " bytes";
  if (size > 0 && block->bytes != nullptr) std::memcpy(block->bytes.get(), bytes, size);
  return block;
}
inline MemoryBlockRef BlockOf(std::string_view bytes) { return BlockOf(bytes.data(), bytes.size()); }
inline MemoryBlockRef BlockOf(const std::vector<uint8_t>& bytes) { return BlockOf(bytes.data(), bytes.size()); }

template <typename Bytes>
MemoryFile PublishBytes(const Bytes& bytes) {
  return MemoryFile(BlockOf(bytes));
}

}  // namespace vdr::test
