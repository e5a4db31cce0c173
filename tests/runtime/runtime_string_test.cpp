#include "runtime/runtime_string.h"

#include <gtest/gtest.h>

namespace vdr {
namespace {

TEST(RuntimeStringTest, ReserveGrowsInStepsOf16) {
  struct Case { uint32_t n; uint32_t capacity; };
  for (Case c : {Case{14, 16}, Case{15, 32}, Case{30, 32}, Case{31, 48}}) {
    RuntimeString s;
    s.Reserve(c.n, false);
    EXPECT_EQ(s.capacity(), c.capacity) << "reserve " << c.n;
  }
}

}  // namespace
}  // namespace vdr
