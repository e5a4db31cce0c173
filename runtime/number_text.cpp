#include "runtime/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <system_error>

#include "runtime/error_status.h"

namespace vdr {
namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The power of ten of the first non-zero digit of a number text "ddd.ddde+dd"
// that holds one: "123" gives 2, "0.05" gives -2, "5e-400" gives -400.
int64_t DecimalExponent(const char* p, const char* end) {
  int64_t lead = -1;
  bool found = false;
  for (; p < end && IsDigit(*p); ++p) {
    if (found) {
      ++lead;
    } else if (*p != '0') {
      found = true;
      lead = 0;
    }
  }
  if (p < end && *p == '.') {
    for (++p; p < end && IsDigit(*p); ++p) {
      if (!found) {
        if (*p != '0') found = true;
        else --lead;
      }
    }
  }
  int64_t exponent = 0;
  if (p < end && (*p == 'e' || *p == 'E')) {
    ++p;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    for (; p < end && exponent < 1000000; ++p) exponent = exponent * 10 + (*p - '0');
    if (negative) exponent = -exponent;
  }
  return lead + exponent;
}

// "+010", "-005": the exponent's sign and at least three digits.
int WriteExponent(int exponent, char* out) {
  out[0] = exponent < 0 ? '-' : '+';
  const unsigned magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
  out[1] = static_cast<char>('0' + magnitude / 100);
  out[2] = static_cast<char>('0' + magnitude / 10 % 10);
  out[3] = static_cast<char>('0' + magnitude % 10);
  return 4;
}

// Whole numbers below 1e10 print as plain integers; the general path would
// give the same text, this one is just quicker for the most common numbers.
bool IsSmallWholeNumber(double magnitude) {
  return magnitude < 1e10 && magnitude == static_cast<double>(static_cast<uint64_t>(magnitude));
}

}  // namespace

int WriteNumberText(double value, char* out) {
  if (std::isnan(value)) {
    std::memcpy(out, "nan", 4);
    return 3;
  }
  if (std::isinf(value)) {
    const char* text = value < 0 ? "-inf" : "inf";
    std::strcpy(out, text);
    return static_cast<int>(std::strlen(text));
  }
  if (value == 0) {
    std::memcpy(out, "0", 2);
    return 1;
  }

  int n = 0;
  if (value < 0) out[n++] = '-';
  const double magnitude = std::fabs(value);
  if (IsSmallWholeNumber(magnitude)) {
    const auto result = std::to_chars(out + n, out + kNumberTextMax - 1, static_cast<uint64_t>(magnitude));
    *result.ptr = 0;
    return static_cast<int>(result.ptr - out);
  }

  // Ten significant digits, correctly rounded: "d.ddddddddde[+-]x".
  char sci[40];
  const auto result = std::to_chars(sci, sci + sizeof sci, magnitude, std::chars_format::scientific, 9);
  *result.ptr = 0;
  char digits[10];
  digits[0] = sci[0];
  std::memcpy(digits + 1, sci + 2, 9);
  const int roundedExponent = std::atoi(sci + 12);

  // The style follows the exponent of the value before rounding. It differs
  // from the rounded one only when rounding carried into a power of ten (the
  // digits then read 1000000000), and only at 1e10 and at 0.1 does that
  // change the style: 9999999999.5 stays fixed, 0.0999999999995 goes
  // exponential. (The double nearest 0.1 lies above 0.1, so comparing with
  // it is exact.)
  int m = roundedExponent;
  if ((roundedExponent == 10 && magnitude < 1e10) || (roundedExponent == -1 && magnitude < 0.1)) --m;

  if (m < -1 || m > 9) {
    out[n++] = digits[0];
    out[n++] = '.';
    int last = 9;
    while (last >= 1 && digits[last] == '0') --last;
    for (int i = 1; i <= last; ++i) out[n++] = digits[i];
    out[n++] = 'e';
    n += WriteExponent(roundedExponent, out + n);
    out[n] = 0;
    return n;
  }

  // Fixed style with 9 - m decimals. When rounding carried, the digits read
  // 1 followed by zeros one place further left.
  const int decimals = 9 - m;
  const int integerDigits = roundedExponent + 1;  // digits before the point
  if (integerDigits <= 0) {
    out[n++] = '0';
  } else {
    for (int i = 0; i < integerDigits; ++i) out[n++] = i < 10 ? digits[i] : '0';
  }
  if (decimals > 0) {
    const int pointAt = n;
    out[n++] = '.';
    for (int place = 1; place <= decimals; ++place) {
      const int index = integerDigits - 1 + place;  // position in digits[]
      out[n++] = (index >= 0 && index < 10) ? digits[index] : '0';
    }
    while (out[n - 1] == '0') --n;
    if (n - 1 == pointAt) --n;  // "100." loses its point
  }
  out[n] = 0;
  return n;
}

