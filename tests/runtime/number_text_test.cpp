#include "runtime/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "tests/runtime/runtime_test_support.h"

namespace vdr {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumberTextTest, TenSignificantDigitsInFixedOrExponentialStyle) {
  struct Case { double value; const char* text; };
  const Case cases[] = {
      {0, "0"}, {-0.0, "0"}, {1, "1"}, {-3, "-3"}, {0.5, "0.5"}, {1.0 / 3, "0.3333333333"},
      {2.0 / 3, "0.6666666667"}, {123.456, "123.456"}, {1234567890, "1234567890"}, {100, "100"},
      {9999999999, "9999999999"}, {10000000000, "1.e+010"}, {-2.25e12, "-2.25e+012"}, {1.5e-5, "1.5e-005"},
      {0.05, "5.e-002"}, {0.01234, "1.234e-002"}, {0.1, "0.1"}, {0.099, "9.9e-002"},
      {12345.678901234, "12345.6789"}, {-0.75, "-0.75"}, {1e100, "1.e+100"}, {1e-100, "1.e-100"},
      {5e-324, "4.940656458e-324"}, {std::numeric_limits<double>::max(), "1.797693135e+308"},
      {123456789.01234, "123456789"}, {12345678901.0, "1.23456789e+010"}, {0.3, "0.3"},
      // Rounding carries into the next power of ten; the style follows the
      // value before rounding.
      {9999999999.5, "10000000000"}, {-9999999999.5, "-10000000000"}, {0.0999999999995, "1.e-001"},
      {99999.999999999, "100000"}, {9.9999999999e20, "1.e+021"},
      {kInf, "inf"}, {-kInf, "-inf"}, {std::nan(""), "nan"}, {-std::nan(""), "nan"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NumberText(c.value).view(), c.text) << "value " << c.value;
    EXPECT_EQ(NumberTextLength(c.value), static_cast<int32_t>(std::string(c.text).size())) << c.text;
  }
}

TEST(NumberTextTest, FloatsAreWidenedAndShowTheirBinaryError) {
  EXPECT_EQ(RuntimeString(0.5f).view(), "0.5");
  EXPECT_EQ(RuntimeString(0.1f).view(), "0.1000000015");
  EXPECT_EQ(RuntimeString(1e10f).view(), "1.e+010");
}

// The rule written out with the C library's correctly rounded printf.
std::string ReferenceText(double value) {
  if (value == 0) return "0";
  char exact[64];
  std::snprintf(exact, sizeof exact, "%.30e", std::fabs(value));
  const int m = std::atoi(std::strchr(exact, 'e') + 1);  // exponent before rounding
  char text[64];
  std::string s;
  if (m < -1 || m > 9) {
    std::snprintf(text, sizeof text, "%.9e", value);
    s = text;
    const size_t e = s.find('e');
    std::string mantissa = s.substr(0, e);
    while (mantissa.back() == '0') mantissa.pop_back();
    const int exponent = std::atoi(s.c_str() + e + 1);
    std::snprintf(text, sizeof text, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return mantissa + text;
  }
  std::snprintf(text, sizeof text, "%.*f", 9 - m, value);
  s = text;
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
  }
  if (s.back() == '.') s.pop_back();
  return s;
}

TEST(NumberTextTest, AgreesWithThePrintfRuleOverManyMagnitudes) {
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-15, 15);
  for (int i = 0; i < 40000; ++i) {
    double value = mantissa(random) * std::pow(10.0, exponent(random));
    if (i % 2) value = -value;
    if (i % 5 == 0) value = std::round(value * 1000) / 1000;  // short decimals
    ASSERT_EQ(NumberText(value).view(), ReferenceText(value)) << "value " << value;
  }
  // Right at the style boundaries and at powers of ten.
  for (double edge : {1e10, 0.1, 1.0, 1e9, 0.01, 1e-5, 1e15}) {
    double below = edge, above = edge;
    for (int step = 0; step < 200; ++step) {
      below = std::nextafter(below, 0.0);
      above = std::nextafter(above, kInf);
      ASSERT_EQ(NumberText(below).view(), ReferenceText(below)) << "value " << below;
      ASSERT_EQ(NumberText(above).view(), ReferenceText(above)) << "value " << above;
    }
    for (double scale : {1 - 5e-11, 1 - 4.9e-11, 1 - 5.1e-11, 1 + 5e-10}) {
      ASSERT_EQ(NumberText(edge * scale).view(), ReferenceText(edge * scale)) << "value " << edge * scale;
    }
  }
}

TEST(NumberTextTest, IntegersArePlainDecimal) {
  for (int32_t value : {0, 7, -7, 1000000, INT32_MAX, INT32_MIN}) {
    const std::string expected = std::to_string(value);
    EXPECT_EQ(IntegerText(value).view(), expected);
    EXPECT_EQ(IntegerTextLength(value), static_cast<int32_t>(expected.size()));
  }
}

