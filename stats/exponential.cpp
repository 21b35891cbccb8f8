#include "stats/exponential.h"

#include <cmath>

#include "stats/arithmetic_fault.h"

namespace zudira {

Real ExponentialCDF(Real mean, Real x) {
  // A NaN passes every comparison and would come out as the answer.
  if (std::isnan(mean) || std::isnan(x)) throw EInvalidOp();
  if (mean <= 0 || x < 0) return 0;
  const Real rate = GuardArithmetic([&] { return 1 / mean; });
  try {
    return GuardArithmetic([&] { return 1 - std::exp(-rate * x); });
  } catch (const EMathError&) {
    // Only rate * x can fault here, by overflowing: x lies that far out, where the
    // distribution function has reached its limit 1.
    return 1;
  }
}

}  // namespace zudira
