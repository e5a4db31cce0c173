#pragma once
// A search node: one per cell the search has reached. Its priority lives in
// its open list entry.

#include <cstdint>

namespace vdr {

struct Node {
  Node* parent;        // the cell the cheapest known path comes from; null at the start
  Node* next;          // the next node in its hash bucket
  int32_t x;
  int32_t y;
  float g;             // cost of the cheapest known path from the start
  uint32_t insertion;  // number of its latest insertion into the open list
};

}  // namespace vdr
