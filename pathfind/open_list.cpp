#include "pathfind/open_list.h"

#include <algorithm>
#include <bit>
#include <new>
#include <utility>

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

size_t InsertionOf(uint64_t key) { return static_cast<size_t>(key & kInsertionMask); }

}  // namespace

void OpenList::Reset(size_t cells) {
  count_ = 0;
  nextInsertion_ = 0;
  held_ = kNoKey;
  // A cell has at most one current entry; twice the cells leaves room for
  // as many left behind, so renumbering comes at most once per cells
  // insertions. A grid has at most 2^28 cells, so the numbers fit in 32 bits.
  const size_t capacity = 2 * cells + 2;
  if (capacity <= capacity_ && keys_ != nullptr) return;
  keys_.reset();
  inserted_.reset();
  capacity_ = 0;
  keys_.reset(new (std::nothrow) uint64_t[capacity]);
  inserted_.reset(new (std::nothrow) Node*[capacity]);
  if (keys_ == nullptr || inserted_ == nullptr) FatalError(kErrorOutOfMemory);
  capacity_ = capacity;
}

void OpenList::Insert(Node* node, float f) {
  if (nextInsertion_ == capacity_) Renumber();
  inserted_[nextInsertion_] = node;
  node->insertion = static_cast<uint32_t>(nextInsertion_);
  uint64_t key = uint64_t{OrderedBits(f)} << 32 | nextInsertion_++;
  if (key < held_) std::swap(key, held_);
  if (key != kNoKey) SiftUp(count_++, key);
}

Node* OpenList::TakeFirst() {
  if (held_ != kNoKey) {
    const uint64_t held = std::exchange(held_, kNoKey);
    if (IsLatest(held)) {
      if (count_ == 0 || held < keys_[0]) return inserted_[InsertionOf(held)];
      const uint64_t first = keys_[0];
      SiftUp(SinkRootGap(count_), held);
      if (IsLatest(first)) return inserted_[InsertionOf(first)];
    }
  }
  while (count_ > 0) {
    const uint64_t first = keys_[0];
    // The last key fills the gap from the bottom: it nearly always belongs
    // near there, so this takes about half the comparisons of sifting it
    // down from the root.
    --count_;
    SiftUp(SinkRootGap(count_), keys_[count_]);
    if (IsLatest(first)) return inserted_[InsertionOf(first)];
  }
  return nullptr;
}

bool OpenList::IsLatest(uint64_t key) const { return inserted_[InsertionOf(key)]->insertion == InsertionOf(key); }

size_t OpenList::SinkRootGap(size_t count) {
  // Which child is smaller is a coin toss, so it is added in rather than
  // branched on.
  size_t gap = 0;
  size_t child = 1;
  for (; child + 1 < count; child = 2 * gap + 1) {
    child += keys_[child + 1] < keys_[child];
    keys_[gap] = keys_[child];
    gap = child;
  }
  if (child < count) {
    keys_[gap] = keys_[child];
    gap = child;
  }
  return gap;
}

void OpenList::Renumber() {
  if (held_ != kNoKey) keys_[count_++] = std::exchange(held_, kNoKey);
  uint64_t* const end =
      std::remove_if(keys_.get(), keys_.get() + count_, [this](uint64_t key) { return !IsLatest(key); });
  count_ = static_cast<size_t>(end - keys_.get());
  std::sort(keys_.get(), end, [](uint64_t a, uint64_t b) { return InsertionOf(a) < InsertionOf(b); });
  // Each new number is at most the old one, and the old ones rise, so the
  // table is rewritten in place.
  for (size_t rank = 0; rank < count_; ++rank) {
    Node* node = inserted_[InsertionOf(keys_[rank])];
    inserted_[rank] = node;
    node->insertion = static_cast<uint32_t>(rank);
    keys_[rank] = (keys_[rank] & ~kInsertionMask) | rank;
  }
  nextInsertion_ = count_;
  // The standard heap keeps the largest first, by the order it is given.
  std::make_heap(keys_.get(), end, [](uint64_t a, uint64_t b) { return a > b; });
}

// Moves the key from `position` towards the root past every key it goes before.
void OpenList::SiftUp(size_t position, uint64_t key) {
  while (position > 0) {
    const size_t parent = (position - 1) / 2;
    if (keys_[parent] <= key) break;
    keys_[position] = keys_[parent];
    position = parent;
  }
  keys_[position] = key;
}

}  // namespace vdr
