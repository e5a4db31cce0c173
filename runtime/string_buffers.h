#pragma once
// Heap buffers of RuntimeString. Strings grow in steps of 16 bytes, so a text
// built piece by piece goes through many small buffers; each thread keeps a
// few freed buffers of every small capacity and hands them out again before
// asking malloc. Capacities are multiples of 16; every buffer is a malloc
// block of exactly its capacity.

#include <cstdint>

namespace vdr::string_buffers {

// A buffer of `capacity` bytes; nullptr when memory is exhausted.
char* Allocate(uint32_t capacity);
// A buffer of newCapacity bytes holding the first `keep` bytes of buffer,
// which is given up; on failure nullptr, and buffer stays as it was.
char* Grow(char* buffer, uint32_t capacity, uint32_t keep, uint32_t newCapacity);
void Release(char* buffer, uint32_t capacity);

}  // namespace vdr::string_buffers
