#include "core/inverse_solving.h"

#include <cmath>

#include "stats/arithmetic_fault.h"

namespace zudira {

namespace {

// Below this share of the target, p moves it by only its last few digits and the inverse finds
// little more than the fixed end again.
constexpr Real kNarrowBand = 1e-9L;

// Such a band's width is p over the mean density across it (a trapezoid from the density at g
// and at the first-order far end), right to the square of its relative width; nothing when
// the band is wider or the density gives no width.
std::optional<Real> NarrowBand(const ContinuousFunctions& fn, const DistributionParameters& d,
                               FixEnd fixed_end, Real p, Real g, Real target) {
  if (fn.Density == nullptr || !(p > 0 && p < std::fabs(target) * kNarrowBand)) {
    return std::nullopt;
  }
  const Real side = fixed_end == feFixA ? 1 : -1;
  try {
    const Real at_g = fn.Density(d, g);
    if (!(at_g > 0 && std::isfinite(at_g))) return std::nullopt;
    const Real at_end = fn.Density(d, g + side * (p / at_g));
    if (!(at_end > 0 && std::isfinite(at_end))) return std::nullopt;
    return g + side * (2 * p / (at_g + at_end));
  } catch (const EMathError&) {
    // An unbounded density at the end of the support: the inverse answers alone.
    return std::nullopt;
  }
}

}  // namespace

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
  if (family == rfInside) {
    if (const std::optional<Real> bound = NarrowBand(fn, d, fixed_end, p, g, call.target)) {
      return EvaluationOutcome::WithAnswer(*bound);
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
