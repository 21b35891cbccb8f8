#include "core/inverse_solving.h"

namespace zudira {

EvaluationOutcome SolveInverse(const ContinuousFunctions& fn, const DistributionParameters& d,
                               RangeType range, FixEnd fixed_end, Real p, Real g) {
  const RangeFamily family = FamilyOf(range);
  if (family == rfPoint) return EvaluationOutcome::WithAnswer(0);
  // Outside [0, 1] a two-bound target can still land inside (0, 1), and would then answer a
  // bound on the wrong side of the fixed one.
  if (!(p >= 0 && p <= 1)) return EvaluationOutcome::WithInputError(kProbabilityRangeText);

  const InverseCall call = fn.Targets(fn, d, family, fixed_end, p, g);
  if (fn.TargetError != nullptr) {
    if (const char* error = fn.TargetError(call.target)) {
      return EvaluationOutcome::WithInputError(error);
    }
  }
  std::optional<Real> bound;
  try {
    switch (call.tail) {
      case InverseTail::kLower:
        bound = fn.InvLower(d, call.target);
        break;
      case InverseTail::kUpper:
        bound = fn.InvUpper(d, call.target);
        break;
      case InverseTail::kCentral:
        bound = fn.InvCentered(d, call.target);
        break;
    }
  } catch (const BoundOutOfRange& out_of_range) {
    return EvaluationOutcome::WithInputError(out_of_range.Message());
  }
  if (!bound) {
    return EvaluationOutcome::WithInputError(IsTwoBound(range) ? kNoFiniteBoundFixedText
                                                               : kNoFiniteBoundText);
  }
  return EvaluationOutcome::WithAnswer(*bound);
}

}  // namespace zudira
