#include "numeric/calc_arithmetic.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "stats/exception.h"

namespace zudira {

namespace {

// Square-and-multiply, so a 32-bit exponent costs at most 62 multiplications.
Real PositiveIntPower(Real a, std::uint64_t n) {
  Real result = 1;
  while (n != 0) {
    if (n & 1U) result *= a;
    n >>= 1U;
    if (n != 0) a *= a;
  }
  return result;
}

Real IntPower(Real a, std::int64_t n) {
  if (n >= 0) return CalcChecked(PositiveIntPower(a, static_cast<std::uint64_t>(n)));
  const auto m = static_cast<std::uint64_t>(-n);
  const Real p = PositiveIntPower(a, m);
  if (p == 0) CalcRaise(kCalcZeroDivide);
  // When a^m overflows its reciprocal is tiny but may still be representable.
  if (std::isinf(p)) return CalcChecked(PositiveIntPower(1 / a, m));
  return CalcChecked(1 / p);
}

// sinl, cosl and tanl reduce any finite argument exactly (Payne-Hanek), so arguments beyond
// 2^63 get their true value. Degrees are reduced modulo 360 first, which is exact, so that
// 390 degrees is 30 degrees to the last bit.
Real ToRadians(Real x, bool radians) {
  return radians ? x : std::fmod(x, 360.0L) * (CalcPi / 180);
}

Real FromRadians(Real x, bool radians) {
  return radians ? x : x * (180 / CalcPi);
}

Real Complement(Real x) {
  const Real rest = 1 - x * x;
  if (rest < 0) CalcRaise(kCalcInvalidOperation);
  return std::sqrt(rest);
}

}  // namespace

void CalcRaise(const char* message) {
  throw Exception(message);
}

Real CalcChecked(Real r) {
  if (std::isnan(r)) CalcRaise(kCalcInvalidOperation);
  if (std::isinf(r)) CalcRaise(kCalcOverflow);
  return r;
}

Real CalcPower(Real a, Real b) {
  if (b == 0) return 1;
  if (a == 0) {
    if (b > 0) return 0;
    CalcRaise(kCalcZeroDivide);
  }
  if (b == std::trunc(b) && b >= std::numeric_limits<std::int32_t>::min() &&
      b <= std::numeric_limits<std::int32_t>::max()) {
    return IntPower(a, static_cast<std::int64_t>(b));
  }
  if (a < 0) CalcRaise(kCalcInvalidOperation);
  return CalcChecked(std::pow(a, b));
}

Real CalcRoot(Real a, Real b) {
  if (b == 0) CalcRaise(kCalcZeroDivide);
  return CalcPower(a, 1 / b);
}

Real CalcLogarithm(Real x, bool base10) {
  if (x < 0) CalcRaise(kCalcInvalidOperation);
  if (x == 0) CalcRaise(kCalcZeroDivide);
  return CalcChecked(base10 ? std::log10(x) : std::log(x));
}

Real CalcSin(Real x, bool radians) {
  return CalcChecked(std::sin(ToRadians(CalcChecked(x), radians)));
}

Real CalcCos(Real x, bool radians) {
  return CalcChecked(std::cos(ToRadians(CalcChecked(x), radians)));
}

Real CalcTan(Real x, bool radians) {
  return CalcChecked(std::tan(ToRadians(CalcChecked(x), radians)));
}

Real CalcArcSin(Real x, bool radians) {
  return FromRadians(std::atan2(x, Complement(x)), radians);
}

Real CalcArcCos(Real x, bool radians) {
  return FromRadians(std::atan2(Complement(x), x), radians);
}

Real CalcArcTan(Real x, bool radians) {
  return FromRadians(std::atan(CalcChecked(x)), radians);
}

}  // namespace zudira
