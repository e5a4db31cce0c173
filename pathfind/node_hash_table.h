#pragma once
// The nodes of a search by their cell. The buckets tile the grid: with tiles
// of 2^xBits x 2^yBits cells, (x, y) falls into bucket
// (x mod 2^xBits) + 2^xBits * (y mod 2^yBits). The tile is the smallest that
// covers the whole grid as long as that takes at most 2^mostBits buckets
// (2^24 unless told otherwise), so a look-up finds at most one node in its
// bucket; larger grids share buckets between cells that lie whole tiles
// apart. Nodes are chained through their bucket link, newest first, and a
// node is entered only once.

#include <cstdint>
#include <memory>

#include "pathfind/node.h"

namespace vdr {

class NodeHashTable {
 public:
  explicit NodeHashTable(int32_t mostBits = 24) : mostBits_(mostBits) {}

  // Sets the empty table up for a width x height grid, keeping its buckets
  // when there are enough.
  void Reset(int32_t width, int32_t height);
  // Empties the table, given the `count` nodes entered into it: bucket by
  // bucket when they are few (a short search on a large grid), else all at once.
  void Empty(const Node* nodes, size_t count);

  Node* Find(int32_t x, int32_t y) const {
    for (Node* node = buckets_[Bucket(x, y)]; node != nullptr; node = node->next) {
      if (node->x == x && node->y == y) return node;
    }
    return nullptr;
  }
  void Insert(Node* node) {
    Node*& head = buckets_[Bucket(node->x, node->y)];
    node->next = head;
    head = node;
  }

 private:
  uint32_t Bucket(int32_t x, int32_t y) const {
    return (static_cast<uint32_t>(x) & xMask_) | (static_cast<uint32_t>(y) & yMask_) << xBits_;
  }

  int32_t mostBits_;
  std::unique_ptr<Node*[]> buckets_;
  size_t bucketCount_ = 0;
  int32_t xBits_ = 0;
  int32_t yBits_ = 0;
  uint32_t xMask_ = 0;
  uint32_t yMask_ = 0;
};

}  // namespace vdr
