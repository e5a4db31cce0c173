#pragma once
// The nodes of a search by their cell. The buckets tile the grid: with tiles
// of 2^xBits x 2^yBits cells, (x, y) falls into bucket
// (x mod 2^xBits) + 2^xBits * (y mod 2^yBits). The tile is the smallest that
// covers the whole grid as long as that takes at most 2^mostBits buckets
// (2^24 unless told otherwise), so a bucket holds the node of one cell and a
// look-up reads nothing but its bucket; larger grids share buckets between
// cells that lie whole tiles apart. Nodes are chained by number through
// their bucket link, newest first; a node is entered once.
//
// The table is never emptied: each bucket holds the number of its newest
// node beside the number of the search that entered it, and a bucket
// entered by an earlier search reads as empty. So a search pays for the
// buckets it touches, not for the whole table.

#include <cstdint>
#include <memory>

#include "pathfind/node.h"
#include "pathfind/node_factory.h"

namespace vdr {

class NodeHashTable {
 public:
  explicit NodeHashTable(const NodeFactory& nodes, int32_t mostBits = 24) : nodes_(nodes), mostBits_(mostBits) {}

  // Sets the table up for a new search on a width x height grid, keeping
  // its buckets when there are enough.
  void Reset(int32_t width, int32_t height);

  // The node of cell (x, y), which must lie in the grid, or null.
  Node* Find(int32_t x, int32_t y) const {
    const uint64_t head = buckets_[Bucket(x, y)];
    if (head >> 32 != search_) return nullptr;
    if (!shared_) return &nodes_.At(static_cast<uint32_t>(head));
    for (uint32_t number = static_cast<uint32_t>(head); number != kNoNode; number = nodes_.At(number).next) {
      Node& node = nodes_.At(number);
      if (node.x == x && node.y == y) return &node;
    }
    return nullptr;
  }
  void Insert(Node* node) {
    uint64_t& head = buckets_[Bucket(node->x, node->y)];
    node->next = head >> 32 == search_ ? static_cast<uint32_t>(head) : kNoNode;
    head = uint64_t{search_} << 32 | nodes_.NumberOf(node);
  }

 private:
  static constexpr uint32_t kNoNode = UINT32_MAX;

  uint32_t Bucket(int32_t x, int32_t y) const {
    return (static_cast<uint32_t>(x) & xMask_) | (static_cast<uint32_t>(y) & yMask_) << xBits_;
  }

  const NodeFactory& nodes_;
  int32_t mostBits_;
  std::unique_ptr<uint64_t[]> buckets_;  // search number << 32 | node number
  uint32_t search_ = 0;
  bool shared_ = false;  // whether cells share buckets
  size_t bucketCount_ = 0;
  int32_t xBits_ = 0;
  int32_t yBits_ = 0;
  uint32_t xMask_ = 0;
  uint32_t yMask_ = 0;
};

}  // namespace vdr
