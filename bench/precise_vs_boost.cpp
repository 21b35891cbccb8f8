// The same requests through the precise tables (EvaluateRequest in precise mode) and through
// Boost.Math called directly, side by side: the tables may cost at most twice the direct call.
#include <benchmark/benchmark.h>

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <iterator>

#include "core/evaluate_request.h"

namespace zudira {
namespace {

namespace bm = boost::math;

FieldValue Value(Real value) {
  return {value, static_cast<std::int32_t>(value)};
}

struct Case {
  ProbabilityRequest request;
  Real (*direct)();
};

const Case kCases[] = {
    {{dkNormal, rtAboveA, feFixA, Value(0), Value(1), Value(37), {}},
     [] { return bm::cdf(bm::complement(bm::normal_distribution<Real>(0, 1), 37.0L)); }},
    {{dkInverseNormal, rtAboveA, feFixA, Value(0), Value(1), Value(1e-300L), {}},
     [] { return bm::quantile(bm::complement(bm::normal_distribution<Real>(0, 1), 1e-300L)); }},
    {{dkStudentT, rtBelowA, feFixA, Value(10), Value(0), Value(-5), {}},
     [] { return bm::cdf(bm::students_t_distribution<Real>(10), -5.0L); }},
    {{dkInverseStudentT, rtBelowA, feFixA, Value(1), Value(0), Value(0.975L), {}},
     [] { return bm::quantile(bm::students_t_distribution<Real>(1), 0.975L); }},
    {{dkChiSquared, rtAboveA, feFixA, Value(1000000000), Value(0), Value(1000100000), {}},
     [] {
       return bm::cdf(bm::complement(bm::chi_squared_distribution<Real>(1e9L), 1000100000.0L));
     }},
    {{dkInverseChiSquared, rtBelowA, feFixA, Value(683), Value(0), Value(2.6e-9L), {}},
     [] { return bm::quantile(bm::chi_squared_distribution<Real>(683), 2.6e-9L); }},
    {{dkF, rtAboveA, feFixA, Value(5), Value(10), Value(3), {}},
     [] { return bm::cdf(bm::complement(bm::fisher_f_distribution<Real>(5, 10), 3.0L)); }},
    {{dkInverseF, rtAboveA, feFixA, Value(5), Value(10), Value(1e-100L), {}},
     [] { return bm::quantile(bm::complement(bm::fisher_f_distribution<Real>(5, 10), 1e-100L)); }},
    // Chi-squared at 10^9 degrees of freedom past Temme's zone, in both far tails.
    {{dkChiSquared, rtAboveA, feFixA, Value(1000000000), Value(0), Value(1000447214), {}},
     [] {
       return bm::cdf(bm::complement(bm::chi_squared_distribution<Real>(1e9L), 1000447214.0L));
     }},
    {{dkChiSquared, rtBelowA, feFixA, Value(1000000000), Value(0), Value(998658359), {}},
     [] { return bm::cdf(bm::chi_squared_distribution<Real>(1e9L), 998658359.0L); }},
    // A far Inverse F tail with one small and one huge number of degrees of freedom.
    {{dkInverseF, rtAboveA, feFixA, Value(3), Value(1000000), Value(1e-100L), {}},
     [] {
       return bm::quantile(bm::complement(bm::fisher_f_distribution<Real>(3, 1e6L), 1e-100L));
     }},
    // F with both numbers of degrees of freedom huge: the centre, and a far quantile.
    {{dkF, rtAboveA, feFixA, Value(2147483647), Value(2147483647), Value(1.00001L), {}},
     [] {
       return bm::cdf(
           bm::complement(bm::fisher_f_distribution<Real>(2147483647.0L, 2147483647.0L), 1.00001L));
     }},
    {{dkInverseF, rtAboveA, feFixA, Value(332142178), Value(2113604720), Value(1e-30L), {}},
     [] {
       return bm::quantile(
           bm::complement(bm::fisher_f_distribution<Real>(332142178.0L, 2113604720.0L), 1e-30L));
     }},
    // Inverse chi-squared in the bulk at the largest number of degrees of freedom.
    {{dkInverseChiSquared, rtBelowA, feFixA, Value(2147483647), Value(0), Value(0.566425L), {}},
     [] { return bm::quantile(bm::chi_squared_distribution<Real>(2147483647.0L), 0.566425L); }},
    {{dkBinomial, rtBelowA, feFixA, Value(0.5L), Value(2147483647), Value(1073700000), {}},
     [] { return bm::cdf(bm::binomial_distribution<Real>(2147483647.0L, 0.5L), 1073699999.0L); }},
    {{dkPoisson, rtAboveA, feFixA, Value(2147483000), Value(0), Value(2147483646), {}},
     [] {
       return bm::cdf(bm::complement(bm::poisson_distribution<Real>(2147483000.0L), 2147483646.0L));
     }},
};

void BM_PreciseTables(benchmark::State& state) {
  const ProbabilityRequest& request = kCases[state.range(0)].request;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateRequest(request, CalculationMode::kPrecise));
  }
  state.SetLabel(std::to_string(static_cast<int>(request.kind)));
}

void BM_BoostDirect(benchmark::State& state) {
  Real (*direct)() = kCases[state.range(0)].direct;
  for (auto _ : state) benchmark::DoNotOptimize(direct());
}

// Far targets that Boost's own inverses cannot reach (they fail, or run for minutes): the
// precise tables alone, which answer them or say the bound is out of the extended range.
const ProbabilityRequest kFarTargets[] = {
    {dkInverseF, rtBelowA, feFixA, Value(46), Value(2147483647), Value(1e-4930L), {}},
    {dkInverseF, rtBelowA, feFixA, Value(46), Value(1000), Value(1e-4940L), {}},
    {dkInverseF, rtAboveA, feFixA, Value(5), Value(1000000), Value(1e-4940L), {}},
    {dkInverseF, rtBelowA, feFixA, Value(1000000), Value(100000000), Value(1e-4940L), {}},
    {dkInverseStudentT, rtAboveA, feFixA, Value(3), Value(0), Value(1e-4940L), {}},
    {dkInverseChiSquared, rtBelowA, feFixA, Value(1000000), Value(0), Value(1e-4940L), {}},
    {dkInverseStudentT, rtBelowA, feFixA, Value(1), Value(0), Value(1e-4940L), {}},
};

void BM_FarTargets(benchmark::State& state) {
  const ProbabilityRequest& request = kFarTargets[state.range(0)];
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateRequest(request, CalculationMode::kPrecise));
  }
}

constexpr int kFarTargetCount = static_cast<int>(std::size(kFarTargets));
BENCHMARK(BM_FarTargets)->DenseRange(0, kFarTargetCount - 1)->Unit(benchmark::kMicrosecond);

constexpr int kCaseCount = static_cast<int>(sizeof(kCases) / sizeof(kCases[0]));
BENCHMARK(BM_PreciseTables)->DenseRange(0, kCaseCount - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoostDirect)->DenseRange(0, kCaseCount - 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zudira

BENCHMARK_MAIN();
