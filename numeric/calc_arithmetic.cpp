#include "numeric/calc_arithmetic.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "stats/constants.h"
#include "stats/exception.h"
#include "stats/integer_power.h"

namespace zudira {

namespace {

// By square-and-multiply, so a 32-bit exponent costs at most 62 multiplications; a negative
// exponent is the reciprocal of the positive power.
Real WholePower(Real a, std::int64_t n) {
  if (n >= 0) return FiniteResult(IntPower(a, n));
  const std::int64_t m = -n;
  const Real p = IntPower(a, m);
  if (p == 0) throw EZeroDivide();
  // When a^m overflows its reciprocal is tiny but may still be representable.
  if (std::isinf(p)) return FiniteResult(IntPower(1 / a, m));
  return FiniteResult(1 / p);
}

// sinl, cosl and tanl reduce any finite argument exactly (Payne-Hanek), so arguments beyond
// 2^63 get their true value. Degrees are reduced modulo 360 first, which is exact, so that
// 390 degrees is 30 degrees to the last bit.
Real ToRadians(Real x, bool radians) {
  return radians ? x : std::fmod(x, 360.0L) * (kPi / 180);
}

Real FromRadians(Real x, bool radians) {
  return radians ? x : x * (180 / kPi);
}

Real Complement(Real x) {
  const Real rest = 1 - x * x;
  if (rest < 0) throw EInvalidOp();
  return std::sqrt(rest);
}

}  // namespace

void CalcRaise(const char* message) {
  throw Exception(message);
}

Real CalcPower(Real a, Real b) {
  if (b == 0) return 1;
  if (a == 0) {
    if (b > 0) return 0;
    throw EZeroDivide();
  }
  if (b == std::trunc(b) && b >= std::numeric_limits<std::int32_t>::min() &&
      b <= std::numeric_limits<std::int32_t>::max()) {
    return WholePower(a, static_cast<std::int64_t>(b));
  }
  if (a < 0) throw EInvalidOp();
  return FiniteResult(std::pow(a, b));
}

Real CalcRoot(Real a, Real b) {
  if (b == 0) throw EZeroDivide();
  return CalcPower(a, 1 / b);
}

Real CalcLogarithm(Real x, bool base10) {
  if (x < 0) throw EInvalidOp();
  if (x == 0) throw EZeroDivide();
  return FiniteResult(base10 ? std::log10(x) : std::log(x));
}

Real CalcSin(Real x, bool radians) {
  return FiniteResult(std::sin(ToRadians(FiniteResult(x), radians)));
}

Real CalcCos(Real x, bool radians) {
  return FiniteResult(std::cos(ToRadians(FiniteResult(x), radians)));
}

Real CalcTan(Real x, bool radians) {
  return FiniteResult(std::tan(ToRadians(FiniteResult(x), radians)));
}

Real CalcArcSin(Real x, bool radians) {
  return FromRadians(std::atan2(x, Complement(x)), radians);
}

Real CalcArcCos(Real x, bool radians) {
  return FromRadians(std::atan2(Complement(x), x), radians);
}

Real CalcArcTan(Real x, bool radians) {
  return FromRadians(std::atan(FiniteResult(x)), radians);
}

}  // namespace zudira