TEST(NumberTextTest, TextToDoubleReadsTheLeadingNumber) {
  struct Case { const char* text; double value; };
  const Case cases[] = {
      {"  -12.5abc", -12.5}, {"abc", 0}, {"", 0}, {"1e3", 1000}, {"1E+3", 1000}, {"2.5e-1x", 0.25},
      {".5", 0.5}, {"-.5e1", -5}, {"5.", 5}, {"1.e2", 100}, {"1e", 1}, {"1e+", 1}, {"1e-x", 1},
      {".", 0}, {"-", 0}, {"+7", 7}, {"\t\n\v\f\r 3", 3}, {"0x10", 0}, {"$10", 0}, {"inf", 0},
      {"nan", 0}, {"- 5", 0}, {"1e400", kInf}, {"-1e400", -kInf}, {"1e-400", 0}, {"1e-310", 1e-310},
      {"123456789012345678901234567890", 1.2345678901234568e29},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToDouble(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(TextToDouble(nullptr), 0);
  // Too small without an exponent reads as 0, not as infinity.
  EXPECT_EQ(TextToDouble(("0." + std::string(400, '0') + "1").c_str()), 0);
  EXPECT_EQ(TextToDouble(("1" + std::string(400, '0')).c_str()), kInf);
  EXPECT_EQ(TextToDouble(("0." + std::string(400, '0') + "1e500").c_str()), 1e99);
}

TEST(NumberTextTest, TextToIntegerReadsDigitsAndClamps) {
  struct Case { const char* text; int32_t value; };
  const Case cases[] = {
      {"  -12.5abc", -12}, {"abc", 0}, {"", 0}, {"1e3", 1}, {"0x10", 0}, {"$10", 0}, {"+42", 42},
      {" \t-0", 0}, {"2147483647", INT32_MAX}, {"2147483648", INT32_MAX}, {"-2147483648", INT32_MIN},
      {"-2147483649", INT32_MIN}, {"99999999999999999999999999", INT32_MAX}, {"--1", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberTextTest, ToIntTruncatesTowardZeroAndSaturates) {
  struct Case { double value; int32_t result; };
  const Case cases[] = {{2.9, 2}, {-2.9, -2}, {0.5, 0}, {-0.5, 0}, {3e9, INT32_MAX},
                        {-3e9, INT32_MIN}, {kInf, INT32_MAX}, {std::nan(""), 0}, {-2147483648.0, INT32_MIN}};
  for (const Case& c : cases) EXPECT_EQ(ToInt(c.value), c.result) << c.value;
}

TEST(NumberTextTest, FormatNumberPadsAndRounds) {
  struct Case { double width, decimals, value; const char* text; };
  const Case cases[] = {
      {6, 2, 3.14159, "  3.14"}, {0, 3, -1, "-1.000"}, {8.9, 2.9, 2.5, "    2.50"}, {-6, 1, 2, "2.0   "},
      {1, 0, 2.6, "3"}, {3, -4, 7.25, "  7"}, {6, 1, kInf, "   inf"}, {5, 2, -std::nan(""), "  nan"},
  };
  for (const Case& c : cases) {
    const RuntimeString text = FormatNumber(c.width, c.decimals, c.value);
    EXPECT_EQ(text.view(), c.text) << c.width << " " << c.decimals << " " << c.value;
    EXPECT_EQ(text.capacity(), 144u);
  }
  // Wider than the usual buffer: sized to the result.
  const RuntimeString wide = FormatNumber(300, 2, 1);
  EXPECT_EQ(wide.length(), 300u);
  EXPECT_EQ(wide.view().substr(296), "1.00");
  EXPECT_EQ(FormatNumber(0, 200, 1).length(), 202u);
  EXPECT_EQ(FormatNumber(0, 0, 1e300).length(), 301u);
}

const DataItem kTwoItems[] = {{2.75, nullptr}, {0, "  -12.5abc"}};

TEST(DataListTest, ReadsEachItemInTurnAsTextNumberOrInteger) {
  DataList list{kTwoItems, 2, 5};
  RestoreData(list);
  EXPECT_EQ(list.position, 0);
  EXPECT_EQ(ReadDataText().view(), "2.75");
  EXPECT_EQ(ReadDataText().view(), "  -12.5abc");
  RestoreData(list);
  EXPECT_EQ(ReadDataNumber(), 2.75);
  EXPECT_EQ(ReadDataNumber(), -12.5);
  RestoreData(list);
  EXPECT_EQ(ReadDataInteger(), 2);
  EXPECT_EQ(ReadDataInteger(), -12);
}

TEST(DataListDeathTest, ReadingPastTheEndIsFatal) {
  DataList list{kTwoItems, 2, 0};
  RestoreData(list);
  ReadDataNumber();
  ReadDataNumber();
  EXPECT_EXIT(ReadDataNumber(), testing::ExitedWithCode(1), "0020 out of data");
  EXPECT_EXIT(ReadDataText(), testing::ExitedWithCode(1), "0020 out of data");
  DataList empty{nullptr, 0, 0};
  RestoreData(empty);
  EXPECT_EXIT(ReadDataInteger(), testing::ExitedWithCode(1), "0020 out of data");
}

}  // namespace
}  // namespace vdr
