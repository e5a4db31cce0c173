#pragma once
// The open list of a search: the node with the smallest priority f comes out
// first, and among equal priorities the one put in earliest. A node put in
// again after its f changed counts as put in at that moment. A binary heap
// keeps that order in one 64-bit key per entry (the bits of f, which order
// like f does for numbers that are not NaN, above a 32-bit insertion number),
// and every node in it knows its position, so a node can be moved without a
// search.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "pathfind/node.h"

namespace vdr {

class OpenList {
 public:
  // Empties the list and makes room for `capacity` nodes, keeping its storage
  // when that is enough. The first insertion gets number `firstInsertion`.
  void Reset(size_t capacity, uint32_t firstInsertion = 0);

  bool Empty() const { return count_ == 0; }
  // Puts in a node that is not in the list, by its f.
  void Insert(Node* node);
  // Puts a node that is in the list in again after its f has changed.
  void Reinsert(Node* node);
  // Takes out the first node; the list must not be empty.
  Node* TakeFirst();

 private:
  struct Entry {
    uint64_t key;
    Node* node;
  };

  // The key of a node put in now.
  uint64_t NextKey(float f);
  // Numbers the entries 0, 1, ... in their order of insertion, once the
  // insertion numbers have run out; the order of the keys stays as it was.
  void Renumber();
  void Place(size_t position, const Entry& entry) {
    entries_[position] = entry;
    entry.node->openIndex = static_cast<int32_t>(position);
  }
  void SiftUp(size_t position, Entry entry);
  void SiftDown(size_t position, Entry entry);

  std::unique_ptr<Entry[]> entries_;
  size_t capacity_ = 0;
  size_t count_ = 0;
  uint64_t nextInsertion_ = 0;  // up to 2^32, when Renumber starts over
};

}  // namespace vdr
