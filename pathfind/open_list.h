#pragma once
// The open list of a search: the node with the smallest priority f comes out
// first, and among equal priorities the one put in earliest. A node put in
// again after its f changed counts as put in at that moment. A binary heap
// of 64-bit keys keeps that order: the bits of f (which order like f does for
// numbers that are not NaN) above the number of the insertion, and a table
// gives the node of each insertion. A node put in again leaves its old entry
// behind; the node keeps the number of its latest insertion, and an entry
// with an older number is dropped when it comes to the front, so nothing in
// the heap has to be found or moved.
//
// The smallest key put in since the last take waits beside the heap: a
// search takes the next node right after putting in the neighbours of the
// last, and the best of them is often the next node (nearly always when the
// search heads straight for the goal); if not, it fills the place the first
// key leaves, so it never climbs the heap on its own.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "pathfind/node.h"

namespace vdr {

class OpenList {
 public:
  // Empties the list and makes room for the entries of a search over
  // `cells` cells, keeping its storage when that is enough.
  void Reset(size_t cells);

  // Puts in the node with priority f, whether or not it is in the list already.
  void Insert(Node* node, float f);
  // Takes out the first node, or null when the list holds none.
  Node* TakeFirst();

 private:
  // Once every insertion number is taken: drops the entries left behind
  // and numbers the others 0, 1, ... in their order of insertion, which
  // keeps the order of the keys.
  void Renumber();
  // Whether the key is its node's latest entry.
  bool IsLatest(uint64_t key) const;
  // Moves the gap at the root down along the smaller children to the bottom
  // of the first `count` keys; where it ends.
  size_t SinkRootGap(size_t count);
  void SiftUp(size_t position, uint64_t key);

  static constexpr uint64_t kNoKey = UINT64_MAX;  // no insertion number has every bit set

  uint64_t held_ = kNoKey;               // the smallest key put in since the last take
  std::unique_ptr<uint64_t[]> keys_;     // the heap
  std::unique_ptr<Node*[]> inserted_;    // the node of each insertion number
  size_t capacity_ = 0;                  // of both
  size_t count_ = 0;
  size_t nextInsertion_ = 0;
};

}  // namespace vdr
