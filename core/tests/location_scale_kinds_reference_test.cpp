// The log-normal, Weibull, logistic and Cauchy kinds and their inverses against references of
// 20 digits, in both modes: far tails, the centre, the support's end, parameters at the edge of
// the extended range, and the quantiles through the inverse kinds.
//
// The references come from mpmath at 120 digits, each range from the exact tails:
//   log-normal  F = erfc(-(ln x - mu)/(sigma sqrt 2))/2, quantile exp(mu + sigma z), with z
//               solved from log(erfc(-z/sqrt 2)/2) = log t by findroot
//   Weibull     F = -expm1(-(x/lambda)^k), Q = exp(-(x/lambda)^k), quantile
//               lambda (-log1p(-t))^(1/k), upper lambda (-log t)^(1/k)
//   logistic    F = 1/(1 + exp(-(x - mu)/s)), quantile mu + s log(t/(1 - t))
//   Cauchy      F = 1/2 + atan((x - x0)/gamma)/pi, quantile x0 - gamma / tan(pi t)
// inside ranges F(b) - F(a), outside F(a) + Q(b); an inverse inside range with A fixed solves
// F(B) = F(g) + p, with B fixed F(A) = F(g) - p; outside with A fixed Q(B) = p - F(g), with B
// fixed F(A) = p - Q(g). kSmallest is 2^-16445.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <span>

#include "core/evaluate_request.h"
#include "request_builders.h"

