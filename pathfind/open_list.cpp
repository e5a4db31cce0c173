#include "pathfind/open_list.h"

#include <algorithm>
#include <bit>
#include <new>

#include "runtime/error_status.h"

namespace vdr {
namespace {

constexpr uint64_t kInsertionMask = 0xFFFFFFFFu;

// The bits of a float as an unsigned number in the order of the floats:
// negative numbers have every bit flipped, the others only the sign bit.
// Negative zero is made positive first, since it equals zero.
uint32_t OrderedBits(float f) {
  const uint32_t bits = std::bit_cast<uint32_t>(f + 0.0f);
  return bits & 0x80000000u ? ~bits : bits | 0x80000000u;
}

}  // namespace

void OpenList::Reset(size_t cells, uint32_t firstInsertion) {
  count_ = 0;
  nextInsertion_ = firstInsertion;
  // A cell has at most one current entry; twice the cells leaves room for
  // as many left behind, so the list is compacted at most once per cells
  // insertions.
  const size_t capacity = 2 * cells + 2;
  if (capacity <= capacity_ && entries_ != nullptr) return;
  entries_.reset();
  capacity_ = 0;
  entries_.reset(new (std::nothrow) Entry[capacity]);
  if (entries_ == nullptr) FatalError(kErrorOutOfMemory);
  capacity_ = capacity;
}

void OpenList::Insert(Node* node, float f) {
  if (nextInsertion_ > kInsertionMask) Compact(true);
  if (count_ == capacity_) Compact(false);
  node->insertion = static_cast<uint32_t>(nextInsertion_);
  SiftUp(count_++, Entry{uint64_t{OrderedBits(f)} << 32 | nextInsertion_++, node});
}

Node* OpenList::TakeFirst() {
  while (count_ > 0) {
    const Entry first = entries_[0];
    // The gap at the root moves down to the bottom along the smaller
    // children, and the last entry rises into it from there: it nearly
    // always belongs near the bottom, so this takes about half the
    // comparisons of sifting it down from the root. Which child is smaller
    // is a coin toss, so it is added in rather than branched on.
    --count_;
    size_t gap = 0;
    size_t child = 1;
    for (; child + 1 < count_; child = 2 * gap + 1) {
      child += entries_[child + 1].key < entries_[child].key;
      entries_[gap] = entries_[child];
      gap = child;
    }
    if (child < count_) {
      entries_[gap] = entries_[child];
      gap = child;
    }
    SiftUp(gap, entries_[count_]);
    if (first.Current()) return first.node;
  }
  return nullptr;
}

void OpenList::Compact(bool renumber) {
  Entry* const end = std::remove_if(entries_.get(), entries_.get() + count_, [](const Entry& e) { return !e.Current(); });
  count_ = static_cast<size_t>(end - entries_.get());
  if (renumber) {
    std::sort(entries_.get(), end, [](const Entry& a, const Entry& b) {
      return (a.key & kInsertionMask) < (b.key & kInsertionMask);
    });
    for (size_t rank = 0; rank < count_; ++rank) {
      entries_[rank].key = (entries_[rank].key & ~kInsertionMask) | rank;
      entries_[rank].node->insertion = static_cast<uint32_t>(rank);
    }
    nextInsertion_ = count_;
  }
  // The standard heap keeps the largest first, by the order it is given.
  std::make_heap(entries_.get(), end, [](const Entry& a, const Entry& b) { return a.key > b.key; });
}

// Moves the entry from `position` towards the root past every entry it goes before.
void OpenList::SiftUp(size_t position, Entry entry) {
  while (position > 0) {
    const size_t parent = (position - 1) / 2;
    if (entries_[parent].key <= entry.key) break;
    entries_[position] = entries_[parent];
    position = parent;
  }
  entries_[position] = entry;
}

}  // namespace vdr
