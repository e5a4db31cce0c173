#include "pathfind/open_list.h"

#include <algorithm>
#include <bit>
#include <new>
#include <vector>

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

void OpenList::Reset(size_t capacity, uint32_t firstInsertion) {
  count_ = 0;
  nextInsertion_ = firstInsertion;
  if (capacity <= capacity_ && entries_ != nullptr) return;
  entries_.reset();
  capacity_ = 0;
  entries_.reset(new (std::nothrow) Entry[capacity > 0 ? capacity : 1]);
  if (entries_ == nullptr) FatalError(kErrorOutOfMemory);
  capacity_ = capacity;
}

uint64_t OpenList::NextKey(float f) {
  if (nextInsertion_ > kInsertionMask) Renumber();
  return uint64_t{OrderedBits(f)} << 32 | nextInsertion_++;
}

void OpenList::Renumber() {
  std::vector<size_t> byInsertion(count_);
  for (size_t i = 0; i < count_; ++i) byInsertion[i] = i;
  std::sort(byInsertion.begin(), byInsertion.end(), [this](size_t a, size_t b) {
    return (entries_[a].key & kInsertionMask) < (entries_[b].key & kInsertionMask);
  });
  for (size_t rank = 0; rank < count_; ++rank) {
    uint64_t& key = entries_[byInsertion[rank]].key;
    key = (key & ~kInsertionMask) | rank;
  }
  nextInsertion_ = count_;
}

void OpenList::Insert(Node* node) {
  const uint64_t key = NextKey(node->f);
  SiftUp(count_++, Entry{key, node});
}

void OpenList::Reinsert(Node* node) {
  const size_t position = static_cast<size_t>(node->openIndex);
  const Entry entry{NextKey(node->f), node};
  if (position > 0 && entry.key < entries_[(position - 1) / 2].key) {
    SiftUp(position, entry);
  } else {
    SiftDown(position, entry);
  }
}

Node* OpenList::TakeFirst() {
  Node* first = entries_[0].node;
  first->openIndex = Node::kNotOpen;
  if (--count_ > 0) SiftDown(0, entries_[count_]);
  return first;
}

// Moves the entry from `position` towards the root past every entry it goes before.
void OpenList::SiftUp(size_t position, Entry entry) {
  while (position > 0) {
    const size_t parent = (position - 1) / 2;
    if (entries_[parent].key <= entry.key) break;
    Place(position, entries_[parent]);
    position = parent;
  }
  Place(position, entry);
}

// Moves the entry from `position` away from the root past every entry that goes before it.
void OpenList::SiftDown(size_t position, Entry entry) {
  for (;;) {
    size_t child = 2 * position + 1;
    if (child >= count_) break;
    if (child + 1 < count_ && entries_[child + 1].key < entries_[child].key) ++child;
    if (entry.key <= entries_[child].key) break;
    Place(position, entries_[child]);
    position = child;
  }
  Place(position, entry);
}

}  // namespace vdr