namespace zudira {
namespace {

using testing::RealField;

constexpr Real kSmallest = std::numeric_limits<Real>::denorm_min();

struct Reference {
  DistributionKind kind;
  RangeType range;
  Real first, second, a, b;
  FixEnd fixed_end;
  Real expected;
};

constexpr Reference kLogNormal[] = {
    {dkLogNormal, rtBelowA, 0L, 1L, 1e-5L, 0L, feFixA, 5.6779792968410047582e-31L},
    {dkLogNormal, rtBelowA, 2L, 0.5L, 7L, 0L, feFixA, 4.5692657299899898941e-1L},
    {dkLogNormal, rtAboveA, 0L, 1L, 1e5L, 0L, feFixA, 5.6779792968410047582e-31L},
    {dkLogNormal, rtBelowA, -3L, 2L, 1e-20L, 0L, feFixA, 4.4584256820518689437e-103L},
    {dkLogNormal, rtInsideOO, 0L, 1L, 1e3L, 1e4L, feFixA, 2.4619120025608792577e-12L},
    {dkLogNormal, rtOutsideOO, 1L, 0.25L, 0.5L, 20L, feFixA, 6.3256234925089006365e-12L},
    {dkInverseLogNormal, rtBelowA, 0L, 1L, 1e-30L, 0L, feFixA, 1.0501161493987006873e-5L},
    {dkInverseLogNormal, rtAboveA, 2L, 0.5L, 1e-300L, 0L, feFixA, 8.1896192382513496095e+8L},
    {dkInverseLogNormal, rtBelowA, 1L, 3L, 0.75L, 0L, feFixA, 2.0562504566163841693e+1L},
    {dkInverseLogNormal, rtInsideOO, 0L, 1L, 0.2L, 1L, feFixA, 1.6894457434840043225L},
    {dkInverseLogNormal, rtOutsideOO, 0L, 1L, 0.3L, 0.1L, feFixA, 1.7424424408633235747L},
    {dkLogNormal, rtBelowA, 0L, 1L, -1L, 0L, feFixA, 0.0L},
    {dkLogNormal, rtAboveA, 0L, 1L, 0L, 0L, feFixA, 1.0L},
    {dkLogNormal, rtBelowA, 0L, 1e4932L, 2L, 0L, feFixA, 5.0e-1L},
    {dkInverseLogNormal, rtBelowA, 0L, 1L, 0L, 0L, feFixA, 0.0L},
    {dkInverseLogNormal, rtInsideOO, 0L, 1L, 1 - 0x1p-30L, 3.6e-4L, feFixA,
     4.072200721839794028e+2L},
};

constexpr Reference kWeibull[] = {
    {dkWeibull, rtBelowA, 2L, 3L, 1e-15L, 0L, feFixA, 1.1111111111111111111e-31L},
    {dkWeibull, rtBelowA, 0.5L, 2L, 2L, 0L, feFixA, 6.321205588285576784e-1L},
    {dkWeibull, rtAboveA, 2L, 3L, 25L, 0L, feFixA, 6.9288471183301838476e-31L},
    {dkWeibull, rtAboveA, 1.5L, 1e-3L, 1e-6L, 0L, feFixA, 9.9996837772339304579e-1L},
    {dkWeibull, rtInsideOO, 3L, 1L, 2L, 2.5L, feFixA, 3.3529889018945275755e-4L},
    {dkWeibull, rtOutsideOO, 0.7L, 10L, 0.001L, 60L, feFixA, 3.1626082236932665966e-2L},
    {dkInverseWeibull, rtBelowA, 2L, 3L, 1e-40L, 0L, feFixA, 3.0e-20L},
    {dkInverseWeibull, rtAboveA, 0.5L, 2L, 1e-35L, 0L, feFixA, 1.2989650370672075126e+4L},
    {dkInverseWeibull, rtBelowA, 2L, 3L, kSmallest, 0L, feFixA, 1.8112646351911769003e-2475L},
    {dkInverseWeibull, rtAtMostA, 3L, 1L, 0.99L, 0L, feFixA, 1.6637263492000494249L},
    {dkInverseWeibull, rtInsideOO, 2L, 3L, 0.1L, 5L, feFixB, 4.0461869634030439024L},
    {dkWeibull, rtAboveA, 2L, 3L, -5L, 0L, feFixA, 1.0L},
    {dkWeibull, rtInsideOO, 2L, 3L, -3L, 0L, feFixA, 0.0L},
    {dkWeibull, rtBelowA, 1e-3L, 1e4000L, 1e-4000L, 0L, feFixA, 9.9999999500000001667e-9L},
    {dkInverseWeibull, rtAboveA, 1e-3L, 1e-4000L, 1e-3L, 0L, feFixA, 2.1724181328434563678e-3161L},
    {dkInverseWeibull, rtAboveA, 2L, 3L, 1L, 0L, feFixA, 0.0L},
};

constexpr Reference kLogistic[] = {
    {dkLogistic, rtBelowA, 0L, 1L, -70L, 0L, feFixA, 3.9754497359086468078e-31L},
    {dkLogistic, rtAboveA, 5L, 2L, 200L, 0L, feFixA, 4.531980311123191359e-43L},
    {dkLogistic, rtBelowA, 5L, 2L, 5.5L, 0L, feFixA, 5.6217650088579810403e-1L},
    {dkLogistic, rtInsideOO, 0L, 1L, -1e-8L, 1e-8L, feFixA, 4.9999999999999999583e-9L},
    {dkLogistic, rtInsideOO, 0L, 1L, 40L, 41L, feFixA, 2.6854720659566002116e-18L},
    {dkLogistic, rtOutsideOO, -2L, 0.5L, -20L, 10L, feFixA, 3.7751577393648837791e-11L},
    {dkInverseLogistic, rtBelowA, 0L, 1L, 1e-30L, 0L, feFixA, -6.9077552789821370521e+1L},
    {dkInverseLogistic, rtAboveA, 5L, 2L, 1e-300L, 0L, feFixA, 1.3865510557964274104e+3L},
    {dkInverseLogistic, rtBelowA, 1L, 1L, kSmallest, 0L, feFixA, -1.1397805384308300613e+4L},
    {dkInverseLogistic, rtInsideOO, 0L, 1L, 1e-12L, 0L, feFixA, 4.0e-12L},
    {dkInverseLogistic, rtInsideOO, 0L, 1L, 1e-20L, 30L, feFixB, 2.9999999893135259895e+1L},
    {dkInverseLogistic, rtOutsideOO, 0L, 1L, 0.3L, -2L, feFixA, 1.5109565349996928767L},
    {dkLogistic, rtBelowA, 1e4000L, 1L, 0L, 0L, feFixA, 0.0L},
    {dkInverseLogistic, rtOutsideOO, 0L, 1L, 1 - 0x1p-40L, -30L, feFixA,
     -2.7627954890144827713e+1L},
};

constexpr Reference kCauchy[] = {
    {dkCauchy, rtBelowA, 0L, 1L, -1e30L, 0L, feFixA, 3.1830988618379067154e-31L},
    {dkCauchy, rtAboveA, 3L, 0.5L, 1e100L, 0L, feFixA, 1.5915494309189533577e-101L},
    {dkCauchy, rtBelowA, 3L, 0.5L, 3.2L, 0L, feFixA, 6.2111894159084339872e-1L},
    {dkCauchy, rtInsideOO, 0L, 1L, -1e-9L, 2e-9L, feFixA, 9.5492965855137201366e-10L},
    {dkCauchy, rtInsideOO, 0L, 1L, 1e10L, 2e10L, feFixA, 1.5915494309189533577e-11L},
    {dkCauchy, rtOutsideOO, 0L, 2L, -100L, 1e6L, feFixA, 6.3659857207451634118e-3L},
    {dkInverseCauchy, rtBelowA, 0L, 1L, 1e-30L, 0L, feFixA, -3.1830988618379067154e+29L},
    {dkInverseCauchy, rtAboveA, 3L, 0.5L, 1e-300L, 0L, feFixA, 1.5915494309189533577e+299L},
    {dkInverseCauchy, rtBelowA, 0L, 1e-4000L, kSmallest, 0L, feFixA, -8.7323034966869776809e+949L},
    {dkInverseCauchy, rtAtMostA, 0L, 1L, 0.7L, 0L, feFixA, 7.265425280053608859e-1L},
    {dkInverseCauchy, rtInsideOO, 0L, 1L, 1e-15L, 0L, feFixA, 3.1415926535897932385e-15L},
    {dkInverseCauchy, rtOutsideOO, 1L, 1L, 0.5L, 3L, feFixB, 5.0e-1L},
    {dkCauchy, rtAboveA, -1e4932L, 1e4932L, 1e4932L, 0L, feFixA, 1.4758361765043327418e-1L},
    {dkInverseCauchy, rtBelowA, 1e4932L, 1e4932L, 0.25L, 0L, feFixA, 0.0L},
    // A target near 1, or near 1/2, left by the far tail at the fixed end.
    {dkInverseCauchy, rtOutsideOO, -2.5L, 2L, 1 - 0x1p-48L, 1e19L, feFixB,
     1.7918932466176171067e+14L},
    {dkInverseCauchy, rtOutsideCO, 0L, 2L, 0.5L, 1e19L, feFixB, -4.0e-19L},
};

// Both modes give the precise answer: these kinds have no classic algorithm.
void ExpectReferences(std::span<const Reference> rows) {
  for (const Reference& row : rows) {
    for (const CalculationMode mode : {CalculationMode::kClassic, CalculationMode::kPrecise}) {
      const ProbabilityRequest request =
          testing::ContinuousRequest(row.kind, row.range, RealField(row.first),
                                     RealField(row.second), row.a, row.b, row.fixed_end);
      const EvaluationOutcome outcome = EvaluateRequest(request, mode);
      SCOPED_TRACE(::testing::Message()
                   << "kind " << row.kind << ", range " << row.range << ", a "
                   << static_cast<double>(row.a) << ", mode " << static_cast<int>(mode));
      ASSERT_TRUE(outcome.IsAnswer()) << outcome.ErrorText();
      EXPECT_LE(std::fabs(outcome.Value() - row.expected), 1e-12L * std::fabs(row.expected))
          << "answer " << static_cast<double>(outcome.Value()) << " (" << outcome.Value()
          << "), reference " << row.expected;
    }
  }
}

TEST(LocationScaleKinds, LogNormalMatchesReferences) {
  ExpectReferences(kLogNormal);
}
TEST(LocationScaleKinds, WeibullMatchesReferences) {
  ExpectReferences(kWeibull);
}
TEST(LocationScaleKinds, LogisticMatchesReferences) {
  ExpectReferences(kLogistic);
}
TEST(LocationScaleKinds, CauchyMatchesReferences) {
  ExpectReferences(kCauchy);
}

struct Refused {
  DistributionKind kind;
  RangeType range;
  Real first, second, a;
  const char* text;
};

constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();
constexpr Real kInfinity = std::numeric_limits<Real>::infinity();

// Impossible parameters before any library call; targets no finite bound has, or whose bound
// lies beyond the extended range.
TEST(LocationScaleKinds, RefusedInputsNameTheirFault) {
  const Refused rows[] = {
      {dkLogNormal, rtBelowA, kNaN, 1, 1, "μ is not a number"},
      {dkLogNormal, rtBelowA, 0, 0, 1, "σ must be > 0"},
      {dkInverseLogNormal, rtBelowA, 0, kInfinity, 0.5L, "σ must be finite"},
      {dkWeibull, rtAboveA, -1, 1, 1, "Shape (k) must be > 0"},
      {dkWeibull, rtAboveA, 2, kInfinity, 1, "Scale (λ) must be finite"},
      {dkLogistic, rtBelowA, kInfinity, 1, 0, "Location (μ) must be finite"},
      {dkInverseLogistic, rtBelowA, 0, kNaN, 0.5L, "Scale (s) must be > 0"},
      {dkCauchy, rtBelowA, 0, -2, 0, "Scale (γ) must be > 0"},
      {dkInverseCauchy, rtAboveA, kNaN, 1, 0.5L, "Location (x₀) is not a number"},
      {dkInverseLogistic, rtBelowA, 0, 1, 0, kNoFiniteBoundText},
      {dkInverseCauchy, rtAboveA, 0, 1, 1, kNoFiniteBoundText},
      {dkInverseWeibull, rtBelowA, 2, 3, 1, kNoFiniteBoundText},
      {dkInverseLogNormal, rtAboveA, 0, 1, 0, kNoFiniteBoundText},
      {dkInverseCauchy, rtBelowA, 0, 1, kSmallest, kBoundTooLargeText},
      {dkInverseLogNormal, rtBelowA, 1e4000L, 1, 0.5L, kBoundTooLargeText},
      {dkInverseLogNormal, rtBelowA, -1e4000L, 1, 0.5L, kBoundTooSmallText},
      {dkInverseWeibull, rtBelowA, 0.01L, 1, 1e-100L, kBoundTooSmallText},
  };
  for (const Refused& row : rows) {
    const EvaluationOutcome outcome = EvaluateRequest(testing::ContinuousRequest(
        row.kind, row.range, RealField(row.first), RealField(row.second), row.a));
    EXPECT_EQ(outcome.ErrorText(), row.text) << "kind " << row.kind;
  }
}

}  // namespace
}  // namespace zudira
