#include "core/discrete_range.h"

namespace zudira {

EvaluationOutcome EvaluateDiscreteRange(const DiscreteFunctions& fn,
                                        const DistributionParameters& d, RangeType range,
                                        std::int32_t a32, std::int32_t b32) {
  if (fn.CheckParameters != nullptr) {
    if (const char* error = fn.CheckParameters(d)) return EvaluationOutcome::WithInputError(error);
  }
  // 64-bit so that a + 1 and a - 1 stay exact at the ends of the 32-bit range.
  const std::int64_t a = a32;
  const std::int64_t b = b32;
  if (!ValidRangeType(range)) return EvaluationOutcome::WithAnswer(0);
  if (const std::optional<int> decided = AnswerOfBounds(range, a, b))
    return EvaluationOutcome::WithAnswer(*decided);

  // L(k) is P(X < k) and G(k) is P(X > k): a bound the sign holds moves the cut by one.
  const RangeTypeRow& row = RangeTypeOf(range);
  const int a_in = row.a_included ? 1 : 0;
  const int b_in = row.b_included ? 1 : 0;
  Real answer = 0;
  switch (row.family) {
    case rfPoint:
      answer = fn.E(d, a);
      break;
    case rfLower:
      answer = fn.L(d, a + a_in);
      break;
    case rfUpper:
      answer = fn.G(d, a - a_in);
      break;
    case rfInside:
      answer = fn.L(d, b + b_in) - fn.L(d, a + 1 - a_in);
      break;
    case rfOutside:
      answer = fn.L(d, a + a_in) + fn.G(d, b - b_in);
      break;
  }
  return EvaluationOutcome::WithAnswer(answer);
}

namespace {

// P(lo <= X < hi) from the tails that are small where the band lies, so that a band far in
// the upper tail keeps its digits: L(hi) - L(lo) below the median, G(lo - 1) - G(hi - 1) above.
Real PreciseBand(const DiscreteFunctions& fn, const DistributionParameters& d, std::int64_t lo,
                 std::int64_t hi) {
  const Real below_hi = fn.L(d, hi);
  if (below_hi <= 0.5L) return below_hi - fn.L(d, lo);
  const Real above_lo = fn.G(d, lo - 1);
  if (above_lo <= 0.5L) return above_lo - fn.G(d, hi - 1);
  return 1 - (fn.L(d, lo) + fn.G(d, hi - 1));
}

}  // namespace

EvaluationOutcome EvaluatePreciseDiscreteRange(const DiscreteFunctions& fn,
                                               const DistributionParameters& d, RangeType range,
                                               std::int32_t a32, std::int32_t b32) {
  if (!ValidRangeType(range) || FamilyOf(range) != rfInside)
    return EvaluateDiscreteRange(fn, d, range, a32, b32);
  if (fn.CheckParameters != nullptr) {
    if (const char* error = fn.CheckParameters(d)) return EvaluationOutcome::WithInputError(error);
  }
  const std::int64_t a = a32;
  const std::int64_t b = b32;
  if (const std::optional<int> decided = AnswerOfBounds(range, a, b))
    return EvaluationOutcome::WithAnswer(*decided);
  const RangeTypeRow& row = RangeTypeOf(range);
  return EvaluationOutcome::WithAnswer(
      PreciseBand(fn, d, a + (row.a_included ? 0 : 1), b + (row.b_included ? 1 : 0)));
}

}  // namespace zudira
