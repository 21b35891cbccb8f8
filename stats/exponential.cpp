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
// A rate times bound above this leaves e^-(rate x) at 0.
constexpr Real kFarBeyondTheLimit = 0x1p16000L;

}  // namespace

Real ExponentialCDF(Real mean, Real x) {
  // A NaN passes every comparison and would come out as the answer.
  if (std::isnan(mean) || std::isnan(x)) throw EInvalidOp();
  if (mean <= 0 || x < 0) return 0;
  if (mean < kSmallestNormal && mean <= kLargestOverflowingMean) throw EOverflow();
  // No step below can fault, so no guard is needed: 1 / mean is finite after the test above,
  // and rate * x is formed only where it stays in range. Beyond that, and for an infinite
  // bound, the distribution function has reached its limit 1 (e^-x for x above 2^16000 is 0).
  if (std::isinf(x)) return 1;
  const Real rate = 1 / mean;
  if (x > 1 && rate > kFarBeyondTheLimit / x) return 1;
  return 1 - std::exp(-rate * x);
}

}  // namespace zudira
