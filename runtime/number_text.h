#pragma once
// How numbers become text and text becomes numbers. Every number the runtime
// prints follows one rule: 10 significant digits, fixed style from 0.1 up to
// below 1e10, otherwise "d.ddde+xxx" with at least three exponent digits.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

// Longest text WriteNumberText produces, terminator included.
constexpr int kNumberTextMax = 32;

// Writes the text of a double (floats are widened first); returns its length.
int WriteNumberText(double value, char* out);
// Writes the plain decimal text of an integer; returns its length.
int WriteIntegerText(int32_t value, char* out);

RuntimeString NumberText(double value);
RuntimeString IntegerText(int32_t value);

// Leading white space, sign, digits, fraction and exponent; stops at the first
// character that does not fit. No hexadecimal and no word forms.
double TextToDouble(const char* text);
// Leading white space, sign and decimal digits; clamped to the int32 range.
int32_t TextToInteger(const char* text);

// Fixed-point text with `decimals` digits, right-aligned in `width` columns
// (printf "%W.Df"; a negative width aligns left). Sized to the result.
RuntimeString FormatNumber(double width, double decimals, double value);
int32_t NumberTextLength(double value);
int32_t IntegerTextLength(int32_t value);

// A number taken as a 32-bit integer argument: truncated toward zero,
// saturated at the int32 range, NaN as 0.
int32_t ToInt(double value);

// The inline data list of a compiled program: items read one after another.
struct DataItem {
  double value;
  const char* text;  // null for a numeric item
};

struct DataList {
  const DataItem* items;
  int32_t count;
  int32_t position;
};

// Makes the list current with its read position at 0.
void RestoreData(DataList& list);
// Reading past the end, or with no list current, is fatal (error 20).
RuntimeString ReadDataText();
double ReadDataNumber();
int32_t ReadDataInteger();

}  // namespace vdr
