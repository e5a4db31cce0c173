#pragma once
// A block of bytes owned by one object, without the zero-fill a vector does:
// unpacked media is written over completely before anyone reads it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

namespace vdr {

struct ByteBlock {
  std::unique_ptr<uint8_t[]> bytes;
  size_t size = 0;

  // A block of `count` uninitialised bytes (at least one byte is allocated, so
  // even an empty block has an address of its own); false when memory is short.
  bool Allocate(size_t count) {
    bytes.reset(new (std::nothrow) uint8_t[count > 0 ? count : 1]);
    size = bytes != nullptr ? count : 0;
    return bytes != nullptr;
  }
};

}  // namespace vdr
