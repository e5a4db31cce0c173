#pragma once
// The open list of a search: the node with the smallest priority f comes out
// first, and among equal priorities the one put in earliest. A node put in
// again after its f changed counts as put in at that moment. A binary heap
// keeps that order (priority, then the number of the insertion), and every
// node in it knows its position, so a node can be moved without a search.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "pathfind/node.h"

namespace vdr {

class OpenList {
 public:
  // An empty list with room for `capacity` nodes, replacing any earlier one.
  void Reset(size_t capacity);

  bool Empty() const { return count_ == 0; }
  // Puts in a node that is not in the list, by its f.
  void Insert(Node* node);
  // Puts a node that is in the list in again after its f has changed.
  void Reinsert(Node* node);
  // Takes out the first node; the list must not be empty.
  Node* TakeFirst();

 private:
  struct Entry {
    float f;
    uint64_t insertion;
    Node* node;
    bool Before(const Entry& other) const {
      return f < other.f || (f == other.f && insertion < other.insertion);
    }
  };

  void Place(size_t position, const Entry& entry) {
    entries_[position] = entry;
    entry.node->openIndex = static_cast<int32_t>(position);
  }
  void SiftUp(size_t position, Entry entry);
  void SiftDown(size_t position, Entry entry);

  std::unique_ptr<Entry[]> entries_;
  size_t count_ = 0;
  uint64_t insertions_ = 0;
};

}  // namespace vdr
