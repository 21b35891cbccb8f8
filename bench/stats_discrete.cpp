// The library's heaviest calls: the binomial and Poisson cumulative sums at the factorial
// limit, Student t and F at large degrees of freedom, and the chi-squared and F quantile
// searches.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "stats/binomial.h"
#include "stats/chi_squared.h"
#include "stats/f_distribution.h"
#include "stats/poisson.h"
#include "stats/student_t.h"

namespace {

using zudira::Real;

void BM_BinomialLess(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(zudira::BinomialLess(n, n / 2 + 7, 0.45L));
}
BENCHMARK(BM_BinomialLess)->Arg(100)->Arg(1547);

void BM_BinomialGreater(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(zudira::BinomialGreater(n, 3, 0.999L));
}
BENCHMARK(BM_BinomialGreater)->Arg(100)->Arg(1547);

// An inside range of a binomial request: two cumulative sums.
void BM_BinomialInsideRange(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(zudira::BinomialLess(1547, 900, 0.5L) -
                             zudira::BinomialLess(1547, 600, 0.5L));
  }
}
BENCHMARK(BM_BinomialInsideRange);

void BM_PoissonLess(benchmark::State& state) {
  const Real lambda = static_cast<Real>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(zudira::PoissonLess(1547, lambda));
}
BENCHMARK(BM_PoissonLess)->Arg(3)->Arg(1000)->Arg(1600);

void BM_PoissonGreater(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(zudira::PoissonGreater(1546, 1500));
}
BENCHMARK(BM_PoissonGreater);

void BM_StudentTCDF(benchmark::State& state) {
  const auto df = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(zudira::StudentTCDF(df, 0.01L));
}
BENCHMARK(BM_StudentTCDF)->Arg(10)->Arg(20000)->Arg(20001)->Arg(2147483647);

void BM_FCDF(benchmark::State& state) {
  const auto df = static_cast<std::uint32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(zudira::FCDF(df, df + 1, 1.0L));
}
BENCHMARK(BM_FCDF)->Arg(10)->Arg(1000)->Arg(50000)->Arg(190000);

void BM_InverseChiSquared(benchmark::State& state) {
  const auto df = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(zudira::InverseChiSquared(df, 0.05f));
}
BENCHMARK(BM_InverseChiSquared)->Arg(1)->Arg(10)->Arg(100);

void BM_InverseF(benchmark::State& state) {
  const auto df = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(zudira::InverseF(df, df, 0.05f));
}
BENCHMARK(BM_InverseF)->Arg(1)->Arg(10)->Arg(200);

}  // namespace

BENCHMARK_MAIN();
