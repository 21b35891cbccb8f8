// The hypergeometric, geometric and negative binomial kinds against 30-digit references,
// through EvaluateRequest in both modes: centres, far tails, the ends of the support and bounds
// past them; and their parameter checks.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/evaluate_request.h"
#include "request_builders.h"

namespace zudira {
namespace {

using testing::RealField;
using testing::WholeField;

// The hypergeometric's first is the population N, second the successes K, third the draws n;
// the geometric's first is p; the negative binomial's first is r, second p.
struct CountingRow {
  DistributionKind kind;
  RangeType range;
  Real first, second;
  std::int32_t third, a, b;
  Real expected;
};

ProbabilityRequest RequestOf(const CountingRow& row) {
  ProbabilityRequest r;
  r.kind = row.kind;
  r.range = row.range;
  r.mean = RealField(row.first);
  r.sdev = RealField(row.second);
  r.third = WholeField(row.third);
  r.a = WholeField(row.a);
  r.b = WholeField(row.b);
  return r;
}

// mpmath at 80 digits, printed to 30: the hypergeometric mass C(K,k) C(N-K,n-k) / C(N,n), the
// geometric tails (1-p)^k, the negative binomial mass C(r+k-1,k) p^r (1-p)^k; each tail summed
// from its bound away from the mean by the ratio of neighbouring terms until they fall below
// 1e-60 of the sum, the tail holding the mean as 1 minus the other; a band from the two tails
// on its side of the mean.
constexpr CountingRow kReferences[] = {
    {dkHypergeometric, rtEqualA, 50, 20, 10, 4, 0, 0.280058603105371318035481120543L},
    {dkHypergeometric, rtAtMostA, 50, 20, 10, 3, 0, 0.364968286776836768625006968634L},
    {dkHypergeometric, rtInsideCC, 50, 20, 10, 3, 5, 0.721073239686226293071656567104L},
    {dkHypergeometric, rtOutsideOO, 50, 20, 10, 2, 7, 0.0366236695282172250598233166811L},
    {dkHypergeometric, rtEqualA, 50, 45, 10, 5, 0, 0.000118937491740451962468613717457L},
    {dkHypergeometric, rtBelowA, 50, 45, 10, 6, 0, 0.000118937491740451962468613717457L},
    {dkHypergeometric, rtAtMostA, 50, 45, 10, 4, 0, 0.0L},
    {dkHypergeometric, rtAtLeastA, 50, 45, 10, 10, 0, 0.310562782004568710000188789669L},
    {dkHypergeometric, rtBelowA, 2000, 600, 400, 40, 0, 1.08615168206614686901015045959e-26L},
    {dkHypergeometric, rtAboveA, 2000, 600, 400, 230, 0, 5.96647618320129406636991106336e-39L},
    {dkHypergeometric, rtInsideOO, 2000, 600, 400, 200, 210, 8.65314986305966031474668663355e-22L},
    {dkHypergeometric, rtAtMostA, 100000000, 30000000, 10000000, 2999000, 0,
     0.233609614739076085690417286012L},
    {dkHypergeometric, rtAboveA, 100000000, 30000000, 10000000, 3010000, 0,
     1.76730302886810989948914705613e-13L},
    {dkHypergeometric, rtAtLeastA, 100000000, 30000000, 10000000, 3030000, 0,
     1.0839654066196761536333939562e-105L},
    {dkHypergeometric, rtAtMostA, 2147483647, 1073741823, 1073741823, 536866277, 0,
     0.344589225281759178940201582222L},
    {dkHypergeometric, rtAtMostA, 2000000000, 1000000000, 1000000000, 499575147, 0,
     2.88926007299107510174047906576e-316L},
    {dkHypergeometric, rtAboveA, 1600000, 800000, 800000, 424960, 0,
     8.6941548585847205436288435426e-1357L},
    {dkHypergeometric, rtEqualA, 2000000000, 1000, 1000000, 1, 0, 0.30337921468081342978357045495L},
    {dkGeometric, rtEqualA, 0.25L, 0, 0, 1, 0, 0.25L},
    {dkGeometric, rtAtMostA, 0.25L, 0, 0, 3, 0, 0.578125L},
    {dkGeometric, rtAboveA, 0.25L, 0, 0, 300, 0, 3.29897494746607585208754885274e-38L},
    {dkGeometric, rtBelowA, 0.25L, 0, 0, 1, 0, 0.0L},
    {dkGeometric, rtAtLeastA, 0.25L, 0, 0, -5, 0, 1.0L},
    {dkGeometric, rtInsideOC, 0.25L, 0, 0, 2, 5, 0.3251953125L},
    {dkGeometric, rtOutsideCO, 0.25L, 0, 0, 2, 5, 0.6748046875L},
    {dkGeometric, rtInsideCC, 0.5L, 0, 0, 150, 200, 1.40129846432481644862220179718e-45L},
    {dkGeometric, rtAboveA, 0x1p-30L, 0, 0, 2147483647, 0, 0.135335283236612691874435387208L},
    {dkGeometric, rtEqualA, 0x1p-30L, 0, 0, 1000000000, 0, 3.66971109780683834450137053266e-10L},
    {dkGeometric, rtEqualA, 1, 0, 0, 1, 0, 1.0L},
    {dkNegativeBinomial, rtEqualA, 5, 0.25L, 0, 10, 0, 0.055048660375177860260009765625L},
    {dkNegativeBinomial, rtAtMostA, 5, 0.25L, 0, 3, 0, 0.0272979736328125L},
    {dkNegativeBinomial, rtAboveA, 5, 0.25L, 0, 300, 0, 3.55661860219218276892849337625e-32L},
    {dkNegativeBinomial, rtBelowA, 5, 0.25L, 0, 0, 0, 0.0L},
    {dkNegativeBinomial, rtInsideCO, 5, 0.25L, 0, 10, 20, 0.494886160818428066932028741576L},
    {dkNegativeBinomial, rtOutsideOC, 5, 0.25L, 0, 10, 20, 0.505113839181571933067971258424L},
    {dkNegativeBinomial, rtAboveA, 3, 0.75L, 0, 100, 0, 4.62710356293090860027913400199e-58L},
    {dkNegativeBinomial, rtAtMostA, 1000000, 0.5L, 0, 1000000, 0,
     0.500282094756512031375606209941L},
    {dkNegativeBinomial, rtAboveA, 1000000, 0.5L, 0, 1010000, 0,
     8.68133991462781472421652634815e-13L},
    {dkNegativeBinomial, rtBelowA, 1000000, 0.5L, 0, 990000, 0,
     6.76260277840766364278637048121e-13L},
    {dkNegativeBinomial, rtAboveA, 1000000, 0.5L, 0, 1040000, 0,
     6.63910006036542935953592728708e-173L},
    {dkNegativeBinomial, rtEqualA, 1, 1, 0, 0, 0, 1.0L},
};

TEST(CountingKinds, AnswersMatchThirtyDigitReferencesInBothModes) {
  for (const CountingRow& row : kReferences) {
    for (CalculationMode mode : {CalculationMode::kClassic, CalculationMode::kPrecise}) {
      SCOPED_TRACE(::testing::Message() << "kind " << row.kind << " range " << row.range << " "
                                        << static_cast<double>(row.first) << ", " << row.second
                                        << ", " << row.third << ", a " << row.a << ", b " << row.b
                                        << (mode == CalculationMode::kClassic ? " classic" : ""));
      const EvaluationOutcome outcome = EvaluateRequest(RequestOf(row), mode);
      ASSERT_TRUE(outcome.IsAnswer()) << outcome.ErrorText();
      EXPECT_LE(std::fabs(outcome.Value() - row.expected), 1e-12L * row.expected)
          << static_cast<double>(outcome.Value()) << " vs " << static_cast<double>(row.expected);
    }
  }
}

TEST(CountingKinds, ImpossibleParametersGiveTheirInputErrors) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const Real inf = std::numeric_limits<Real>::infinity();
  const struct {
    CountingRow row;
    const char* message;
  } cases[] = {
      {{dkHypergeometric, rtEqualA, 10, 11, 3, 1, 0, 0}, "Successes (K) must be ≤ Population (N)"},
      {{dkHypergeometric, rtEqualA, 10, 4, 11, 1, 0, 0}, "Draws (n) must be ≤ Population (N)"},
      {{dkHypergeometric, rtEqualA, -1, 0, 0, 0, 0, 0}, "Population (N) must be ≥ 0"},
      {{dkHypergeometric, rtEqualA, 10, -1, 0, 0, 0, 0}, "Successes (K) must be ≥ 0"},
      {{dkHypergeometric, rtEqualA, 10, 1, -2, 0, 0, 0}, "Draws (n) must be ≥ 0"},
      {{dkGeometric, rtAboveA, 0, 0, 0, 1, 0, 0}, "p must be in (0, 1]"},
      {{dkGeometric, rtAboveA, 1.5L, 0, 0, 1, 0, 0}, "p must be in (0, 1]"},
      {{dkGeometric, rtAboveA, nan, 0, 0, 1, 0, 0}, "p must be in (0, 1]"},
      {{dkNegativeBinomial, rtAboveA, 3, inf, 0, 1, 0, 0}, "p must be in (0, 1]"},
      {{dkNegativeBinomial, rtAboveA, 0, 0.5L, 0, 1, 0, 0}, "Successes (r) must be ≥ 1"},
  };
  for (const auto& c : cases) {
    for (CalculationMode mode : {CalculationMode::kClassic, CalculationMode::kPrecise}) {
      const EvaluationOutcome outcome = EvaluateRequest(RequestOf(c.row), mode);
      ASSERT_TRUE(outcome.IsInputError()) << c.message;
      EXPECT_EQ(outcome.ErrorText(), std::string(c.message));
    }
  }
}

}  // namespace
}  // namespace zudira
