#pragma once
// The open list of a search: the node with the smallest priority f comes out
// first, and among equal priorities the one put in earliest. A node put in
// again after its f changed counts as put in at that moment. A binary heap
// keeps that order in one 64-bit key per entry: the bits of f (which order
// like f does for numbers that are not NaN) above a 32-bit insertion number.
// A node put in again leaves its old entry behind; the node keeps the number
// of its latest insertion, and an entry with an older number is dropped when
// it comes to the front, so nothing in the heap has to be found or moved.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "pathfind/node.h"

namespace vdr {

class OpenList {
 public:
  // Empties the list and makes room for the entries of a search over
  // `cells` cells, keeping its storage when that is enough. The first
  // insertion gets number `firstInsertion`.
  void Reset(size_t cells, uint32_t firstInsertion = 0);

  // Puts in the node with priority f, whether or not it is in the list already.
  void Insert(Node* node, float f);
  // Takes out the first node, or null when the list holds none.
  Node* TakeFirst();

 private:
  struct Entry {
    uint64_t key;
    Node* node;
    bool Current() const { return static_cast<uint32_t>(key) == node->insertion; }
  };

  // Drops the entries left behind, and with `renumber` numbers the others
  // 0, 1, ... in their order of insertion, keeping the order of the keys.
  void Compact(bool renumber);
  void SiftUp(size_t position, Entry entry);

  std::unique_ptr<Entry[]> entries_;
  size_t capacity_ = 0;
  size_t count_ = 0;
  uint64_t nextInsertion_ = 0;  // up to 2^32, when the entries are renumbered
};

}  // namespace vdr
