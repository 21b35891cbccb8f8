// Poisson distribution. The cumulative sum starts from one directly computed term at the mode
// (or the end of the range nearest to it) and carries the power and the factorial from term
// to term by the ratio lambda / (i + 1), which makes it linear in k instead of quadratic.
#include "stats/poisson.h"

#include <algorithm>
#include <cmath>

#include "stats/arithmetic_fault.h"
#include "stats/combinatorics.h"
#include "stats/exception.h"
#include "stats/integer_power.h"
#include "stats/messages.h"
#include "stats/scaled_real.h"
#include "stats/unimodal_sum.h"

namespace zudira {

namespace {

// ln of the largest extended value, less a margin: lambda^k stays in range below it.
constexpr Real kLogPowerLimit = 11350;

// lambda^k e^-lambda / k! when lambda^k alone would overflow: the factors lambda / i are
// multiplied one by one and e^-lambda is carried with its own binary exponent.
Real TermByFactors(std::int64_t k, Real lambda) {
  Scaled ratio_product{1, 0};
  for (std::int64_t i = 1; i <= k; ++i) {
    ratio_product.value *= lambda / static_cast<Real>(i);
    if (i % 64 == 0) Renormalise(ratio_product);
  }
  return ScaledProduct(ratio_product, ScaledExp(-lambda), 1);
}

Real DirectTerm(std::int64_t k, Real lambda) {
  // A negative count reaches Factorial as a huge unsigned one, which it refuses.
  if (k < 0 || k > MaxFactorialArg) throw Exception(FactorialLimitMessage);
  if (lambda > 1 && static_cast<Real>(k) * std::log(lambda) > kLogPowerLimit) {
    return TermByFactors(k, lambda);
  }
  return IntPower(lambda, k) * std::exp(-lambda) / Factorial(static_cast<std::uint32_t>(k));
}

// P(X < k) with k in a wide type, so that P(X > k) = 1 - P(X < k + 1) holds at the top of
// the 32-bit range.
Real LessThan(std::int64_t k, Real lambda) {
  if (k <= 0) return 0;
  const std::int64_t hi = k - 1;
  if (hi > MaxFactorialArg) throw Exception(FactorialLimitMessage);
  return GuardArithmetic([&]() -> Real {
    // The sizes of the terms peak at |lambda| (a negative lambda only makes them alternate).
    const Real floor_mean = std::floor(std::fabs(lambda));  // NaN fails the test and takes hi
    const auto mode = static_cast<std::int64_t>(floor_mean <= hi ? floor_mean : Real(hi));
    const Real sum = SumUnimodal(
        0, hi, mode, [&](std::int64_t i) { return DirectTerm(i, lambda); },
        [&](std::int64_t i) { return lambda / static_cast<Real>(i + 1); },
        [&](std::int64_t i) { return static_cast<Real>(i) / lambda; });
    // Rounding over many terms may step a few ulps past 1.
    return std::min<Real>(1, sum);
  });
}

}  // namespace

Real PoissonProb(std::int32_t k, Real lambda) {
  return GuardArithmetic([&] { return DirectTerm(k, lambda); });
}

Real PoissonLess(std::int32_t k, Real lambda) {
  return LessThan(k, lambda);
}

Real PoissonGreater(std::int32_t k, Real lambda) {
  const Real less = LessThan(std::int64_t{k} + 1, lambda);
  // The sum of the lower terms may round a few ulps above 1; a probability is not negative.
  return less >= 1 ? 0 : 1 - less;
}

}  // namespace zudira
