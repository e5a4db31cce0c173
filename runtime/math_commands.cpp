#include "runtime/math_commands.h"

#include <cmath>

#include "runtime/number_text.h"

namespace vdr {
namespace {
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDegreesPerRadian = 57.29577951308232;
}  // namespace

double SinDeg(double degrees) { return std::sin(degrees * kRadiansPerDegree); }
double CosDeg(double degrees) { return std::cos(degrees * kRadiansPerDegree); }
double TanDeg(double degrees) { return std::tan(degrees * kRadiansPerDegree); }
double ATanDeg(double y, double x) { return std::atan2(y, x) * kDegreesPerRadian; }

double ASinDeg(double x) {
  if (x >= 1) return 90;
  if (x <= -1) return -90;
  return std::asin(x) * kDegreesPerRadian;
}

double ACosDeg(double x) {
  if (x >= 1) return 0;
  if (x <= -1) return 180;
  return std::acos(x) * kDegreesPerRadian;
}

double Power(double base, double exponent) { return std::pow(base, exponent); }

int32_t IntMod(double a, double b) {
  const int32_t x = ToInt(a), y = ToInt(b);
  // INT32_MIN % -1 overflows the division; its remainder is 0 anyway.
  if (y == 0 || y == -1) return 0;
  return x % y;
}

double FloatMod(double x, double y) { return y == 0 ? 0 : std::fmod(x, y); }
double AbsNumber(double value) { return std::fabs(value); }

int32_t AbsInt(double value) {
  const int32_t x = ToInt(value);
  return x == INT32_MIN ? INT32_MAX : (x < 0 ? -x : x);
}

double MaxNumber(double a, double b) { return a > b ? a : b; }
double MinNumber(double a, double b) { return a < b ? a : b; }
int32_t MaxInt(double a, double b) { return ToInt(a) > ToInt(b) ? ToInt(a) : ToInt(b); }
int32_t MinInt(double a, double b) { return ToInt(a) < ToInt(b) ? ToInt(a) : ToInt(b); }

}  // namespace vdr
