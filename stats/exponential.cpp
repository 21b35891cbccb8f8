#include "stats/exponential.h"

#include <cmath>

#include "stats/arithmetic_fault.h"

namespace zudira {

namespace {

// 1 / mean overflows exactly when the mean is at most 2^-16384 (a subnormal): the rate's own
// fault is told apart from the tail's without a guarded step of its own. A comparison with a
// subnormal operand takes the processor's slow path, so it is made only for means below the
// smallest normal number.
constexpr Real kLargestOverflowingMean = 0x1p-16384L;
constexpr Real kSmallestNormal = 0x1p-16382L;

}  // namespace

Real ExponentialCDF(Real mean, Real x) {
  // A NaN passes every comparison and would come out as the answer.
  if (std::isnan(mean) || std::isnan(x)) throw EInvalidOp();
  if (mean <= 0 || x < 0) return 0;
  if (mean < kSmallestNormal && mean <= kLargestOverflowingMean) throw EOverflow();
  try {
    return GuardArithmetic([&] {
      const Real rate = 1 / mean;
      return 1 - std::exp(-rate * x);
    });
  } catch (const EMathError&) {
    // Only rate * x can fault here, by overflowing: x lies that far out, where the
    // distribution function has reached its limit 1.
    return 1;
  }
}

}  // namespace zudira
