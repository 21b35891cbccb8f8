// Uniform, Gamma, Beta and their inverse kinds, and the Inverse Exponential, against 30-digit
// references: far tails, the centre, the ends of the support, quantiles and two-bound ranges,
// the same in both modes; and their input errors.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/evaluate_request.h"
#include "testsupport/field_values.h"

namespace zudira {
namespace {

using testing::RealField;

struct Row {
  DistributionKind kind;
  RangeType range;
  Real first, second, a, b;
  FixEnd fixed_end;
  Real expected;
};

ProbabilityRequest RequestOf(DistributionKind kind, RangeType range, Real first, Real second,
                             Real a, Real b, FixEnd fixed_end) {
  ProbabilityRequest r;
  r.kind = kind;
  r.range = range;
  r.fixed_end = fixed_end;
  r.mean = RealField(first);
  r.sdev = RealField(second);
  r.a = RealField(a);
  r.b = RealField(b);
  return r;
}

constexpr Real k2m40 = 1.0L / 1099511627776.0L;  // 2^-40, so that 5 - 2^-40 and 1 - 2^-40 are exact

// mpmath 1.3 at 60 digits, for example:
//   -2 * log1p(-0.3)                                   Inverse Exponential, μ = 2
//   gammainc(2.5, 300/3, inf, regularized=True)        Gamma upper tail
//   betainc(2.5, 3, 1 - 2**-40, 1, regularized=True)   Beta upper tail
// Quantiles by bisection of those tails to 60 digits. The beta with β = 1e300 (where mpmath's
// series fails) from the closed form I_x(2, b) = 1 - (1 - x)^b (1 + b x).
constexpr Row kRows[] = {
    // Inverse Exponential, μ = 2: closed form, the tail search at 1e-4000, two-bound targets.
    {dkInverseExponential, rtBelowA, 2, 0, 0.3L, 0, feFixA, 0.713349887877464757825277422482L},
    {dkInverseExponential, rtAboveA, 2, 0, 1e-300L, 0, feFixA, 1381.55105579642741041079487281L},
    {dkInverseExponential, rtAtMostA, 2, 0, 1e-30L, 0, feFixA, 2.0e-30L},
    {dkInverseExponential, rtAtLeastA, 2, 0, 1e-4000L, 0, feFixA, 18420.6807439523654721439316375L},
    {dkInverseExponential, rtInsideOO, 2, 0, 0.3L, 1, feFixA, 2.36487499383970758460120469108L},
    {dkInverseExponential, rtOutsideCC, 2, 0, 0.5L, 3, feFixB, 0.648332090317259790153353718909L},
    {dkInverseExponential, rtBelowA, 2, 0, 0, 0, feFixA, 0},
    {dkInverseExponential, rtAboveA, 2, 0, 1, 0, feFixA, 0},
    // Uniform on [2, 5] (and [0, 3]): small tails from their own ends, bounds outside the
    // support, ends whose difference overflows.
    {dkUniform, rtBelowA, 2, 5, 3, 0, feFixA, 1.0L / 3},
    {dkUniform, rtAtMostA, 0, 3, 1e-30L, 0, feFixA, 3.33333333333333333333333333333e-31L},
    {dkUniform, rtAboveA, 2, 5, 5 - k2m40, 0, feFixA, 3.03164900590976079305013020833e-13L},
    {dkUniform, rtBelowA, 2, 5, 1, 0, feFixA, 0},
    {dkUniform, rtAtLeastA, 2, 5, 7, 0, feFixA, 0},
    {dkUniform, rtInsideCC, 2, 5, -10, 10, feFixA, 1},
    {dkUniform, rtOutsideOO, 2, 5, 3, 4.5L, feFixA, 0.5L},
    {dkUniform, rtAboveA, -1e4932L, 1e4932L, 0, 0, feFixA, 0.5L},
    {dkInverseUniform, rtAboveA, 2, 5, 0.25L, 0, feFixA, 4.25L},
    {dkInverseUniform, rtAboveA, 2, 5, 0, 0, feFixA, 5},
    {dkInverseUniform, rtBelowA, 2, 5, 0, 0, feFixA, 2},
    {dkInverseUniform, rtAtMostA, 2, 5, 1, 0, feFixA, 5},
    {dkInverseUniform, rtInsideOO, 2, 5, 0.5L, 3, feFixA, 4.5L},
    {dkInverseUniform, rtOutsideOC, 2, 5, 0.5L, 4, feFixB, 2.5L},
    {dkInverseUniform, rtBelowA, -1e4932L, 1e4932L, 0.75L, 0, feFixA, 5e4931L},
    // Gamma, k = 2.5, θ = 3, and a large and a tiny shape.
    {dkGamma, rtBelowA, 2.5L, 3, 1, 0, feFixA, 0.015252120981490971303176751173L},
    {dkGamma, rtAtMostA, 2.5L, 3, 7.5L, 0, feFixA, 0.584119813004492079716388420514L},
    {dkGamma, rtAboveA, 2.5L, 3, 300, 0, feFixA, 2.84062289864153168343465124911e-41L},
    {dkGamma, rtAtLeastA, 2.5L, 3, 2000, 0, feFixA, 3.83309078208001138590260880739e-286L},
    {dkGamma, rtBelowA, 2.5L, 3, 1e-12L, 0, feFixA, 1.93028152850490306234065849203e-32L},
    {dkGamma, rtInsideOC, 2.5L, 3, 2, 4, feFixA, 0.180252906767344228518443236449L},
    {dkGamma, rtAtMostA, 2.5L, 3, -1, 0, feFixA, 0},
    {dkGamma, rtAboveA, 0.5L, 3, 0, 0, feFixA, 1},
    {dkGamma, rtAboveA, 1000, 2, 2400, 0, feFixA, 0.00000000128816060862814329519738266836L},
    {dkGamma, rtAboveA, 1e-40L, 1, 1, 0, feFixA, 2.1938393439552027367716377546e-41L},
    {dkInverseGamma, rtBelowA, 2.5L, 3, 0.5L, 0, feFixA, 6.52719028664329097573716166494L},
    {dkInverseGamma, rtAboveA, 2.5L, 3, 1e-300L, 0, feFixA, 2100.96087847954030489411802974L},
    {dkInverseGamma, rtBelowA, 2.5L, 3, 1e-30L, 0, feFixA, 4.85011167087693286209403001371e-12L},
    {dkInverseGamma, rtAboveA, 2.5L, 3, 1e-4000L, 0, feFixA, 27671.2504715642462542746216059L},
    {dkInverseGamma, rtAboveA, 1e-40L, 1, 1e-41L, 0, feFixA, 1.50013165783025943704019045827L},
    {dkInverseGamma, rtInsideOO, 2.5L, 3, 0.2L, 10, feFixB, 7.13099692757509876412513617049L},
    {dkInverseGamma, rtBelowA, 2.5L, 3, 0, 0, feFixA, 0},
    // Beta, α = 2.5, β = 3, and a huge and a tiny shape.
    {dkBeta, rtBelowA, 2.5L, 3, 0.3L, 0, feFixA, 0.241237553921181600095704128712L},
    {dkBeta, rtAboveA, 2.5L, 3, 1 - k2m40, 0, feFixA, 4.93707627344855600816662012548e-36L},
    {dkBeta, rtAtMostA, 2.5L, 3, 1e-13L, 0, feFixA, 2.4902936573822429677123597374e-32L},
    {dkBeta, rtInsideCC, 2.5L, 3, 0.2L, 0.6L, feFixA, 0.649154408346731600565463535489L},
    {dkBeta, rtBelowA, 2.5L, 3, -1, 0, feFixA, 0},
    {dkBeta, rtAboveA, 2.5L, 3, 2, 0, feFixA, 0},
    {dkBeta, rtAtLeastA, 2.5L, 3, 0, 0, feFixA, 1},
    {dkBeta, rtAboveA, 2, 1e300L, 1e-299L, 0, feFixA, 0.000499399227387333366891506671166L},
    {dkBeta, rtAboveA, 1e-40L, 2, 0.5L, 0, feFixA, 1.93147180559945309417232121458e-41L},
    {dkInverseBeta, rtBelowA, 2.5L, 3, 0.3L, 0, feFixA, 0.335821153519888282665923656665L},
    {dkInverseBeta, rtAboveA, 2.5L, 3, 1e-30L, 0, feFixA, 0.999999999946587419396983663173L},
    {dkInverseBeta, rtBelowA, 2.5L, 3, 1e-300L, 0, feFixA, 4.3802588425260716210796656766e-121L},
    {dkInverseBeta, rtBelowA, 2.5L, 3, 1e-4000L, 0, feFixA, 4.3802588425260716210796656766e-1601L},
    {dkInverseBeta, rtInsideOO, 2.5L, 3, 0.25L, 0.4L, feFixA, 0.541990375633521593409233931387L},
    {dkInverseBeta, rtAboveA, 2.5L, 3, 0, 0, feFixA, 1},
    {dkInverseBeta, rtAtMostA, 2.5L, 3, 1, 0, feFixA, 1},
};

TEST(ShapeKinds, AnswersMatchThirtyDigitReferencesInBothModes) {
  for (const Row& row : kRows) {
    const ProbabilityRequest r =
        RequestOf(row.kind, row.range, row.first, row.second, row.a, row.b, row.fixed_end);
    for (const CalculationMode mode : {CalculationMode::kClassic, CalculationMode::kPrecise}) {
      const EvaluationOutcome outcome = EvaluateRequest(r, mode);
      ASSERT_TRUE(outcome.IsAnswer()) << "kind " << row.kind << ": " << outcome.ErrorText();
      EXPECT_LE(std::fabs(outcome.Value() - row.expected), 1e-12L * std::fabs(row.expected))
          << "kind " << row.kind << " range " << row.range << " mode " << static_cast<int>(mode)
          << " answered " << static_cast<double>(outcome.Value());
    }
  }
}

struct ErrorRow {
  DistributionKind kind;
  RangeType range;
  Real first, second, a;
  const char* text;
};

const ErrorRow kErrors[] = {
    {dkUniform, rtBelowA, 5, 2, 3, "a must be < b"},
    {dkInverseUniform, rtBelowA, 2, 2, 0.5L, "a must be < b"},
    {dkUniform, rtBelowA, NAN, 2, 3, "a is not a number"},
    {dkUniform, rtBelowA, 0, INFINITY, 3, "b must be finite"},
    {dkGamma, rtBelowA, 0, 3, 1, "k must be > 0"},
    {dkInverseGamma, rtBelowA, 2, -1, 0.5L, "θ must be > 0"},
    {dkGamma, rtBelowA, 2, NAN, 1, "θ is not a number"},
    {dkBeta, rtBelowA, -1, 3, 0.5L, "α must be > 0"},
    {dkInverseBeta, rtBelowA, 2, INFINITY, 0.5L, "β must be finite"},
    {dkBeta, rtBelowA, 1e11L, 1e12L, 0.5L, "α or β must be ≤ 1e10"},
    {dkInverseExponential, rtBelowA, 0, 0, 0.5L, "Mean must be > 0"},
    {dkInverseExponential, rtAboveA, 2, 0, 0, "No finite bound gives this probability"},
    {dkInverseGamma, rtBelowA, 2, 3, 1, "No finite bound gives this probability"},
    {dkInverseBeta, rtBelowA, 2, 3, 1.5L, "p must be in [0, 1]"},
    {dkInverseGamma, rtBelowA, 2.5L, 1e-4900L, 1e-4000L, kBoundTooSmallText},
};

TEST(ShapeKinds, ImpossibleInputsAndUnreachableBoundsAreInputErrors) {
  for (const ErrorRow& row : kErrors) {
    const EvaluationOutcome outcome =
        EvaluateRequest(RequestOf(row.kind, row.range, row.first, row.second, row.a, 0, feFixA),
                        CalculationMode::kPrecise);
    ASSERT_TRUE(outcome.IsInputError()) << row.text;
    EXPECT_EQ(outcome.ErrorText(), row.text);
  }
}

}  // namespace
}  // namespace zudira
