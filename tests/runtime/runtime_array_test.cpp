#include "runtime/runtime_array.h"

#include <gtest/gtest.h>

#include "tests/runtime/runtime_test_support.h"

namespace vdr {
namespace {

struct Grain {
  double x, y, colour, variant, settled;
};

TEST(RuntimeArrayDeathTest, NegativeFirstIndexCountsFromTheEnd) {
  RuntimeArray<double> a;
  DimArray(a, 10);
  a[9] = 7;
  a[0] = 1;
  EXPECT_EQ(a[-1], 7);
  EXPECT_EQ(a[-10], 1);
  EXPECT_EXIT(a[10], testing::ExitedWithCode(1), "0009 out of bounds");
  EXPECT_EXIT(a[-11], testing::ExitedWithCode(1), "0009 out of bounds");
}

TEST(RuntimeArrayDeathTest, EveryIndexIsTested) {
  RuntimeArray<int32_t> a;
  EXPECT_EXIT(a[0], testing::ExitedWithCode(1), "0009 out of bounds");  // never sized
  DimArray(a, 3, 4);
  a.At(2, 3) = 5;
  EXPECT_EQ(a.Data()[2 + 3 * 3], 5);
  EXPECT_EQ(a.At(-1, 3), 5);
  EXPECT_EXIT(a.At(0, 4), testing::ExitedWithCode(1), "0009 out of bounds");
  EXPECT_EXIT(a.At(0, -1), testing::ExitedWithCode(1), "0009 out of bounds");
  EXPECT_EXIT(a.At(0, 0, 1), testing::ExitedWithCode(1), "0009 out of bounds");  // no third dimension
  DimArray(a, 2, 0, 3);
  a.At(1, 0, 2) = 9;
  EXPECT_EQ(a.Data()[1 + 2 * 2], 9);
  EXPECT_EQ(a.Dimensions(), 3);
}

TEST(RuntimeArrayDeathTest, NonsenseShapesNeverReachMemory) {
  RuntimeArray<double> a;
  DimArray(a, 3, -2);  // a negative size leaves no valid index in that dimension
  EXPECT_EQ(ArrayBounds(a, 1), -2);
  EXPECT_EXIT(a.At(0, 0), testing::ExitedWithCode(1), "0009 out of bounds");
  RedimArray(a, 4, 2);
  a.At(3, 1) = 1;
  DimArray(a, -100000, 100000, 100000);
  EXPECT_EQ(a.Count(), 0);
  EXPECT_EXIT(a[0], testing::ExitedWithCode(1), "0009 out of bounds");
  EXPECT_EXIT(DimArray(a, 100000, 100000), testing::ExitedWithCode(1), "0007 out of memory");
}

TEST(RuntimeArrayTest, BoundsGiveEachDimensionsSize) {
  RuntimeArray<RuntimeString> a;
  DimArray(a, 5, 7);
  const int expected[] = {5, 7, 0, 0, 0, 0};
  const double dimensions[] = {0, 1, 2, 3, 9, -1};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(ArrayBounds(a, dimensions[i]), expected[i]) << dimensions[i];
  EXPECT_EQ(a.Dimensions(), 2);
}

TEST(RuntimeArrayTest, SmallNumberArraysUseTheInlineBlock) {
  struct Case { int32_t n; bool exact; int32_t capacity; bool inlined; };
  const Case numberCases[] = {{15, false, 16, true}, {16, false, 24, false}, {16, true, 16, true},
                              {17, true, 17, false}, {0, false, 8, true}};
  for (const Case& c : numberCases) {
    RuntimeArray<double> a;
    if (c.exact) a.DimExact(c.n); else a.Dim(c.n);
    EXPECT_EQ(a.Capacity(), c.capacity) << c.n;
    EXPECT_EQ(a.UsesInlineBlock(), c.inlined) << c.n;
  }
  const Case integerCases[] = {{7, false, 8, true}, {8, false, 16, false}, {8, true, 8, true}, {9, true, 9, false}};
  for (const Case& c : integerCases) {
    RuntimeArray<int32_t> a;
    if (c.exact) a.DimExact(c.n); else a.Dim(c.n);
    EXPECT_EQ(a.Capacity(), c.capacity) << c.n;
    EXPECT_EQ(a.UsesInlineBlock(), c.inlined) << c.n;
  }
  RuntimeArray<uint8_t> bytes;
  DimArray(bytes, 70);
  EXPECT_EQ(bytes.Capacity(), 128);
  RuntimeArray<RuntimeString> texts;
  DimArray(texts, 64);
  EXPECT_EQ(texts.Capacity(), 128);
}

TEST(RuntimeArrayTest, DimReusesLargerStorageWithEveryElementNew) {
  RuntimeArray<RuntimeString> texts;
  DimArray(texts, 100);
  texts[99] = "old";
  const RuntimeString* storage = texts.Data();
  DimArray(texts, 10, 2);
  EXPECT_EQ(texts.Data(), storage);
  EXPECT_EQ(texts.Capacity(), 128);
  for (int i = 0; i < 128; ++i) EXPECT_TRUE(texts.Data()[i].empty()) << i;

  RuntimeArray<double> numbers;
  DimArray(numbers, 40);
  numbers[3] = 1;
  DimArray(numbers, 4);
  EXPECT_EQ(numbers.Capacity(), 48);
  EXPECT_EQ(numbers[3], 0);
}

TEST(RuntimeArrayTest, RedimKeepsElementsInsideBothShapes) {
  RuntimeArray<double> a;
  DimArray(a, 5);
  for (int i = 0; i < 5; ++i) a[i] = i + 1;
  RedimArray(a, 3);
  EXPECT_EQ(ArrayBounds(a, 0), 3);
  RedimArray(a, 5);
  const double expected[] = {1, 2, 3, 0, 0};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(a[i], expected[i]) << i;

  // Two dimensions, within the inline block and beyond it.
  for (int rows : {2, 6}) {
    RuntimeArray<int32_t> grid;
    DimArray(grid, rows, 3);
    for (int i = 0; i < rows; ++i)
      for (int j = 0; j < 3; ++j) grid.At(i, j) = 10 * i + j + 1;
    RedimArray(grid, 3, 2);
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 2; ++j) EXPECT_EQ(grid.At(i, j), i < rows ? 10 * i + j + 1 : 0) << i << "," << j;
  }

