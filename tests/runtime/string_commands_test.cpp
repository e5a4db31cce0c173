#include "runtime/string_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "tests/runtime/runtime_test_support.h"

namespace vdr {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

TEST(StringCommandsTest, MidText) {
  struct Case { double start, count; std::string_view result; };
  const Case cases[] = {{2, 3, "cde"}, {2, -1, "cdef"}, {2, 10, "cdef"}, {6, 1, ""}, {-1, 3, ""},
                        {0, 0, ""}, {0, 6, "abcdef"}, {5, 1, "f"}, {2.9, 1.9, "c"}, {1e12, 1, ""}, {1, 1e12, "bcdef"}};
  for (const Case& c : cases) EXPECT_EQ(MidText("abcdef", c.start, c.count).view(), c.result) << c.start << "," << c.count;
  EXPECT_EQ(MidText(RuntimeString("a\0b", 3), 1, 2).view(), "\0b"sv);
}

TEST(StringCommandsTest, FindText) {
  struct Case { const char* text; const char* pattern; double start; int32_t position; };
  const Case cases[] = {
      {"banana", "an", 0, 1}, {"banana", "an", 2, 3}, {"banana", "an", 4, -1}, {"banana", "an", 6, -1},
      {"xabcd", "abzz", 1, -1}, {"banana", "", 0, -1}, {"", "a", 0, -1}, {"banana", "banana", 0, 0},
      {"banana", "bananas", 0, -1}, {"banana", "a", 5, 5}, {"banana", "b", -3, 0}, {"aAbB", "B", 0, 3},
      {"abcabcabd", "abcabd", 0, 3}, {"xxxxxxxxxy", "xy", 0, 8}, {"abc", "c", 1e10, -1},
      {"\xFF\x80\xFF", "\x80\xFF", 0, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindText(c.text, c.pattern, c.start), c.position) << c.text << " / " << c.pattern << " from " << c.start;
  }
  EXPECT_EQ(FindText(RuntimeString("a\0b\0c", 5), RuntimeString("\0c", 2), 0), 3);
}

TEST(StringCommandsTest, FindTextAgreesWithPlainSearch) {
  // Every pattern drawn from a small alphabet, so the skip table sees repeats.
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "abcab"[(i * 7 + i / 13) % 5];
  const RuntimeString haystack(text.c_str());
  for (size_t length = 1; length <= 9; ++length) {
    for (size_t from = 0; from + length <= 200; from += 7) {
      const std::string pattern = text.substr(from, length) + (length % 3 == 0 ? "c" : "");
      for (int start : {0, 1, 50}) {
        const size_t expected = text.find(pattern, start);
        EXPECT_EQ(FindText(haystack, pattern.c_str(), start),
                  expected == std::string::npos ? -1 : static_cast<int32_t>(expected))
            << pattern << " from " << start;
      }
    }
  }
}

// Texts long enough to be searched many places at a time, with matches at
// the edges of those blocks, zero bytes and starts outside the text.
TEST(StringCommandsTest, FindTextInLongTexts) {
  const std::string needle = std::string(200, 'a') + "needle" + std::string(100, 'a');
  const std::string zeros = std::string(1000, '\0') + "\0\1"s;
  const std::string tail = std::string(130, 'q') + std::string(70, 'r') + "s";
  struct Case { std::string text, pattern; double start; int32_t position; };
  const Case cases[] = {
      {needle, "needle", 0, 200}, {needle, "needle", 200, 200}, {needle, "needle", 201, -1},
      {needle, "needle", -7, 200}, {needle, "needle", 306, -1}, {needle, "needle", 1e10, -1},
      {needle, "", 0, -1}, {needle, needle + "a", 0, -1}, {needle, needle, 0, 0}, {needle, "aa", 304, 304},
      {needle, "aa", 305, -1}, {std::string(63, 'x') + "ab", "ab", 0, 63}, {std::string(64, 'x') + "ab", "xab", 0, 63},
      {zeros, "\0\1"s, 0, 1000}, {zeros, "\0"s, 0, 0}, {zeros, "\0"s, 999, 999}, {zeros, "\1"s, 0, 1001},
      {zeros, "\1\0"s, 0, -1}, {tail, tail.substr(100), 0, 100}, {tail, tail.substr(100) + "s", 0, -1},
      {tail, "rs", 0, 199}, {std::string(300, 'b') + "abba", "abba", 0, 300},
  };
  for (const Case& c : cases) {
    const RuntimeString text(c.text.data(), static_cast<uint32_t>(c.text.size()));
    const RuntimeString pattern(c.pattern.data(), static_cast<uint32_t>(c.pattern.size()));
    EXPECT_EQ(FindText(text, pattern, c.start), c.position) << c.pattern.size() << "-byte pattern from " << c.start;
  }
}

// Random texts of two letters and zero bytes, of lengths around the search's
// blocks, against std::string_view::find for FindText and a replacing loop
// over it for ReplaceText.
TEST(StringCommandsTest, FindAndReplaceAgreeWithTheStandardSearch) {
  std::mt19937 random(11);
  for (size_t n : {1, 5, 63, 64, 65, 66, 100, 127, 128, 129, 200, 1000}) {
    std::string text(n, 0);
    for (char& c : text) c = "ab\0"[random() % 3];
    const RuntimeString haystack(text.data(), static_cast<uint32_t>(n));
    for (size_t m : {1, 2, 3, 4, 31, 32, 33, 43, 63, 64, 65, 100}) {
      if (m > n) continue;
      for (int draw = 0; draw < 4; ++draw) {
        std::string pattern = text.substr(random() % (n - m + 1), m);
        if (draw == 3) pattern.back() = 'c';  // found nowhere
        const RuntimeString needle(pattern.data(), static_cast<uint32_t>(m));
        for (int64_t start : {-5L, 0L, 1L, 31L, 63L, 64L, 65L, static_cast<long>(n / 2), static_cast<long>(n - 1),
                              static_cast<long>(n), static_cast<long>(n + 7)}) {
          const size_t from = static_cast<size_t>(std::max<int64_t>(start, 0));
          const size_t expected = from < n ? std::string_view(text).find(pattern, from) : std::string_view::npos;
          EXPECT_EQ(FindText(haystack, needle, static_cast<double>(start)),
                    expected == std::string_view::npos ? -1 : static_cast<int32_t>(expected))
              << n << " bytes, " << m << "-byte pattern from " << start;
        }
        std::string replaced;
        size_t done = 0;
        for (size_t at; (at = text.find(pattern, done)) != std::string::npos; done = at + m) {
          replaced += text.substr(done, at - done) + "<>";
        }
        replaced += text.substr(done);
        EXPECT_EQ(ReplaceText(haystack, needle, "<>").view(), replaced) << n << " bytes, " << m << "-byte pattern";
      }
    }
  }
}

TEST(StringCommandsTest, ReplaceText) {
  struct Case { const char* text; const char* pattern; const char* replacement; const char* result; };
  const Case cases[] = {
      {"aaaa", "aa", "a", "aa"}, {"a.b.c", ".", "--", "a--b--c"}, {"abc", "", "x", "abc"},
      {"abc", "b", "B", "aBc"}, {"abab", "ab", "abab", "abababab"}, {"xyz", "q", "r", "xyz"},
      {"aaa", "a", "", ""}, {"", "a", "b", ""}, {"hello world", "o", "0", "hell0 w0rld"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceText(c.text, c.pattern, c.replacement).view(), c.result) << c.text;
  }
}

TEST(StringCommandsTest, TrimLeftAndRight) {
  struct Case { const char* text; const char* set; const char* left; const char* right; };
  const Case cases[] = {
      {"  xy ", " ", "xy ", "  xy"}, {"", " ", "", ""}, {"  xy ", "", "  xy ", "  xy "},
      {"  ", " ", "", ""}, {"-+a+-", "+-", "a+-", "-+a"}, {"abc", "xyz", "abc", "abc"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrimLeft(c.text, c.set).view(), c.left) << '"' << c.text << '"';
    EXPECT_EQ(TrimRight(c.text, c.set).view(), c.right) << '"' << c.text << '"';
  }
}

TEST(StringCommandsTest, CaseChangesOnlyAsciiLetters) {
  const RuntimeString mixed("aZ09@[`{\xE4\xC4\0q", 12);
  EXPECT_EQ(UpperText(mixed).view(), "AZ09@[`{\xE4\xC4\0Q"sv);
  EXPECT_EQ(LowerText(mixed).view(), "az09@[`{\xE4\xC4\0q"sv);
  EXPECT_EQ(UpperText("").view(), "");
  EXPECT_EQ(mixed.view(), "aZ09@[`{\xE4\xC4\0q"sv);  // the argument stays as it was
}

TEST(StringCommandsTest, CharacterCodes) {
  EXPECT_EQ(CharCode(""), 0);
  EXPECT_EQ(CharCode("A"), 65);
  EXPECT_EQ(CharCode("\xFFx"), 255);
  EXPECT_EQ(CharText(65).view(), "A");
  EXPECT_EQ(CharText(0).view(), "\0"sv);
  EXPECT_EQ(CharText(255).view(), "\xFF");
  EXPECT_EQ(CharText(321).view(), "A");  // the low 8 bits
}

TEST(StringCommandsTest, SplitText) {
  struct Case { const char* text; const char* delimiters; std::vector<std::string_view> fields; };
  const Case cases[] = {
      {",a,,b,", ",", {"a", "b"}}, {"a, b,c ", ", ", {"a", "b", "c"}}, {"", ",", {}},
      {",,,", ",", {}}, {"abc", ",", {"abc"}}, {"a b", "", {"a b"}}, {"", "", {}},
  };
  RuntimeArray<RuntimeString> target;
  DimArray(target, 3, 3);  // emptied first, whatever its shape
  for (const Case& c : cases) {
    const int32_t count = SplitText(c.text, target, c.delimiters);
    ASSERT_EQ(count, static_cast<int32_t>(c.fields.size())) << c.text;
    EXPECT_EQ(ArrayBounds(target, 0), count);
    EXPECT_EQ(ArrayBounds(target, 1), 0);
    for (int32_t i = 0; i < count; ++i) EXPECT_EQ(target[i].view(), c.fields[i]) << c.text;
  }
}

// The text and the delimiters may be elements of the target array itself,
// which is emptied before the fields go in.
TEST(StringCommandsTest, SplitTextIntoTheArrayItComesFrom) {
  RuntimeArray<RuntimeString> a;
  ArrayPush(a, "x,y;z");
  ArrayPush(a, ",;");
  EXPECT_EQ(SplitText(a[0], a, a[1]), 3);
  ASSERT_EQ(ArrayBounds(a, 0), 3);
  EXPECT_EQ(a[0].view(), "x");
  EXPECT_EQ(a[1].view(), "y");
  EXPECT_EQ(a[2].view(), "z");
  a[1] = "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 "
         "39 40 41 42 43 44 45 46 47 48 49 50 51 52 53 54 55 56 57 58 59 60 61 62 63 64 65 66 67 68 69 70";
  a[2] = " ";
  EXPECT_EQ(SplitText(a[-2], a, a[-1]), 70);  // more fields than the storage holds
  EXPECT_EQ(a[69].view(), "70");
}

TEST(StringCommandsTest, UrlEncodeAndDecode) {
  struct Case { std::string_view text; std::string_view encoded; };
  const Case cases[] = {{"a b&c", "a+b%26c"}, {"AZaz09", "AZaz09"}, {"\xFF\0-"sv, "%ff%00%2d"}, {"", ""}};
  for (const Case& c : cases) {
    const RuntimeString text(c.text.data(), static_cast<uint32_t>(c.text.size()));
    EXPECT_EQ(UrlEncode(text).view(), c.encoded);
    EXPECT_EQ(UrlDecode(UrlEncode(text)).view(), c.text);
  }
  struct Decode { const char* text; const char* decoded; };
  const Decode decodes[] = {{"5%zz1", "5z1"}, {"100%", "100"}, {"%4", ""}, {"%41%4a%4A", "AJJ"},
                            {"a+b", "a b"}, {"%g1x", "1x"}, {"%%41", "41"}};
  for (const Decode& d : decodes) EXPECT_EQ(UrlDecode(d.text).view(), d.decoded) << d.text;
}

TEST(StringCommandsTest, HexText) {
  const uint8_t bytes[] = {0x0A, 0xFF};
  EXPECT_EQ(HexText(bytes, 2, true).view(), "0AFF");
  EXPECT_EQ(HexText(bytes, 2, false).view(), "0aff");
  EXPECT_EQ(HexText(bytes, 0, true).view(), "");
  EXPECT_EQ(HexText(bytes, -4, true).view(), "");
  // The text form never reads past the text.
  EXPECT_EQ(HexText(RuntimeString("\x01\x02", 2), 100, 1).view(), "0102");
  EXPECT_EQ(HexText(RuntimeString("\x01\x02", 2), 1, 0).view(), "01");
}

TEST(ConsoleTest, ReadTextLineSplitsLongLinesAndStopsAtEndOfInput) {
  const std::string longLine(5000, 'x');
  const std::string exact(kConsoleLineMax, 'y');
  const std::string input = "abc\nwindows\r\n\n" + longLine + "\n" + exact + "\nnul\0byte\nlast"s;
  std::FILE* in = std::tmpfile();
  ASSERT_NE(in, nullptr);
  std::fwrite(input.data(), 1, input.size(), in);
  std::rewind(in);
  const std::string_view expected[] = {"abc", "windows", "", std::string_view(longLine).substr(0, kConsoleLineMax),
                                       std::string_view(longLine).substr(kConsoleLineMax), exact,
                                       "nul\0byte"sv, "last", "", ""};
  for (std::string_view line : expected) EXPECT_EQ(ReadTextLine(in).view(), line);
  std::fclose(in);
}

TEST(ConsoleDeathTest, WritesReachTheStreamsAtOnce) {
  // _exit skips the flushing at exit: the text must already be out.
  EXPECT_EXIT((ConsoleWriteError("to the error stream"), _exit(0)), testing::ExitedWithCode(0), "to the error stream");
  EXPECT_EXIT((dup2(2, 1), ConsoleWrite("to the output stream"), _exit(0)), testing::ExitedWithCode(0),
              "to the output stream");
}

}  // namespace
}  // namespace vdr
