#pragma once
// The numeric commands: trigonometry in degrees, powers, remainders,
// absolute values, minimum and maximum. Integer forms truncate their
// arguments to 32-bit integers.

#include <cstdint>

namespace vdr {

double SinDeg(double degrees);
double CosDeg(double degrees);
double TanDeg(double degrees);
// atan2(y, x) in degrees, -180..180.
double ATanDeg(double y, double x);
// 90 / -90 beyond the domain, never NaN for a number outside -1..1.
double ASinDeg(double x);
// 0 / 180 beyond the domain.
double ACosDeg(double x);
double Power(double base, double exponent);
// Remainder with the sign of a (truncating division); 0 when b is 0.
int32_t IntMod(double a, double b);
// Floating remainder with the sign of x; 0 when y is 0.
double FloatMod(double x, double y);
double AbsNumber(double value);
// |value|; the one integer without a positive counterpart gives INT32_MAX.
int32_t AbsInt(double value);
// The larger / smaller; for equal values the second argument.
double MaxNumber(double a, double b);
double MinNumber(double a, double b);
int32_t MaxInt(double a, double b);
int32_t MinInt(double a, double b);

}  // namespace vdr