  RuntimeArray<RuntimeString> texts;
  DimArray(texts, 2, 2);
  texts.At(1, 1) = "kept";
  RedimArray(texts, 3, 3);
  EXPECT_EQ(texts.At(1, 1).view(), "kept");
  EXPECT_TRUE(texts.At(2, 2).empty());

  RuntimeArray<Grain> grains;
  DimArray(grains, 3);
  grains[2].colour = 5;
  RedimArray(grains, 70);
  EXPECT_EQ(grains[2].colour, 5);
}

TEST(RuntimeArrayDeathTest, RedimToZeroEmptiesButKeepsStorage) {
  RuntimeArray<double> a;
  DimArray(a, 40);
  RedimArray(a, 0);
  EXPECT_EQ(a.Count(), 0);
  EXPECT_EQ(a.Dimensions(), 0);
  EXPECT_EQ(a.Capacity(), 48);
  EXPECT_NE(a.Data(), nullptr);
  EXPECT_EXIT(a[0], testing::ExitedWithCode(1), "0009 out of bounds");
}

TEST(RuntimeArrayDeathTest, DeleteMovesLaterElementsDown) {
  RuntimeArray<Grain> grains;
  DimArray(grains, 4);
  for (int i = 0; i < 4; ++i) grains[i].x = i;
  ArrayDelete(grains, 1);
  ASSERT_EQ(ArrayBounds(grains, 0), 3);
  EXPECT_EQ(grains[1].x, 2);
  ArrayDelete(grains, -1);
  ASSERT_EQ(ArrayBounds(grains, 0), 2);
  EXPECT_EQ(grains[-1].x, 2);
  EXPECT_EXIT(ArrayDelete(grains, 2), testing::ExitedWithCode(1), "0008 unknown error");
  EXPECT_EXIT(ArrayDelete(grains, -3), testing::ExitedWithCode(1), "0008 unknown error");
  ArrayDelete(grains, 0);
  ArrayDelete(grains, 0);
  EXPECT_EQ(grains.Count(), 0);
}

TEST(RuntimeArrayDeathTest, PushAppendsToOneDimensionalStringArrays) {
  RuntimeArray<RuntimeString> texts;
  for (int i = 0; i < 100; ++i) ArrayPush(texts, RuntimeString(i));
  ASSERT_EQ(ArrayBounds(texts, 0), 100);
  EXPECT_EQ(texts[0].view(), "0");
  EXPECT_EQ(texts[99].view(), "99");
  ArrayPush(texts, texts[5]);  // a value from the array itself
  EXPECT_EQ(texts[-1].view(), "5");

  RuntimeArray<RuntimeString> grid;
  DimArray(grid, 2, 2);
  EXPECT_EXIT(ArrayPush(grid, "x"), testing::ExitedWithCode(1), "0008 unknown error");
}

TEST(RuntimeArrayTest, CopyAndListFill) {
  RuntimeArray<RuntimeString> source;
  DimArray(source, 2, 3);
  source.At(1, 2) = "deep";
  RuntimeArray<RuntimeString> copy;
  copy.CopyFrom(source);
  source.At(1, 2) = "changed";
  EXPECT_EQ(copy.At(1, 2).view(), "deep");
  EXPECT_EQ(ArrayBounds(copy, 1), 3);
  const RuntimeArray<RuntimeString> constructed(copy);
  EXPECT_EQ(constructed.At(1, 2).view(), "deep");

  const double values[] = {4, 5, 6};
  RuntimeArray<double> list;
  list.FromList(3, values);
  EXPECT_EQ(ArrayBounds(list, 0), 3);
  EXPECT_EQ(list[2], 6);
  // A list of the array's own values, which the sizing resets.
  list.FromList(2, &list[1]);
  ASSERT_EQ(ArrayBounds(list, 0), 2);
  EXPECT_EQ(list[0], 5);
  EXPECT_EQ(list[1], 6);
  RuntimeArray<RuntimeString> words;
  for (const char* w : {"a", "b", "c"}) ArrayPush(words, w);
  words.FromList(3, words.Data());
  ASSERT_EQ(ArrayBounds(words, 0), 3);
  EXPECT_EQ(words[0].view(), "a");
  EXPECT_EQ(words[2].view(), "c");
}

int Descending(const RuntimeString& a, const RuntimeString& b) { return Compare(b, a); }

TEST(SortArrayTest, OrdersByByteOrByTheGivenComparison) {
  const char* words[] = {"pear", "Apple", "apple", "\xC8nd", "fig", "apple", "Zoo", "", "fig"};
  RuntimeArray<RuntimeString> a;
  for (const char* w : words) ArrayPush(a, w);
  SortArray(&a[0], &a[-1]);
  const char* ascending[] = {"", "Apple", "Zoo", "apple", "apple", "fig", "fig", "pear", "\xC8nd"};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(a[i].view(), ascending[i]) << i;
  SortArray(&a[0], &a[-1], Descending);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(a[i].view(), ascending[8 - i]) << i;
  SortArray(&a[2], &a[4]);  // a sub-range only
  EXPECT_EQ(a[0].view(), "\xC8nd");
  EXPECT_EQ(a[2].view(), "apple");
  EXPECT_EQ(a[4].view(), "fig");
  EXPECT_EQ(a[5].view(), "apple");

  RuntimeArray<RuntimeString> same;
  for (int i = 0; i < 2000; ++i) ArrayPush(same, i % 2 ? "b" : "a");
  SortArray(&same[0], &same[-1]);
  EXPECT_EQ(same[999].view(), "a");
  EXPECT_EQ(same[1000].view(), "b");
}

// A comparison may read the array being sorted: at every call it holds all
// its elements, none lost or half moved.
RuntimeArray<RuntimeString>* g_sorting = nullptr;
int ByLengthCheckingTheArray(const RuntimeString& a, const RuntimeString& b) {
  uint32_t total = 0;
  for (int32_t i = 0; i < ArrayBounds(*g_sorting, 0); ++i) total += (*g_sorting)[i].length();
  EXPECT_EQ(total, 1u + 2 + 3 + 4 + 5 + 6 + 7 + 8);
  return static_cast<int>(a.length()) - static_cast<int>(b.length());
}

TEST(SortArrayTest, ComparisonMayReadTheArray) {
  RuntimeArray<RuntimeString> a;
  for (const char* w : {"eeeee", "a", "hhhhhhhh", "ccc", "ggggggg", "bb", "dddd", "ffffff"}) ArrayPush(a, w);
  g_sorting = &a;
  SortArray(&a[0], &a[-1], ByLengthCheckingTheArray);
  g_sorting = nullptr;
  for (int32_t i = 0; i < 8; ++i) EXPECT_EQ(a[i].length(), static_cast<uint32_t>(i + 1)) << i;
}

TEST(ErrorStatusTest, TextShowsCodeAndMeaning) {
  struct Case { int32_t code; const char* text; };
  const Case cases[] = {{0, "0000 success"}, {3, "0003 no such file"}, {7, "0007 out of memory"},
                        {8, "0008 unknown error"}, {9, "0009 out of bounds"}, {20, "0020 out of data"},
                        {12345, "12345 unknown error"}, {-1, "-0001 unknown error"}};
  ErrorStatus().currentLine = 42;
  for (const Case& c : cases) {
    RecordError(c.code);
    EXPECT_EQ(ErrorText().view(), c.text);
    EXPECT_EQ(ErrorStatus().line, 42);
  }
  ClearErrorCode();
  EXPECT_EQ(ErrorStatus().code, 0);
  ResetErrorStatus();
  EXPECT_EQ(ErrorStatus().line, 0);
  EXPECT_EQ(ErrorStatus().currentLine, 0);
}

}  // namespace
}  // namespace vdr
