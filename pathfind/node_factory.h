#pragma once
// The nodes of a search, all from one block taken at set-up and kept for the
// searches after it while they need no more. The block is not initialised: a
// node is filled in by whoever takes it, so a search pays only for the nodes
// it uses. Nodes are numbered 0, 1, ... in the order they are taken.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

#include "pathfind/node.h"
#include "runtime/error_status.h"

namespace vdr {

class NodeFactory {
 public:
  // Room for `capacity` nodes, none taken; running out of memory ends the
  // program like any failed allocation of the runtime.
  void Reset(size_t capacity) {
    used_ = 0;
    if (capacity <= capacity_ && nodes_ != nullptr) return;
    nodes_.reset();
    capacity_ = 0;
    nodes_.reset(new (std::nothrow) Node[capacity > 0 ? capacity : 1]);
    if (nodes_ == nullptr) FatalError(kErrorOutOfMemory);
    capacity_ = capacity;
  }
  // The next unused node; there must be one left. A grid search takes at
  // most one node per cell, so room for width x height nodes is enough.
  Node* Take() { return &nodes_[used_++]; }
  // The number of nodes taken since the last Reset.
  size_t Used() const { return used_; }

  // Nodes by number: only those below Used() belong to the current search.
  Node& At(uint32_t number) const { return nodes_[number]; }
  uint32_t NumberOf(const Node* node) const { return static_cast<uint32_t>(node - nodes_.get()); }

 private:
  std::unique_ptr<Node[]> nodes_;
  size_t capacity_ = 0;
  size_t used_ = 0;
};

}  // namespace vdr
