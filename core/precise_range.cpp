#include "core/continuous_range.h"

#include <algorithm>
#include <cmath>

#include "stats/arithmetic_fault.h"

namespace zudira {

namespace {

// Within this distance of 1/2 the centred form keeps more digits than either tail.
constexpr Real kCentreBand = 0.25L;

// The difference of two tails, or of F - 1/2 near the centre of a symmetric kind (where a band
// far narrower than the rounding of 1/2 keeps its probability). A band narrower than the
// rounding of the terms themselves is Simpson's integral of the density across it instead,
// right to the fourth power of its relative width.
constexpr Real kNarrowBand = 1e-9L;

Real InsideBand(const ContinuousFunctions& fn, const DistributionParameters& d, Real a, Real b,
                Real fa) {
  Real answer = 0, scale = 0;
  const auto difference = [&](Real upper, Real lower) {
    answer = upper - lower;
    scale = std::max(std::fabs(upper), std::fabs(lower));
  };
  const Real ca = fn.Centered != nullptr ? fn.Centered(d, a) : 1;
  const Real cb = fn.Centered != nullptr ? fn.Centered(d, b) : 1;
  if (std::fabs(ca) < kCentreBand && std::fabs(cb) < kCentreBand) {
    difference(cb, ca);
  } else if (const Real fb = fn.F(d, b); fb <= 0.5L) {
    difference(fb, fa);
  } else if (const Real qa = fn.Q(d, a), qb = fn.Q(d, b); qa <= 0.5L) {
    difference(qa, qb);
  } else {
    // Across the middle: never narrow.
    return 1 - (fa + qb);
  }
  if (fn.Density != nullptr && answer < scale * kNarrowBand) {
    try {
      const Real middle = a + (b - a) / 2;
      const Real simpson =
          (b - a) / 6 * (fn.Density(d, a) + 4 * fn.Density(d, middle) + fn.Density(d, b));
      if (std::isfinite(simpson) && simpson >= 0) answer = simpson;
    } catch (const EMathError&) {
      // An unbounded density at the end of the support: the difference stands.
    }
  }
  return answer;
}

}  // namespace

// Every range from the tails that are small where it lies, so nothing cancels: a band below
// the median is F(b) - F(a), one above it Q(a) - Q(b), and only a band across the middle is
// 1 - F(a) - Q(b).
EvaluationOutcome EvaluatePreciseContinuousRange(const ContinuousFunctions& fn,
                                                 const DistributionParameters& d, RangeType range,
                                                 Real a, Real b) {
  if (IsTwoBound(range) && a > b) b = a;

  // Each branch calls the tail it needs at A first, so a bound outside the domain fails for
  // every range type, P(X = A) included.
  Real answer = 0;
  switch (FamilyOf(range)) {
    case rfPoint:
      fn.F(d, a);
      answer = 0;
      break;
    case rfLower:
      answer = fn.F(d, a);
      break;
    case rfUpper:
      answer = fn.Q(d, a);
      break;
    case rfInside: {
      const Real fa = fn.F(d, a);
      if (a == b) break;
      answer = InsideBand(fn, d, a, b, fa);
      break;
    }
    case rfOutside: {
      const Real fa = fn.F(d, a);
      answer = a == b ? 1 : fa + fn.Q(d, b);
      break;
    }
  }
  return EvaluationOutcome::WithAnswer(std::clamp<Real>(answer, 0, 1));
}

}  // namespace zudira
