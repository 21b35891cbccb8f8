#include "core/continuous_range.h"

#include <algorithm>

namespace zudira {

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
      const Real fb = fn.F(d, b);
      if (fb <= 0.5L) {
        answer = fb - fa;
        break;
      }
      const Real qa = fn.Q(d, a);
      const Real qb = fn.Q(d, b);
      answer = qa <= 0.5L ? qa - qb : 1 - (fa + qb);
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
