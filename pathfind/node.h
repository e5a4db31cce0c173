#pragma once
// A search node: one per cell the search has reached.

#include <cstdint>

namespace vdr {

struct Node {
  static constexpr int32_t kNotOpen = -1;

  Node* parent;     // the cell the cheapest known path comes from; null at the start
  int32_t x;
  int32_t y;
  float f;          // priority: the open list takes the smallest first
  float g;          // cost of the cheapest known path from the start
  Node* next;       // the next node in its hash bucket
  int32_t openIndex;  // position in the open list, or kNotOpen (closed)
};

}  // namespace vdr
