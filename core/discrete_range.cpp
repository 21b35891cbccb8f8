#include "core/discrete_range.h"

namespace zudira {

namespace {

struct TableRow {
  bool holds;  // the test on the bounds
  Real constant;
};

// Whether the range is decided by its bounds alone, and its answer then.
TableRow BoundTest(RangeType range, std::int64_t a, std::int64_t b) {
  switch (range) {
    case rtInsideOO:
    case rtInsideOC:
    case rtInsideCO:
      return {b <= a, 0};
    case rtInsideCC:
      return {b < a, 0};
    case rtOutsideOO:
    case rtOutsideOC:
    case rtOutsideCO:
      return {b < a, 1};
    case rtOutsideCC:
      return {b <= a, 1};
    default:
      return {false, 0};
  }
}

}  // namespace

EvaluationOutcome EvaluateDiscreteRange(const DiscreteFunctions& fn,
                                        const DistributionParameters& d, RangeType range,
                                        std::int32_t a32, std::int32_t b32) {
  if (fn.CheckParameters != nullptr) {
    if (const char* error = fn.CheckParameters(d)) return EvaluationOutcome::WithInputError(error);
  }
  // 64-bit so that a + 1 and a - 1 stay exact at the ends of the 32-bit range.
  const std::int64_t a = a32;
  const std::int64_t b = b32;
  const TableRow test = BoundTest(range, a, b);
  if (test.holds) return EvaluationOutcome::WithAnswer(test.constant);

  Real answer = 0;
  switch (range) {
    case rtEqualA:
      answer = fn.E(d, a);
      break;
    case rtBelowA:
      answer = fn.L(d, a);
      break;
    case rtAtMostA:
      answer = fn.L(d, a + 1);
      break;
    case rtAboveA:
      answer = fn.G(d, a);
      break;
    case rtAtLeastA:
      answer = fn.G(d, a - 1);
      break;
    case rtInsideOO:
      answer = fn.L(d, b) - fn.L(d, a + 1);
      break;
    case rtInsideOC:
      answer = fn.L(d, b + 1) - fn.L(d, a + 1);
      break;
    case rtInsideCO:
      answer = fn.L(d, b) - fn.L(d, a);
      break;
    case rtInsideCC:
      answer = fn.L(d, b + 1) - fn.L(d, a);
      break;
    case rtOutsideOO:
      answer = fn.L(d, a) + fn.G(d, b);
      break;
    case rtOutsideOC:
      answer = fn.L(d, a) + fn.G(d, b - 1);
      break;
    case rtOutsideCO:
      answer = fn.L(d, a + 1) + fn.G(d, b);
      break;
    case rtOutsideCC:
      answer = fn.L(d, a + 1) + fn.G(d, b - 1);
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
  const std::int64_t a = a32;
  const std::int64_t b = b32;
  std::int64_t lo = 0, hi = 0;
  switch (range) {
    case rtInsideOO:
      lo = a + 1, hi = b;
      break;
    case rtInsideOC:
      lo = a + 1, hi = b + 1;
      break;
    case rtInsideCO:
      lo = a, hi = b;
      break;
    case rtInsideCC:
      lo = a, hi = b + 1;
      break;
    default:
      return EvaluateDiscreteRange(fn, d, range, a32, b32);
  }
  if (fn.CheckParameters != nullptr) {
    if (const char* error = fn.CheckParameters(d)) return EvaluationOutcome::WithInputError(error);
  }
  const TableRow test = BoundTest(range, a, b);
  if (test.holds) return EvaluationOutcome::WithAnswer(test.constant);
  return EvaluationOutcome::WithAnswer(PreciseBand(fn, d, lo, hi));
}

}  // namespace zudira
