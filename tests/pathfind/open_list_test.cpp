// The open list's order: smallest f first, equal f in order of insertion, a
// node put in again counting as inserted then (its old entry left behind),
// and that order kept when the insertion numbers run out and are given out
// again.

#include <gtest/gtest.h>

#include <vector>

#include "pathfind/open_list.h"

namespace vdr {
namespace {

std::vector<int32_t> TakeAll(OpenList& open) {
  std::vector<int32_t> order;
  while (Node* node = open.TakeFirst()) order.push_back(node->x);
  return order;
}

TEST(OpenListTest, SmallestFirstThenEarliestInserted) {
  // Room for eight cells: 18 insertions before the numbers are given out again.
  for (const int32_t earlier : {0, 15}) {
    std::vector<Node> nodes(8);
    const float priorities[] = {2, 1, 2, 0.5f, 1, 2, 0, -0.0f};  // -0 equals 0
    OpenList open;
    open.Reset(nodes.size());
    Node other{};
    for (int32_t i = 0; i < earlier; ++i) open.Insert(&other, 1e9f);
    for (int32_t i = 0; i < 8; ++i) {
      nodes[i] = Node{nullptr, i, 0, 0, 0, 0, 0};
      open.Insert(&nodes[i], priorities[i]);
    }
    // Node 0 goes behind the other nodes of priority 2, node 5 ahead of 4.
    open.Insert(&nodes[0], 2);
    open.Insert(&nodes[5], 1);
    std::vector<int32_t> expected{6, 7, 3, 1, 4, 5, 2, 0};
    if (earlier > 0) expected.push_back(0);  // `other`, with its x of 0
    EXPECT_EQ(TakeAll(open), expected) << earlier << " insertions before";
  }
}

TEST(OpenListTest, ANodePutInTwiceBetweenTakesComesOutOnceAtItsLatestPriority) {
  // Its first entry is the smallest key put in since the last take, and stale.
  std::vector<Node> nodes(3);
  for (int32_t i = 0; i < 3; ++i) nodes[i] = Node{nullptr, i, 0, 0, 0, 0, 0};
  OpenList open;
  open.Reset(nodes.size());
  open.Insert(&nodes[2], 0);
  ASSERT_EQ(open.TakeFirst(), &nodes[2]);
  open.Insert(&nodes[0], 1);
  open.Insert(&nodes[1], 1.5f);
  open.Insert(&nodes[0], 2);
  EXPECT_EQ(TakeAll(open), (std::vector<int32_t>{1, 0}));
}

TEST(OpenListTest, EqualPrioritiesKeepTheirOrderWhenTheNumbersRunOut) {
  // Room for six cells: 14 insertions. Six nodes of one priority taken out
  // and put back in turn, 40 times, use the numbers up a few times over.
  std::vector<Node> nodes(6);
  OpenList open;
  open.Reset(nodes.size());
  for (int32_t i = 0; i < 6; ++i) {
    nodes[i] = Node{nullptr, i, 0, 0, 0, 0, 0};
    open.Insert(&nodes[i], 1);
  }
  for (int round = 0; round < 40; ++round) {
    Node* first = open.TakeFirst();
    ASSERT_EQ(first->x, round % 6);
    open.Insert(first, 1);
  }
  EXPECT_EQ(TakeAll(open), (std::vector<int32_t>{4, 5, 0, 1, 2, 3}));
}

}  // namespace
}  // namespace vdr
