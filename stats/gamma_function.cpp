// Gamma function: the eight-term polynomial of Abramowitz & Stegun 6.1.36 for Gamma(1 + f),
// f in [0, 1] (error at most 3e-7), carried to larger arguments by the recurrence; whole
// arguments go through Factorial exactly.
#include "stats/gamma_function.h"

#include <array>
#include <cmath>

#include "stats/arithmetic_fault.h"
#include "stats/combinatorics.h"
#include "stats/exception.h"
#include "stats/float_compare.h"
#include "stats/messages.h"

namespace zudira {

namespace {

constexpr std::array<Real, 8> kG{-0.577191652L, 0.988205891L, -0.897056937L, 0.918206857L,
                                 -0.756704078L, 0.482199394L, -0.193527818L, 0.035868343L};

// Beyond this magnitude Gamma overflows (positive side) or underflows (negative side) the
// extended range; the recurrence stops there instead of running on.
constexpr Real kRecurrenceLimit = 1800;

Real GammaOnePlus(Real f) {
  Real g = 1;
  Real power = 1;
  for (Real coefficient : kG) {
    power *= f;
    g += coefficient * power;
  }
  return g;
}

}  // namespace

Real GammaFn(Real x) {
  const Real whole = std::trunc(x);
  if (FloatsEqual(x, whole)) {
    if (!(x > 0)) throw Exception(GammaNonPositiveMessage);
    const Real n = std::round(x);
    // Below 1 the factorial's argument would be negative, which Factorial also refuses.
    if (n - 1 > MaxFactorialArg || n < 1) throw Exception(FactorialLimitMessage);
    return Factorial(static_cast<std::uint32_t>(n - 1));
  }
  return GuardArithmetic([&]() -> Real {
    const Real f = std::fabs(x - whole);
    if (x < 0) {
      // Negative non-integers: Gamma(x) = Gamma(x + k) / (x (x + 1) ... (x + k - 1)), with
      // x + k in (0, 1).
      if (x < -kRecurrenceLimit) return 0;
      const Real up = 1 - f;
      Real result = GammaOnePlus(up) / up;
      for (Real y = x; y < 0; y += 1) result /= y;
      return result;
    }
    Real g = GammaOnePlus(f);
    if (x > 1 && x < 2) return g;
    if (x > 2) {
      if (x > kRecurrenceLimit) throw EOverflow();
      const auto n = static_cast<std::int64_t>(whole);
      for (std::int64_t i = 2; i <= n; ++i) g *= (i + f - 1);
      return g;
    }
    return g / f;
  });
}

}  // namespace zudira
