#pragma once
// Whole transfers on POSIX descriptors, retried across interruptions and
// partial reads or writes.

#include <cstddef>

namespace vdr {

// Reads until `count` bytes, the end of the file or an error; returns the bytes read.
size_t ReadFully(int fd, void* out, size_t count);
// Writes all `count` bytes; false when the system takes fewer.
bool WriteFully(int fd, const void* bytes, size_t count);

}  // namespace vdr
