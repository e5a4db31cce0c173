#include "runtime/runtime_array.h"

#include <gtest/gtest.h>

namespace vdr {
namespace {

struct Grain {
  double x, y, colour, variant, settled;
};

TEST(RuntimeArrayTest, NegativeFirstIndexCountsFromTheEnd) {
  RuntimeArray<double> a;
  DimArray(a, 10);
  a[9] = 7;
  EXPECT_EQ(a[-1], 7);
  EXPECT_EXIT(a[10], testing::ExitedWithCode(0), "0009 out of bounds");
  EXPECT_EXIT(a[-11], testing::ExitedWithCode(0), "0009 out of bounds");
}

TEST(RuntimeArrayTest, InstantiatesForEveryElementType) {
  RuntimeArray<int32_t> ints;
  RuntimeArray<RuntimeString> texts;
  RuntimeArray<uint8_t> bytes;
  RuntimeArray<Grain> grains;
  DimArray(ints, 3, 4);
  ints.At(2, 3) = 5;
  EXPECT_EQ(ints.Data()[11], 5);
  ArrayPush(texts, "a");
  ArrayPush(texts, "b");
  EXPECT_EQ(texts[1], "b");
  DimArray(bytes, 70);
  EXPECT_EQ(bytes.Capacity(), 128);
  DimArray(grains, 4);
  grains[3].x = 1;
  ArrayDelete(grains, -1);
  EXPECT_EQ(ArrayBounds(grains, 0), 3);
}

}  // namespace
}  // namespace vdr
