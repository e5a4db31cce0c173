// The open list's order: smallest f first, equal f in order of insertion, a
// node put in again counting as inserted then (its old entry left behind),
// and that order kept when the 32-bit insertion numbers run out and are
// given out again.

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

TEST(OpenListTest, SmallestFirstThenEarliestInsertedAcrossRenumbering) {
  for (const uint32_t first : {0u, 0xFFFFFFFFu - 3}) {
    std::vector<Node> nodes(8);
    const float priorities[] = {2, 1, 2, 0.5f, 1, 2, 0, -0.0f};  // -0 equals 0
    OpenList open;
    open.Reset(nodes.size(), first);
    for (int32_t i = 0; i < 8; ++i) {
      nodes[i] = Node{nullptr, nullptr, i, 0, 0, 0};
      open.Insert(&nodes[i], priorities[i]);
    }
    // Node 0 goes behind the other nodes of priority 2, node 5 ahead of 4.
    open.Insert(&nodes[0], 2);
    open.Insert(&nodes[5], 1);
    EXPECT_EQ(TakeAll(open), (std::vector<int32_t>{6, 7, 3, 1, 4, 5, 2, 0})) << "first insertion " << first;
  }
}

TEST(OpenListTest, EntriesLeftBehindMakeRoomWhenTheListIsFull) {
  // Room for two cells: six entries. Two nodes put in again and again fill it
  // with old entries many times over.
  std::vector<Node> nodes(2);
  OpenList open;
  open.Reset(nodes.size());
  for (int32_t round = 0; round < 50; ++round) {
    for (int32_t i = 0; i < 2; ++i) {
      nodes[i] = Node{nullptr, nullptr, i, 0, 0, 0};
      open.Insert(&nodes[i], static_cast<float>(100 - round - 2 * i));
    }
  }
  EXPECT_EQ(TakeAll(open), (std::vector<int32_t>{1, 0}));
}

}  // namespace
}  // namespace vdr