int WriteIntegerText(int32_t value, char* out) {
  auto result = std::to_chars(out, out + 12, value);
  *result.ptr = 0;
  return static_cast<int>(result.ptr - out);
}

RuntimeString NumberText(double value) { return RuntimeString(value); }
RuntimeString IntegerText(int32_t value) { return RuntimeString(value); }

double TextToDouble(const char* text) {
  if (text == nullptr) return 0;
  const char* p = text;
  while (IsBlank(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';

  const char* start = p;
  while (IsDigit(*p)) ++p;
  const bool hasInteger = p != start;
  bool hasFraction = false;
  if (*p == '.') {
    const char* fraction = p + 1;
    while (IsDigit(*fraction)) ++fraction;
    hasFraction = fraction != p + 1;
    if (hasInteger || hasFraction) p = fraction;
  }
  if (!hasInteger && !hasFraction) return 0;
  if (*p == 'e' || *p == 'E') {
    const char* exponent = p + 1;
    if (*exponent == '+' || *exponent == '-') ++exponent;
    if (IsDigit(*exponent)) {
      while (IsDigit(*exponent)) ++exponent;
      p = exponent;
    }
  }

  double value = 0;
  auto result = std::from_chars(start, p, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone: too small reads as 0, too large as infinity.
    value = DecimalExponent(start, p) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

int32_t TextToInteger(const char* text) {
  if (text == nullptr) return 0;
  const char* p = text;
  while (IsBlank(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  int64_t value = 0;
  while (IsDigit(*p)) {
    if (value <= int64_t{INT32_MAX} + 1) value = value * 10 + (*p - '0');
    ++p;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

RuntimeString FormatNumber(double width, double decimals, double value) {
  // Wider fields or more decimals would only add blanks and zeros; the limit
  // keeps the text well within what a RuntimeString holds.
  constexpr int32_t kLimit = 1 << 20;
  const int w = std::clamp(ToInt(width), -kLimit, kLimit);
  const int d = std::clamp(ToInt(decimals), 0, kLimit);
  if (std::isnan(value)) value = std::numeric_limits<double>::quiet_NaN();  // "nan", never "-nan"
  const int needed = std::snprintf(nullptr, 0, "%*.*f", w, d, value);
  RuntimeString text;
  if (needed <= 0) return text;
  char* buffer = text.WritableBuffer(std::max(static_cast<uint32_t>(needed), uint32_t{128}));
  std::snprintf(buffer, static_cast<size_t>(needed) + 1, "%*.*f", w, d, value);
  text.RecountLength();
  return text;
}

int32_t NumberTextLength(double value) {
  char text[kNumberTextMax];
  return WriteNumberText(value, text);
}

int32_t IntegerTextLength(int32_t value) {
  char text[16];
  return WriteIntegerText(value, text);
}

int32_t ToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value <= static_cast<double>(INT32_MIN)) return INT32_MIN;
  if (value >= static_cast<double>(INT32_MAX)) return INT32_MAX;
  return static_cast<int32_t>(value);
}

namespace {
DataList* g_currentData = nullptr;

const DataItem& NextDataItem() {
  if (g_currentData == nullptr || g_currentData->items == nullptr ||
      g_currentData->position < 0 || g_currentData->position >= g_currentData->count) {
    FatalError(kErrorOutOfData);
  }
  return g_currentData->items[g_currentData->position++];
}
}  // namespace

void RestoreData(DataList& list) {
  g_currentData = &list;
  list.position = 0;
}

RuntimeString ReadDataText() {
  const DataItem& item = NextDataItem();
  return item.text != nullptr ? RuntimeString(item.text) : NumberText(item.value);
}

double ReadDataNumber() {
  const DataItem& item = NextDataItem();
  return item.text != nullptr ? TextToDouble(item.text) : item.value;
}

int32_t ReadDataInteger() {
  const DataItem& item = NextDataItem();
  if (item.text != nullptr) return TextToInteger(item.text);
  return ToInt(item.value);
}

}  // namespace vdr
