// EvaluateRequest for typical requests of every kind and for the worst cases the input fields
// allow: the largest binomial and Poisson counts, the largest degrees of freedom, the
// iterative chi-squared and F inverses. A request that ends in a library error is timed to
// that error and counted under "errors".
#include <benchmark/benchmark.h>

#include <cstdint>
#include <limits>

#include "core/evaluate_request.h"
#include "stats/exception.h"
#include "testsupport/field_values.h"

namespace zudira {
namespace {

constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();

// Field values as the window's fields give them.
constexpr auto& RealValue = testing::RealField;
constexpr auto& Whole = testing::WholeField;

ProbabilityRequest Request(DistributionKind kind, RangeType range, FieldValue first,
                           FieldValue second, FieldValue a, FieldValue b = {},
                           FixEnd fixed_end = feFixA) {
  return {kind, range, fixed_end, first, second, a, b};
}

void BM_Evaluate(benchmark::State& state, ProbabilityRequest request) {
  std::int64_t errors = 0;
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(EvaluateRequest(request));
    } catch (const Exception&) {
      ++errors;
    }
  }
  state.counters["errors"] = static_cast<double>(errors);
}

// Typical requests.
BENCHMARK_CAPTURE(BM_Evaluate, normal_inside,
                  Request(dkNormal, rtInsideOO, RealValue(0), RealValue(1), RealValue(-1.96L),
                          RealValue(1.96L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_normal_inside_fix_a,
                  Request(dkInverseNormal, rtInsideOO, RealValue(0), RealValue(1), RealValue(0.95L),
                          RealValue(-1.96L)));
BENCHMARK_CAPTURE(BM_Evaluate, binomial_n20_inside,
                  Request(dkBinomial, rtInsideCC, RealValue(0.3L), Whole(20), Whole(5), Whole(10)));
BENCHMARK_CAPTURE(BM_Evaluate, poisson_mean4_at_most,
                  Request(dkPoisson, rtAtMostA, RealValue(4), {}, Whole(6)));
BENCHMARK_CAPTURE(BM_Evaluate, exponential_outside,
                  Request(dkExponential, rtOutsideOO, RealValue(2), {}, RealValue(0.5L),
                          RealValue(3)));
BENCHMARK_CAPTURE(BM_Evaluate, student_t10_inside,
                  Request(dkStudentT, rtInsideOO, Whole(10), {}, RealValue(-1), RealValue(2.5L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_student_t10_lower,
                  Request(dkInverseStudentT, rtBelowA, Whole(10), {}, RealValue(0.975L)));
BENCHMARK_CAPTURE(BM_Evaluate, chi_squared4_inside,
                  Request(dkChiSquared, rtInsideOO, Whole(4), {}, RealValue(2), RealValue(7)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_chi_squared1_lower,
                  Request(dkInverseChiSquared, rtBelowA, Whole(1), {}, RealValue(0.95L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_chi_squared4_inside_fix_b,
                  Request(dkInverseChiSquared, rtInsideOO, Whole(4), {}, RealValue(0.5L),
                          RealValue(6), feFixB));
BENCHMARK_CAPTURE(BM_Evaluate, f5_10_inside,
                  Request(dkF, rtInsideOO, Whole(5), Whole(10), RealValue(1), RealValue(3.25L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_f5_10_upper,
                  Request(dkInverseF, rtAboveA, Whole(5), Whole(10), RealValue(0.05L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_f5_10_outside_fix_a,
                  Request(dkInverseF, rtOutsideOO, Whole(5), Whole(10), RealValue(0.7L),
                          RealValue(0.6L)));

// The largest binomial: two cumulative sums over up to 1548 terms.
BENCHMARK_CAPTURE(BM_Evaluate, binomial_n1547_inside_cc,
                  Request(dkBinomial, rtInsideCC, RealValue(0.5L), Whole(1547), Whole(700),
                          Whole(850)));
BENCHMARK_CAPTURE(BM_Evaluate, binomial_n1547_outside_cc,
                  Request(dkBinomial, rtOutsideCC, RealValue(0.5L), Whole(1547), Whole(700),
                          Whole(850)));
BENCHMARK_CAPTURE(BM_Evaluate, binomial_n1547_inside_whole_support,
                  Request(dkBinomial, rtInsideCC, RealValue(0.3L), Whole(1547), Whole(0),
                          Whole(1547)));
BENCHMARK_CAPTURE(BM_Evaluate, binomial_n1547_at_most_largest_a,
                  Request(dkBinomial, rtAtMostA, RealValue(0.3L), Whole(1547), Whole(kLargest)));
// The largest Poisson counts below the factorial limit.
BENCHMARK_CAPTURE(BM_Evaluate, poisson_k1547_below,
                  Request(dkPoisson, rtBelowA, RealValue(1000), {}, Whole(1547)));
BENCHMARK_CAPTURE(BM_Evaluate, poisson_k1546_inside_oc,
                  Request(dkPoisson, rtInsideOC, RealValue(1000), {}, Whole(0), Whole(1546)));
BENCHMARK_CAPTURE(BM_Evaluate, poisson_k1547_above,
                  Request(dkPoisson, rtAboveA, RealValue(1000), {}, Whole(1546)));
// Large degrees of freedom, up to the largest whole value the fields take.
BENCHMARK_CAPTURE(BM_Evaluate, student_t3000_inside,
                  Request(dkStudentT, rtInsideOO, Whole(3000), {}, RealValue(-1), RealValue(2)));
BENCHMARK_CAPTURE(BM_Evaluate, student_t_largest_inside,
                  Request(dkStudentT, rtInsideOO, Whole(kLargest), {}, RealValue(-1),
                          RealValue(2)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_student_t_largest_outside_fix_b,
                  Request(dkInverseStudentT, rtOutsideOO, Whole(kLargest), {}, RealValue(0.4L),
                          RealValue(1), feFixB));
BENCHMARK_CAPTURE(BM_Evaluate, f3095_3095_inside,
                  Request(dkF, rtInsideOO, Whole(3095), Whole(3095), RealValue(0.9L),
                          RealValue(1.1L)));
BENCHMARK_CAPTURE(BM_Evaluate, f3094_3094_inside,
                  Request(dkF, rtInsideOO, Whole(3094), Whole(3094), RealValue(0.9L),
                          RealValue(1.1L)));
BENCHMARK_CAPTURE(BM_Evaluate, f_largest_inside,
                  Request(dkF, rtInsideOO, Whole(kLargest), Whole(kLargest), RealValue(0.9L),
                          RealValue(1.1L)));
BENCHMARK_CAPTURE(BM_Evaluate, chi_squared_largest_inside,
                  Request(dkChiSquared, rtInsideOO, Whole(kLargest), {}, RealValue(1e9L),
                          RealValue(3e9L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_chi_squared1000_inside_fix_a,
                  Request(dkInverseChiSquared, rtInsideOO, Whole(1000), {}, RealValue(0.5L),
                          RealValue(980), feFixA));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_chi_squared_largest_upper,
                  Request(dkInverseChiSquared, rtAboveA, Whole(kLargest), {}, RealValue(0.05L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_f1000_1000_outside_fix_b,
                  Request(dkInverseF, rtOutsideOO, Whole(1000), Whole(1000), RealValue(0.5L),
                          RealValue(1.05L), feFixB));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_f_largest_upper,
                  Request(dkInverseF, rtAboveA, Whole(kLargest), Whole(kLargest),
                          RealValue(0.05L)));

}  // namespace
}  // namespace zudira

BENCHMARK_MAIN();
