#include "core/continuous_range.h"

namespace zudira {

EvaluationOutcome EvaluateContinuousRange(const ContinuousFunctions& fn,
                                          const DistributionParameters& d, RangeType range, Real a,
                                          Real b) {
  const Real fa = fn.F(d, a);
  Real fb = 0;
  if (IsTwoBound(range)) fb = fn.F(d, a > b ? a : b);

  Real answer = 0;
  switch (FamilyOf(range)) {
    case rfPoint:
      answer = 0;
      break;
    case rfLower:
      answer = fa;
      break;
    case rfUpper:
      answer = 1 - fa;
      break;
    case rfInside:
      answer = fb - fa;
      break;
    case rfOutside:
      answer = fa + (1 - fb);
      break;
  }
  return EvaluationOutcome::WithAnswer(answer);
}

}  // namespace zudira
