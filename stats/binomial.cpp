// Binomial distribution. The cumulative sums start from one directly computed term near the
// mode and carry the coefficient and both powers from term to term by the ratio
// (n - i) / (i + 1) * p / (1 - p), which makes them linear in n instead of quadratic.
#include "stats/binomial.h"

#include <algorithm>
#include <cmath>

#include "stats/arithmetic_fault.h"
#include "stats/combinatorics.h"
#include "stats/exception.h"
#include "stats/integer_power.h"
#include "stats/messages.h"
#include "stats/unimodal_sum.h"

namespace zudira {

namespace {

// n choose i times p^i (1 - p)^(n - i), the terms of the sums. For n = 0 or p = 0 this puts
// all the mass at 0 (0^0 = 1 and 0 choose 0 = 1).
Real DirectTerm(std::int64_t n, std::int64_t i, Real p) {
  return IntPower(p, i) *
         BinomialCoeff(static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(i)) *
         IntPower(1 - p, n - i);
}

void CheckTrials(std::int64_t n) {
  // Coefficients exist only up to the factorial limit; beyond it every term would read 0.
  if (n > MaxFactorialArg) throw Exception(FactorialLimitMessage);
}

// P(lo <= X <= hi) for 0 <= lo <= hi <= n.
Real SumTerms(std::int64_t n, std::int64_t lo, std::int64_t hi, Real p) {
  if (lo > hi) return 0;
  return GuardArithmetic([&]() -> Real {
    if (p < 0 || p > 1) {
      // Not a probability: no mode to start from, so add the terms as they are.
      Real sum = 0;
      for (std::int64_t i = lo; i <= hi; ++i) sum += DirectTerm(n, i, p);
      return sum;
    }
    const Real q = 1 - p;
    const auto mode =
        std::clamp<std::int64_t>(static_cast<std::int64_t>(std::floor((n + 1) * p)), 0, n);
    const std::int64_t start = std::clamp(mode, lo, hi);
    // The two ratios are formed only in the direction that is walked, so p = 0 and p = 1
    // never divide by zero.
    Real up_ratio = 0;
    Real down_ratio = 0;
    if (start < hi) up_ratio = p / q;
    if (start > lo) down_ratio = q / p;
    const Real sum = SumUnimodal(
        lo, hi, start, [&](std::int64_t i) { return DirectTerm(n, i, p); },
        [&](std::int64_t i) {
          return up_ratio * static_cast<Real>(n - i) / static_cast<Real>(i + 1);
        },
        [&](std::int64_t i) {
          return down_ratio * static_cast<Real>(i) / static_cast<Real>(n - i + 1);
        });
    // Rounding over many terms may step a few ulps past 1.
    return std::min<Real>(1, sum);
  });
}

}  // namespace

Real BinomialProb(std::int32_t n, std::int32_t k, Real p) {
  CheckTrials(n);
  if (n < 0 || k < 0 || k > n) return 0;
  return GuardArithmetic([&] { return DirectTerm(n, k, p); });
}

Real BinomialLess(std::int32_t n, std::int32_t k, Real p) {
  CheckTrials(n);
  if (n < 0 || k <= 0) return 0;
  return SumTerms(n, 0, std::min<std::int64_t>(std::int64_t{k} - 1, n), p);
}

Real BinomialGreater(std::int32_t n, std::int32_t k, Real p) {
  CheckTrials(n);
  if (n < 0 || k >= n) return 0;
  return SumTerms(n, std::max<std::int64_t>(std::int64_t{k} + 1, 0), n, p);
}

}  // namespace zudira
