// F's inverses with two degrees of freedom on a side, in closed form. Boost's quantile loses
// them far out as measured on Boost 1.74 (Debian 12's libboost-math-dev 1.74.0.3); the route's
// tests pin it against Boost's quantile where that is right.
#include "stats/precise/f_two_degrees.h"

#include <cmath>

namespace zudira::precise {

// With 2 degrees of freedom on either side F's tails have closed forms, and Boost's quantile
// loses them: with 2 and 2 its upper quantile at 1e-19 comes out 8 % low, and below 1e-20 it
// overflows. With df1 = 2 the upper tail is (1 + 2 f / df2)^(-df2 / 2); with df2 = 2 the lower
// tail is (1 + 2 / (df1 f))^(-df1 / 2). Each is solved through its logarithm, the tail's or its
// complement's by log1p, so neither side loses digits. Sets f and answers true when finite.
bool TwoDegreesRoot(std::int32_t df1, std::int32_t df2, Real t, bool upper, Real& f) {
  if (!(t > 0 && t < 1) || (df1 != 2 && df2 != 2)) return false;
  // Below this y, expm1(y) is y (1 + y / 2) to the last bit, and the form keeps the digits
  // that a subnormal y would lose.
  constexpr Real kTinyExponent = 1e-20L;
  if (df1 == 2) {
    const Real log_upper = upper ? std::log(t) : std::log1p(-t);
    const Real n = df2;
    const Real y = -2 / n * log_upper;
    f = std::fabs(y) < kTinyExponent ? -log_upper * (1 + y / 2) : n / 2 * std::expm1(y);
  } else {
    const Real log_lower = upper ? std::log1p(-t) : std::log(t);
    const Real m = df1;
    const Real y = -2 / m * log_lower;
    f = std::fabs(y) < kTinyExponent ? -1 / (log_lower * (1 + y / 2)) : 2 / (m * std::expm1(y));
  }
  return std::isfinite(f) && f > 0;
}

}  // namespace zudira::precise
