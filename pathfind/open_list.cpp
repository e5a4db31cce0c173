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

size_t InsertionOf(uint64_t key) { return static_cast<size_t>(key & kInsertionMask); }

}  // namespace

void OpenList::Reset(size_t cells) {
  count_ = 0;
  nextInsertion_ = 0;
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
  SiftUp(count_++, uint64_t{OrderedBits(f)} << 32 | nextInsertion_++);
}

Node* OpenList::TakeFirst() {
  while (count_ > 0) {
    const uint64_t first = keys_[0];
    // The gap at the root moves down to the bottom along the smaller
    // children, and the last key rises into it from there: it nearly always
    // belongs near the bottom, so this takes about half the comparisons of
    // sifting it down from the root. Which child is smaller is a coin toss,
    // so it is added in rather than branched on.
    --count_;
    size_t gap = 0;
    size_t child = 1;
    for (; child + 1 < count_; child = 2 * gap + 1) {
      child += keys_[child + 1] < keys_[child];
      keys_[gap] = keys_[child];
      gap = child;
    }
    if (child < count_) {
      keys_[gap] = keys_[child];
      gap = child;
    }
    SiftUp(gap, keys_[count_]);
    Node* node = inserted_[InsertionOf(first)];
    if (node->insertion == InsertionOf(first)) return node;
  }
  return nullptr;
}

void OpenList::Renumber() {
  uint64_t* const end = std::remove_if(keys_.get(), keys_.get() + count_, [this](uint64_t key) {
    return inserted_[InsertionOf(key)]->insertion != InsertionOf(key);
  });
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
