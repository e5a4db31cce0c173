#include "runtime/number_text.h"

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

int WriteExponent(int exponent, char* out) {
  int n = 0;
  out[n++] = exponent < 0 ? '-' : '+';
  const unsigned magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
  char digits[8];
  const int count = std::snprintf(digits, sizeof digits, "%03u", magnitude);
  std::memcpy(out + n, digits, static_cast<size_t>(count));
  return n + count;
}

// The decimal exponent of |value| itself (before any rounding), given the
// exponent of its 10-digit rounding: rounding can carry into the next power
// of ten (9.9999999999 -> 1.000000000e+001), and then the value lies below it.
int ExponentBeforeRounding(double magnitude, const char* digits, int roundedExponent) {
  if (std::memcmp(digits, "1000000000", 10) != 0) return roundedExponent;
  char exact[64];
  auto result = std::to_chars(exact, exact + sizeof exact, magnitude, std::chars_format::scientific, 30);
  *result.ptr = 0;
  const char* e = std::strchr(exact, 'e');
  return std::atoi(e + 1);
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

  // Ten significant digits, correctly rounded: "d.ddddddddde[+-]x".
  char sci[40];
  auto result = std::to_chars(sci, sci + sizeof sci, magnitude, std::chars_format::scientific, 9);
  *result.ptr = 0;
  char digits[10];
  digits[0] = sci[0];
  std::memcpy(digits + 1, sci + 2, 9);
  const int roundedExponent = std::atoi(sci + 12);
  const int m = ExponentBeforeRounding(magnitude, digits, roundedExponent);

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
    // from_chars leaves the value alone; decide between overflow and underflow.
    const char* e = start;
    while (e < p && *e != 'e' && *e != 'E') ++e;
    const bool tiny = e < p && e[1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
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
  // Widths and decimals beyond these would only make blanks and zeros; they
  // keep the text within what a RuntimeString can hold.
  constexpr double kLimit = 1 << 20;
  auto toInt = [&](double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::trunc(std::fmax(-kLimit, std::fmin(kLimit, v))));
  };
  const int w = toInt(width);
  const int d = toInt(decimals) < 0 ? 0 : toInt(decimals);
  const int needed = std::snprintf(nullptr, 0, "%*.*f", w, d, value);
  RuntimeString text;
  if (needed <= 0) return text;
  char* buffer = text.WritableBuffer(static_cast<uint32_t>(needed) < 128 ? 128 : static_cast<uint32_t>(needed));
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
