#include "pathfind/open_list.h"

#include <new>

#include "runtime/error_status.h"

namespace vdr {

void OpenList::Reset(size_t capacity) {
  entries_.reset();
  entries_.reset(new (std::nothrow) Entry[capacity > 0 ? capacity : 1]);
  if (entries_ == nullptr) FatalError(kErrorOutOfMemory);
  count_ = 0;
  insertions_ = 0;
}

void OpenList::Insert(Node* node) { SiftUp(count_++, Entry{node->f, insertions_++, node}); }

void OpenList::Reinsert(Node* node) {
  const size_t position = static_cast<size_t>(node->openIndex);
  const Entry entry{node->f, insertions_++, node};
  if (position > 0 && entry.Before(entries_[(position - 1) / 2])) {
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
    if (!entry.Before(entries_[parent])) break;
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
    if (child + 1 < count_ && entries_[child + 1].Before(entries_[child])) ++child;
    if (!entries_[child].Before(entry)) break;
    Place(position, entries_[child]);
    position = child;
  }
  Place(position, entry);
}

}  // namespace vdr
