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

using testing::RealField;
using testing::WholeField;

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
                  Request(dkNormal, rtInsideOO, RealField(0), RealField(1), RealField(-1.96L),
                          RealField(1.96L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_normal_inside_fix_a,
                  Request(dkInverseNormal, rtInsideOO, RealField(0), RealField(1), RealField(0.95L),
                          RealField(-1.96L)));
BENCHMARK_CAPTURE(BM_Evaluate, binomial_n20_inside,
                  Request(dkBinomial, rtInsideCC, RealField(0.3L), WholeField(20), WholeField(5), WholeField(10)));
BENCHMARK_CAPTURE(BM_Evaluate, poisson_mean4_at_most,
                  Request(dkPoisson, rtAtMostA, RealField(4), {}, WholeField(6)));
BENCHMARK_CAPTURE(BM_Evaluate, exponential_outside,
                  Request(dkExponential, rtOutsideOO, RealField(2), {}, RealField(0.5L),
                          RealField(3)));
BENCHMARK_CAPTURE(BM_Evaluate, student_t10_inside,
                  Request(dkStudentT, rtInsideOO, WholeField(10), {}, RealField(-1), RealField(2.5L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_student_t10_lower,
                  Request(dkInverseStudentT, rtBelowA, WholeField(10), {}, RealField(0.975L)));
BENCHMARK_CAPTURE(BM_Evaluate, chi_squared4_inside,
                  Request(dkChiSquared, rtInsideOO, WholeField(4), {}, RealField(2), RealField(7)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_chi_squared1_lower,
                  Request(dkInverseChiSquared, rtBelowA, WholeField(1), {}, RealField(0.95L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_chi_squared4_inside_fix_b,
                  Request(dkInverseChiSquared, rtInsideOO, WholeField(4), {}, RealField(0.5L),
                          RealField(6), feFixB));
BENCHMARK_CAPTURE(BM_Evaluate, f5_10_inside,
                  Request(dkF, rtInsideOO, WholeField(5), WholeField(10), RealField(1), RealField(3.25L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_f5_10_upper,
                  Request(dkInverseF, rtAboveA, WholeField(5), WholeField(10), RealField(0.05L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_f5_10_outside_fix_a,
                  Request(dkInverseF, rtOutsideOO, WholeField(5), WholeField(10), RealField(0.7L),
                          RealField(0.6L)));

// The largest binomial: two cumulative sums over up to 1548 terms.
BENCHMARK_CAPTURE(BM_Evaluate, binomial_n1547_inside_cc,
                  Request(dkBinomial, rtInsideCC, RealField(0.5L), WholeField(1547), WholeField(700),
                          WholeField(850)));
BENCHMARK_CAPTURE(BM_Evaluate, binomial_n1547_outside_cc,
                  Request(dkBinomial, rtOutsideCC, RealField(0.5L), WholeField(1547), WholeField(700),
                          WholeField(850)));
BENCHMARK_CAPTURE(BM_Evaluate, binomial_n1547_inside_whole_support,
                  Request(dkBinomial, rtInsideCC, RealField(0.3L), WholeField(1547), WholeField(0),
                          WholeField(1547)));
BENCHMARK_CAPTURE(BM_Evaluate, binomial_n1547_at_most_largest_a,
                  Request(dkBinomial, rtAtMostA, RealField(0.3L), WholeField(1547), WholeField(kLargest)));
// The largest Poisson counts below the factorial limit.
BENCHMARK_CAPTURE(BM_Evaluate, poisson_k1547_below,
                  Request(dkPoisson, rtBelowA, RealField(1000), {}, WholeField(1547)));
BENCHMARK_CAPTURE(BM_Evaluate, poisson_k1546_inside_oc,
                  Request(dkPoisson, rtInsideOC, RealField(1000), {}, WholeField(0), WholeField(1546)));
BENCHMARK_CAPTURE(BM_Evaluate, poisson_k1547_above,
                  Request(dkPoisson, rtAboveA, RealField(1000), {}, WholeField(1546)));
// Large degrees of freedom, up to the largest whole value the fields take.
BENCHMARK_CAPTURE(BM_Evaluate, student_t3000_inside,
                  Request(dkStudentT, rtInsideOO, WholeField(3000), {}, RealField(-1), RealField(2)));
BENCHMARK_CAPTURE(BM_Evaluate, student_t_largest_inside,
                  Request(dkStudentT, rtInsideOO, WholeField(kLargest), {}, RealField(-1),
                          RealField(2)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_student_t_largest_outside_fix_b,
                  Request(dkInverseStudentT, rtOutsideOO, WholeField(kLargest), {}, RealField(0.4L),
                          RealField(1), feFixB));
BENCHMARK_CAPTURE(BM_Evaluate, f3095_3095_inside,
                  Request(dkF, rtInsideOO, WholeField(3095), WholeField(3095), RealField(0.9L),
                          RealField(1.1L)));
BENCHMARK_CAPTURE(BM_Evaluate, f3094_3094_inside,
                  Request(dkF, rtInsideOO, WholeField(3094), WholeField(3094), RealField(0.9L),
                          RealField(1.1L)));
BENCHMARK_CAPTURE(BM_Evaluate, f_largest_inside,
                  Request(dkF, rtInsideOO, WholeField(kLargest), WholeField(kLargest), RealField(0.9L),
                          RealField(1.1L)));
BENCHMARK_CAPTURE(BM_Evaluate, chi_squared_largest_inside,
                  Request(dkChiSquared, rtInsideOO, WholeField(kLargest), {}, RealField(1e9L),
                          RealField(3e9L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_chi_squared1000_inside_fix_a,
                  Request(dkInverseChiSquared, rtInsideOO, WholeField(1000), {}, RealField(0.5L),
                          RealField(980), feFixA));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_chi_squared_largest_upper,
                  Request(dkInverseChiSquared, rtAboveA, WholeField(kLargest), {}, RealField(0.05L)));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_f1000_1000_outside_fix_b,
                  Request(dkInverseF, rtOutsideOO, WholeField(1000), WholeField(1000), RealField(0.5L),
                          RealField(1.05L), feFixB));
BENCHMARK_CAPTURE(BM_Evaluate, inverse_f_largest_upper,
                  Request(dkInverseF, rtAboveA, WholeField(kLargest), WholeField(kLargest),
                          RealField(0.05L)));

}  // namespace
}  // namespace zudira

BENCHMARK_MAIN();
