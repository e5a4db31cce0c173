// The node table on a grid larger than its buckets allow, where cells whole
// tiles apart share a bucket, and across searches: the table is not emptied,
// so what an earlier search left in it must not be found by a later one, and
// a search on a grid that fits its buckets must not leave the next one
// trusting a bucket to hold one cell.

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "pathfind/node_factory.h"
#include "pathfind/node_hash_table.h"

namespace vdr {
namespace {

// Takes `count` nodes on scattered cells of a 40 x 30 grid, from cell
// `first` on, and enters them.
std::vector<Node*> EnterNodes(NodeFactory& nodes, NodeHashTable& table, int32_t count, int32_t first) {
  std::vector<Node*> entered;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t cell = (first + i * 7) % 1200;
    Node* node = nodes.Take();
    *node = Node{nullptr, cell % 40, cell / 40, 0, 0, 0, 0};
    table.Insert(node);
    entered.push_back(node);
  }
  return entered;
}

TEST(NodeHashTableTest, EachSearchFindsItsOwnNodesAndNoneOfAnEarlierOne) {
  // 2^10 buckets for a 40 x 30 grid: tiles of 32 x 32, so x and x + 32
  // share a bucket. The second search takes fewer, as many or more nodes
  // than the first on cells one further on, or half as many on the same
  // cells: the first search's entries must not join its chains.
  struct Second {
    int32_t count;
    int32_t firstCell;
  };
  for (const auto [secondCount, secondFirst] : {Second{30, 1}, Second{600, 1}, Second{1100, 1}, Second{300, 0}}) {
    NodeFactory nodes;
    NodeHashTable table(nodes, 10);
    nodes.Reset(1200);
    table.Reset(40, 30);
    const std::vector<Node*> first = EnterNodes(nodes, table, 600, 0);
    for (const Node* node : first) EXPECT_EQ(table.Find(node->x, node->y), node);
    std::set<std::pair<int32_t, int32_t>> firstCells;
    for (const Node* node : first) firstCells.insert({node->x, node->y});

    nodes.Reset(1200);
    table.Reset(40, 30);
    const std::vector<Node*> second = EnterNodes(nodes, table, secondCount, secondFirst);
    std::set<std::pair<int32_t, int32_t>> secondCells;
    for (const Node* node : second) {
      EXPECT_EQ(table.Find(node->x, node->y), node) << secondCount;
      secondCells.insert({node->x, node->y});
    }
    for (const auto& [x, y] : firstCells) {
      if (!secondCells.count({x, y})) {
        EXPECT_EQ(table.Find(x, y), nullptr) << secondCount << " " << x << "," << y;
      }
    }
  }
}

TEST(NodeHashTableTest, CellsSharingABucketAreToldApartWheneverTheGridOutgrowsTheBuckets) {
  // 2^10 buckets: a 32 x 32 grid has a bucket per cell, a 40 x 30 one does not.
  NodeFactory nodes;
  NodeHashTable table(nodes, 10);
  for (const int32_t width : {40, 32, 40}) {
    nodes.Reset(1200);
    table.Reset(width, 30);
    Node* node = nodes.Take();
    *node = Node{nullptr, 0, 0, 0, 0, 0, 0};
    table.Insert(node);
    EXPECT_EQ(table.Find(0, 0), node) << width;
    EXPECT_EQ(table.Find(1, 0), nullptr) << width;
    if (width > 32) EXPECT_EQ(table.Find(32, 0), nullptr) << width;
  }
}

}  // namespace
}  // namespace vdr
