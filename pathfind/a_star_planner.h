#pragma once
// The A* planner: a best-first search whose priority blends the path cost g
// and the estimate h (the grid distance to the goal, in steps) by the weight
// w, f = g + w * (h - g), all in single precision. Neighbours are visited in
// a fixed order; a cheaper path to a cell already reached moves its node,
// whether it waits in the open list or has been expanded, back into the open
// list with the new parent and costs. Which node comes next depends only on
// the priorities and the order of insertion (see OpenList), so the look-up
// structures are free to be fast. The planner keeps its storage from one
// search to the next, so searches on maps of one size take no new memory.

#include <cstdint>

#include "pathfind/node_factory.h"
#include "pathfind/node_hash_table.h"
#include "pathfind/open_list.h"
#include "pathfind/planner.h"

namespace vdr {

class AStarPlanner : public Planner {
 public:
  // Nodes taken from the open list by the last search, the goal included.
  int64_t ExpandedNodes() const { return expanded_; }

 protected:
  const Node* Search(const CostGrid& grid, const PlannerSettings& settings) override;

 private:
  NodeFactory nodes_;
  NodeHashTable table_{nodes_};
  OpenList open_;
  int64_t expanded_ = 0;
};

}  // namespace vdr
