// The kinds after the first eleven, through EvaluateRequest (the same table answers in both
// modes) and through Boost.Math called directly, side by side: each request may cost at most
// twice the direct call, and none more than 50 µs. The label names the kind and the request.
#include <benchmark/benchmark.h>

#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/cauchy.hpp>
#include <boost/math/distributions/exponential.hpp>
#include <boost/math/distributions/gamma.hpp>
#include <boost/math/distributions/geometric.hpp>
#include <boost/math/distributions/hypergeometric.hpp>
#include <boost/math/distributions/logistic.hpp>
#include <boost/math/distributions/lognormal.hpp>
#include <boost/math/distributions/negative_binomial.hpp>
#include <boost/math/distributions/uniform.hpp>
#include <boost/math/distributions/weibull.hpp>

#include <iterator>

#include "core/evaluate_request.h"

namespace zudira {
namespace {

namespace bm = boost::math;

// A value the compiler cannot see through, so that a closed form is not folded away.
Real O(Real value) {
  benchmark::DoNotOptimize(value);
  return value;
}

FieldValue Value(Real value) {
  return {value, static_cast<std::int32_t>(value)};
}

struct Case {
  const char* label;
  ProbabilityRequest request;
  Real (*direct)();
};

// Fields: the first and second parameters, A (the bound, or an inverse kind's probability),
// B, and the third parameter (the hypergeometric's draws).
const Case kCases[] = {
    {"hypergeometric P(X <= 30), N 1000, K 300, n 100",
     {dkHypergeometric, rtAtMostA, feFixA, Value(1000), Value(300), Value(30), {}, Value(100)},
     [] { return bm::cdf(bm::hypergeometric_distribution<Real>(300, 100, 1000), 30u); }},
    {"hypergeometric P(X > 5200), N 1e6, K 5e5, n 1e4",
     {dkHypergeometric,
      rtAboveA,
      feFixA,
      Value(1000000),
      Value(500000),
      Value(5200),
      {},
      Value(10000)},
     [] {
       return bm::cdf(
           bm::complement(bm::hypergeometric_distribution<Real>(500000, 10000, 1000000), 5200u));
     }},
    // Boost's own hypergeometric takes seconds at these sizes; only the 50 us line applies.
    {"hypergeometric P(X <= 3e6 - 1000), N 1e8, K 3e7, n 1e7",
     {dkHypergeometric,
      rtAtMostA,
      feFixA,
      Value(100000000),
      Value(30000000),
      Value(2999000),
      {},
      Value(10000000)},
     nullptr},
    {"hypergeometric P(X > 5e8 + 5000), N 2e9, K 1e9, n 1e9",
     {dkHypergeometric,
      rtAboveA,
      feFixA,
      Value(2000000000),
      Value(1000000000),
      Value(500005000),
      {},
      Value(1000000000)},
     nullptr},
    {"geometric P(X > 50), p 0.1",
     {dkGeometric, rtAboveA, feFixA, Value(0.1L), {}, Value(50), {}, {}},
     [] { return bm::cdf(bm::complement(bm::geometric_distribution<Real>(O(0.1L)), O(49.0L))); }},
    {"negative binomial P(X <= 10), r 5, p 0.3",
     {dkNegativeBinomial, rtAtMostA, feFixA, Value(5), Value(0.3L), Value(10), {}, {}},
     [] { return bm::cdf(bm::negative_binomial_distribution<Real>(O(5), O(0.3L)), O(10.0L)); }},
    {"negative binomial P(X > 400), r 5, p 0.3",
     {dkNegativeBinomial, rtAboveA, feFixA, Value(5), Value(0.3L), Value(400), {}, {}},
     [] {
       return bm::cdf(
           bm::complement(bm::negative_binomial_distribution<Real>(O(5), O(0.3L)), O(400.0L)));
     }},
    {"uniform P(X < 3), [0, 10]",
     {dkUniform, rtBelowA, feFixA, Value(0), Value(10), Value(3), {}, {}},
     [] { return bm::cdf(bm::uniform_distribution<Real>(O(0), O(10)), O(3.0L)); }},
    {"inverse uniform P(X < A) = 0.3, [0, 10]",
     {dkInverseUniform, rtBelowA, feFixA, Value(0), Value(10), Value(0.3L), {}, {}},
     [] { return bm::quantile(bm::uniform_distribution<Real>(O(0), O(10)), O(0.3L)); }},
    {"inverse exponential P(X > A) = 1e-300, mean 2",
     {dkInverseExponential, rtAboveA, feFixA, Value(2), {}, Value(1e-300L), {}, {}},
     [] {
       return bm::quantile(bm::complement(bm::exponential_distribution<Real>(O(0.5L)), O(1e-300L)));
     }},
    {"gamma P(X > 100), k 2.5, theta 3",
     {dkGamma, rtAboveA, feFixA, Value(2.5L), Value(3), Value(100), {}, {}},
     [] {
       return bm::cdf(bm::complement(bm::gamma_distribution<Real>(O(2.5L), O(3)), O(100.0L)));
     }},
    {"inverse gamma P(X < A) = 1e-30, k 2.5, theta 3",
     {dkInverseGamma, rtBelowA, feFixA, Value(2.5L), Value(3), Value(1e-30L), {}, {}},
     [] { return bm::quantile(bm::gamma_distribution<Real>(O(2.5L), O(3)), O(1e-30L)); }},
    {"beta P(X <= 0.1), alpha 2, beta 5",
     {dkBeta, rtAtMostA, feFixA, Value(2), Value(5), Value(0.1L), {}, {}},
     [] { return bm::cdf(bm::beta_distribution<Real>(O(2), O(5)), O(0.1L)); }},
    {"inverse beta P(X > A) = 1e-20, alpha 2, beta 5",
     {dkInverseBeta, rtAboveA, feFixA, Value(2), Value(5), Value(1e-20L), {}, {}},
     [] {
       return bm::quantile(bm::complement(bm::beta_distribution<Real>(O(2), O(5)), O(1e-20L)));
     }},
    {"log-normal P(X > 1000), mu 0, sigma 1",
     {dkLogNormal, rtAboveA, feFixA, Value(0), Value(1), Value(1000), {}, {}},
     [] {
       return bm::cdf(bm::complement(bm::lognormal_distribution<Real>(O(0), O(1)), O(1000.0L)));
     }},
    {"inverse log-normal P(X < A) = 1e-100, mu 0, sigma 1",
     {dkInverseLogNormal, rtBelowA, feFixA, Value(0), Value(1), Value(1e-100L), {}, {}},
     [] { return bm::quantile(bm::lognormal_distribution<Real>(O(0), O(1)), O(1e-100L)); }},
    {"Weibull P(X > 10), k 1.5, lambda 2",
     {dkWeibull, rtAboveA, feFixA, Value(1.5L), Value(2), Value(10), {}, {}},
     [] {
       return bm::cdf(bm::complement(bm::weibull_distribution<Real>(O(1.5L), O(2)), O(10.0L)));
     }},
    {"inverse Weibull P(X < A) = 0.99, k 1.5, lambda 2",
     {dkInverseWeibull, rtBelowA, feFixA, Value(1.5L), Value(2), Value(0.99L), {}, {}},
     [] { return bm::quantile(bm::weibull_distribution<Real>(O(1.5L), O(2)), O(0.99L)); }},
    {"logistic P(X > 700), mu 0, s 1",
     {dkLogistic, rtAboveA, feFixA, Value(0), Value(1), Value(700), {}, {}},
     [] {
       return bm::cdf(bm::complement(bm::logistic_distribution<Real>(O(0), O(1)), O(700.0L)));
     }},
    {"inverse logistic P(X < A) = 1e-300, mu 0, s 1",
     {dkInverseLogistic, rtBelowA, feFixA, Value(0), Value(1), Value(1e-300L), {}, {}},
     [] { return bm::quantile(bm::logistic_distribution<Real>(O(0), O(1)), O(1e-300L)); }},
    {"Cauchy P(X > 1e10), x0 0, gamma 1",
     {dkCauchy, rtAboveA, feFixA, Value(0), Value(1), Value(1e10L), {}, {}},
     [] { return bm::cdf(bm::complement(bm::cauchy_distribution<Real>(O(0), O(1)), O(1e10L))); }},
    {"inverse Cauchy P(X > A) = 1e-20, x0 0, gamma 1",
     {dkInverseCauchy, rtAboveA, feFixA, Value(0), Value(1), Value(1e-20L), {}, {}},
     [] {
       return bm::quantile(bm::complement(bm::cauchy_distribution<Real>(O(0), O(1)), O(1e-20L)));
     }},
};

constexpr int kCaseCount = static_cast<int>(std::size(kCases));

void BM_Tables(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateRequest(c.request, CalculationMode::kPrecise));
  }
  state.SetLabel(c.label);
}

void BM_BoostDirect(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  if (c.direct == nullptr) {
    state.SkipWithError("no direct call at this size");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(c.direct());
  state.SetLabel(c.label);
}

BENCHMARK(BM_Tables)->DenseRange(0, kCaseCount - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoostDirect)->DenseRange(0, kCaseCount - 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zudira

BENCHMARK_MAIN();
