#include "runtime/runtime_string.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

#include "tests/runtime/runtime_test_support.h"

namespace vdr {
namespace {

using namespace std::string_view_literals;

// The capacity the growth rule gives for n bytes: the smallest multiple of 16 above n + 1.
uint32_t GrownCapacity(uint32_t n) { return ((n + 1) / 16) * 16 + 16; }

TEST(RuntimeStringTest, ReserveGrowsInStepsOf16) {
  struct Case { uint32_t n; uint32_t capacity; };
  for (Case c : {Case{1, 16}, Case{14, 16}, Case{15, 32}, Case{30, 32}, Case{31, 48}}) {
    RuntimeString s;
    s.Reserve(c.n, false);
    EXPECT_EQ(s.capacity(), c.capacity) << "reserve " << c.n;
  }
  RuntimeString kept("abc");
  kept.Reserve(40, true);
  EXPECT_EQ(kept.view(), "abc");
  kept.Reserve(10, false);  // large enough already: nothing happens
  EXPECT_EQ(kept.view(), "abc");
  EXPECT_EQ(kept.capacity(), 48u);
}

TEST(RuntimeStringTest, EmptyValuesShareOneTextAndAllocateNothing) {
  const RuntimeString values[] = {RuntimeString(), RuntimeString(""), RuntimeString("abc", 0),
                                  RuntimeString(static_cast<const char*>(nullptr)), RuntimeString(RuntimeString())};
  for (const RuntimeString& s : values) {
    EXPECT_TRUE(s.IsSharedEmpty());
    EXPECT_EQ(s.capacity(), 0u);
    EXPECT_EQ(s.length(), 0u);
    EXPECT_STREQ(s.c_str(), "");
  }
  RuntimeString s;
  s += "";
  s += RuntimeString();
  s.Reserve(0, true);
  EXPECT_TRUE(s.IsSharedEmpty());
}

TEST(RuntimeStringTest, AppendingNothingKeepsBufferAndCapacity) {
  RuntimeString s("abc");
  const char* buffer = s.c_str();
  s += "";
  s += RuntimeString();
  s.Append("xyz", 0);
  EXPECT_EQ(s.c_str(), buffer);
  EXPECT_EQ(s.capacity(), 16u);
  EXPECT_EQ(s.view(), "abc");
}

TEST(RuntimeStringTest, AssigningEmptyValueKeepsCapacityButEmptyTextFreesIt) {
  RuntimeString s("0123456789abcdefghij");  // capacity 32
  ASSERT_EQ(s.capacity(), 32u);
  s = RuntimeString();
  EXPECT_EQ(s.capacity(), 32u);
  EXPECT_EQ(s.length(), 0u);
  EXPECT_FALSE(s.IsSharedEmpty());
  EXPECT_STREQ(s.c_str(), "");
  s = "";
  EXPECT_TRUE(s.IsSharedEmpty());
  EXPECT_EQ(s.capacity(), 0u);
}

TEST(RuntimeStringTest, AssigningAValueReusesALargeEnoughBufferButPlainTextResizes) {
  RuntimeString target(std::string(40, 'x').c_str());  // capacity 48
  const char* buffer = target.c_str();
  const RuntimeString shorter("short");
  target = shorter;
  EXPECT_EQ(target.c_str(), buffer);
  EXPECT_EQ(target.capacity(), 48u);
  EXPECT_EQ(target.view(), "short");

  // A temporary is no different: the capacity never shrinks.
  target = RuntimeString("tiny");
  EXPECT_EQ(target.capacity(), 48u);
  EXPECT_EQ(target.view(), "tiny");

  const RuntimeString longer(std::string(60, 'y').c_str());
  target = longer;
  EXPECT_EQ(target.capacity(), GrownCapacity(60));
  EXPECT_EQ(target.view(), longer.view());
  target = RuntimeString(std::string(100, 'z').c_str());
  EXPECT_EQ(target.length(), 100u);

  target = "ab";  // plain text: a freshly sized buffer
  EXPECT_EQ(target.capacity(), 16u);
  EXPECT_EQ(target.view(), "ab");
}

TEST(RuntimeStringTest, SelfAssignmentAndSelfAppendAreSafe) {
  RuntimeString s("abcdefghijklm");  // 13 bytes, capacity 16
  RuntimeString& alias = s;
  s = alias;
  EXPECT_EQ(s.view(), "abcdefghijklm");
  s = alias.c_str();
  EXPECT_EQ(s.view(), "abcdefghijklm");
  s += alias;  // grows while reading from itself
  EXPECT_EQ(s.view(), "abcdefghijklmabcdefghijklm");
  s.Append(s.data() + 2, 20);  // grows again, from the middle
  EXPECT_EQ(s.view(), "abcdefghijklmabcdefghijklmcdefghijklmabcdefghi");
}

TEST(RuntimeStringTest, EmbeddedNulKeepsLengthButComparesAsShorterText) {
  const RuntimeString withNul("a\0b", 3);
  const RuntimeString copy(withNul);
  EXPECT_EQ(copy.view(), "a\0b"sv);
  RuntimeString appended("x");
  appended += withNul;
  EXPECT_EQ(appended.view(), "xa\0b"sv);
  RuntimeString assigned("longer text here");
  assigned = withNul;
  EXPECT_EQ(assigned.view(), "a\0b"sv);

  EXPECT_TRUE(withNul == "a");
  EXPECT_TRUE(withNul == RuntimeString("a"));
  EXPECT_EQ(withNul.TextLength(), 1u);
  RuntimeString plain;
  plain += withNul.c_str();  // plain text stops at the NUL
  EXPECT_EQ(plain.view(), "a");
}

TEST(RuntimeStringTest, ComparisonIsByUnsignedByte) {
  struct Case { const char* a; const char* b; int sign; };
  const Case cases[] = {
      {"\xC8" "a", "z", 1},  // byte 200 sorts after "z"
      {"abc", "abcd", -1},
      {"B", "a", -1},  // upper case before lower case
      {"abc", "abc", 0},
      {"", "a", -1},
  };
  for (const Case& c : cases) {
    const RuntimeString a(c.a), b(c.b);
    const int three = Compare(a, b);
    EXPECT_EQ((three > 0) - (three < 0), c.sign) << c.a << " vs " << c.b;
    EXPECT_EQ(a < b, c.sign < 0);
    EXPECT_EQ(a > c.b, c.sign > 0);
    EXPECT_EQ(c.a <= b, c.sign <= 0);
    EXPECT_EQ(a >= b, c.sign >= 0);
    EXPECT_EQ(a == c.b, c.sign == 0);
    EXPECT_EQ(c.a != b, c.sign != 0);
  }
}

TEST(RuntimeStringTest, ComparisonWithANumberIsNumeric) {
  const RuntimeString ten("10");
  EXPECT_TRUE(ten > 9.5);
  EXPECT_TRUE(9.5 < ten);
  EXPECT_TRUE(ten > 9.5f);
  EXPECT_TRUE(ten == 10);
  EXPECT_FALSE(ten < 9);  // bytewise "10" < "9", numerically not
  EXPECT_TRUE(RuntimeString("abc") == 0);
  EXPECT_TRUE(0.0 == RuntimeString("abc"));
  // An integer operand reads the text as an integer, a double as a double.
  EXPECT_TRUE(RuntimeString("1e3") == 1);
  EXPECT_TRUE(RuntimeString("1e3") == 1000.0);
  EXPECT_TRUE(RuntimeString("2.5") >= 2);
  EXPECT_FALSE(RuntimeString("2.5") > 2);
  EXPECT_EQ(CompareNumeric(ten, 9.5), 1);
  EXPECT_EQ(CompareNumeric(ten, 10), 0);
  EXPECT_EQ(CompareNumeric(RuntimeString("-3"), 2), -1);
  // NaN equals nothing.
  EXPECT_FALSE(RuntimeString("5") == std::nan(""));
  EXPECT_TRUE(RuntimeString("5") != std::nan(""));
}

TEST(RuntimeStringTest, ConcatenationConvertsNumbersByTheNumberRule) {
  EXPECT_EQ((RuntimeString("x") + 1).view(), "x1");
  EXPECT_EQ((RuntimeString("x") + 0.5).view(), "x0.5");
  EXPECT_EQ((RuntimeString("x") + 0.1f).view(), "x0.1000000015");
  EXPECT_EQ((RuntimeString("x") + RuntimeString("y")).view(), "xy");
  EXPECT_EQ((RuntimeString("x") + "y").view(), "xy");
  EXPECT_EQ(("x" + RuntimeString("y")).view(), "xy");
  EXPECT_EQ((-3 + RuntimeString("y")).view(), "-3y");
  EXPECT_EQ((1.0 / 3 + RuntimeString("y")).view(), "0.3333333333y");
  EXPECT_EQ((2.5f + RuntimeString("y")).view(), "2.5y");
  EXPECT_EQ(Concat("a", "b").view(), "ab");
  EXPECT_EQ(Concat("a", 1e10).view(), "a1.e+010");
  EXPECT_EQ(Concat("a", 7).view(), "a7");
  EXPECT_EQ(Concat("a", 0.25f).view(), "a0.25");
  EXPECT_EQ(Concat(7, "a").view(), "7a");
  EXPECT_EQ(Concat(-0.5, "a").view(), "-0.5a");
  EXPECT_EQ(Concat(0.75f, "a").view(), "0.75a");

  RuntimeString s("n=");
  s += 42;
  s += ' ';
  s += 2.0 / 3;
  s += ' ';
  s += 0.1f;
  s += '\0';
  EXPECT_EQ(s.view(), "n=42 0.6666666667 0.1000000015\0"sv);
  EXPECT_EQ(RuntimeString(INT32_MIN).view(), "-2147483648");
  EXPECT_EQ(RuntimeString(1.0).ToDouble(), 1.0);
  EXPECT_EQ(RuntimeString(" 12x").ToInteger(), 12);
}

TEST(RuntimeStringTest, GrowthKeepsTheRuleOverManyAppends) {
  RuntimeString s;
  std::string expected;
  for (int i = 0; i < 5000; ++i) {
    const char piece[] = {static_cast<char>('a' + i % 26), 0};
    s += i % 3 == 0 ? RuntimeString(piece) : RuntimeString();
    s += piece;
    expected += piece;
    if (i % 3 == 0) expected += piece;
    ASSERT_EQ(s.capacity() % 16, 0u);
    ASSERT_GT(s.capacity(), s.length());
    ASSERT_LE(s.capacity(), s.length() + 17);
  }
  EXPECT_EQ(s.view(), expected);
}

TEST(RuntimeStringTest, WritableBufferRecountAndTruncate) {
  RuntimeString s;
  char* buffer = s.WritableBuffer(0);  // never the shared read-only text
  EXPECT_FALSE(s.IsSharedEmpty());
  buffer[0] = 'q';
  buffer[1] = 0;
  s.RecountLength();
  EXPECT_EQ(s.view(), "q");

  buffer = s.WritableBuffer(20);  // content kept
  EXPECT_EQ(s.capacity(), 32u);
  EXPECT_EQ(buffer[0], 'q');
  for (uint32_t i = 0; i < s.capacity(); ++i) buffer[i] = 'z';  // no NUL at all
  s.RecountLength();
  EXPECT_EQ(s.length(), 31u);
  EXPECT_EQ(s.c_str()[31], 0);

  s.Truncate(5);
  EXPECT_EQ(s.view(), "zzzzz");
  s.Truncate(32);  // at the capacity: nothing
  s.Truncate(-1);
  EXPECT_EQ(s.view(), "zzzzz");
  EXPECT_EQ(s.capacity(), 32u);

  RuntimeString empty;
  empty.Truncate(0);  // capacity 0: nothing, the shared text stays untouched
  empty.RecountLength();
  EXPECT_TRUE(empty.IsSharedEmpty());
}

TEST(RuntimeStringTest, ReservingWithoutKeepingLeavesAnEmptyValue) {
  RuntimeString s("hello");
  s.Reserve(100, false);
  EXPECT_EQ(s.length(), 0u);
  EXPECT_STREQ(s.c_str(), "");
  RuntimeString copy(s);
  EXPECT_TRUE(copy.IsSharedEmpty());
}

}  // namespace
}  // namespace vdr
