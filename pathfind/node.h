#pragma once
// A search node: one per cell the search has reached. Its priority lives in
// its open list entry.

#include <cstdint>

namespace vdr {

struct Node {
  Node* parent;        // the cell the cheapest known path comes from; null at the start
  int32_t x;
  int32_t y;
  float g;             // cost of the cheapest known path from the start
  float cost;          // cost of entering its cell, kept to spare reading the map again
  uint32_t insertion;  // number of its latest insertion into the open list
  uint32_t next;       // number of the next node in its hash bucket (see NodeHashTable)
};

}  // namespace vdr
