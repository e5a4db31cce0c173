#pragma once
// The nodes of one search, all from one block taken at set-up. The block is
// not initialised: a node is filled in by whoever takes it, so a search pays
// only for the nodes it uses.

#include <cstddef>
#include <memory>
#include <new>

#include "pathfind/node.h"
#include "runtime/error_status.h"

namespace vdr {

class NodeFactory {
 public:
  // A pool of `capacity` nodes, replacing any earlier one; running out of
  // memory ends the program like any failed allocation of the runtime.
  void Reset(size_t capacity) {
    nodes_.reset();
    nodes_.reset(new (std::nothrow) Node[capacity > 0 ? capacity : 1]);
    if (nodes_ == nullptr) FatalError(kErrorOutOfMemory);
    used_ = 0;
  }
  // The next unused node; there must be one left. A grid search takes at
  // most one node per cell, so a pool of width x height nodes is enough.
  Node* Take() { return &nodes_[used_++]; }
  size_t Used() const { return used_; }

 private:
  std::unique_ptr<Node[]> nodes_;
  size_t used_ = 0;
};

}  // namespace vdr
