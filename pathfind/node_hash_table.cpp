#include "pathfind/node_hash_table.h"

#include <algorithm>
#include <new>

#include "runtime/error_status.h"

namespace vdr {
namespace {

// The fewest bits that number every position of a side of `size` cells.
int32_t BitsFor(int32_t size) {
  int32_t bits = 0;
  while (bits < 31 && (int64_t{1} << bits) < size) ++bits;
  return bits;
}

}  // namespace

void NodeHashTable::Reset(int32_t width, int32_t height) {
  xBits_ = BitsFor(width);
  yBits_ = BitsFor(height);
  // Too many buckets: the longer side of the tile gives way first.
  while (xBits_ + yBits_ > mostBits_) (xBits_ >= yBits_ ? xBits_ : yBits_)--;
  shared_ = (int64_t{1} << xBits_) < width || (int64_t{1} << yBits_) < height;
  xMask_ = (uint32_t{1} << xBits_) - 1;
  yMask_ = (uint32_t{1} << yBits_) - 1;
  const size_t count = size_t{1} << (xBits_ + yBits_);
  if (count > bucketCount_) {
    buckets_.reset();
    bucketCount_ = 0;
    buckets_.reset(new (std::nothrow) uint64_t[count]());
    if (buckets_ == nullptr) FatalError(kErrorOutOfMemory);
    bucketCount_ = count;
    search_ = 0;
  }
  // Search numbers start at 1, so that 0 marks a bucket no search entered;
  // once they run out, every bucket is marked so again.
  if (++search_ == 0) {
    std::fill(buckets_.get(), buckets_.get() + bucketCount_, 0);
    search_ = 1;
  }
}

}  // namespace vdr
