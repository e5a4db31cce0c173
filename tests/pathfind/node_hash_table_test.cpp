// The node table on a grid larger than its buckets allow, where cells whole
// tiles apart share a bucket, and emptied between searches both ways.

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "pathfind/node_hash_table.h"

namespace vdr {
namespace {

// `count` nodes on scattered cells of a 40 x 30 grid, from cell `first` on.
std::vector<Node> NodesOnCells(int32_t count, int32_t first) {
  std::vector<Node> nodes;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t cell = (first + i * 7) % 1200;
    nodes.push_back(Node{nullptr, nullptr, cell % 40, cell / 40, 0, 0});
  }
  return nodes;
}

TEST(NodeHashTableTest, CellsThatShareABucketFindTheirOwnNodes) {
  // 2^10 buckets for a 40 x 30 grid: tiles of 32 x 32, so x and x + 32
  // share a bucket. 30 nodes are emptied bucket by bucket, 600 in one sweep.
  for (const int32_t count : {30, 600}) {
    NodeHashTable table(10);
    table.Reset(40, 30);
    std::vector<Node> before = NodesOnCells(count, 0);
    for (Node& node : before) table.Insert(&node);
    for (const Node& node : before) EXPECT_EQ(table.Find(node.x, node.y), &node) << count;

    table.Empty(before.data(), before.size());
    table.Reset(40, 30);
    std::vector<Node> after = NodesOnCells(count, 1);
    std::set<std::pair<int32_t, int32_t>> cells;
    for (Node& node : after) {
      table.Insert(&node);
      cells.insert({node.x, node.y});
    }
    for (const Node& node : after) EXPECT_EQ(table.Find(node.x, node.y), &node) << count;
    for (const Node& node : before) {
      if (!cells.count({node.x, node.y})) {
        EXPECT_EQ(table.Find(node.x, node.y), nullptr) << count;
      }
    }
  }
}

}  // namespace
}  // namespace vdr
