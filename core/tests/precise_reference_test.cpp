// Precise answers against 30-digit references, forward and inverse, bulk and far tails.
#include <gtest/gtest.h>

#include <cmath>

#include "core/evaluate_request.h"
#include "request_builders.h"
#include "stats/exception.h"

namespace zudira {
namespace {

using testing::RealField;

struct ReferenceRow {
  DistributionKind kind;
  RangeType range;
  Real first, second, a, b;
  FixEnd fixed_end;
  Real expected;
};

// Made by `python3 scripts/precise_references.py` (mpmath at 40 digits).
constexpr ReferenceRow kReferences[] = {
    {dkNormal, rtBelowA, 0L, 1L, -1.96L, 0L, feFixA, 0.0249978951482204341365842690408L},
    {dkNormal, rtAboveA, 0L, 1L, 37L, 0L, feFixA, 5.72557122252457682268319254827e-300L},
    {dkNormal, rtInsideOO, 0L, 1L, 6L, 7L, feFixA, 9.85307832493812305696480508707e-10L},
    {dkNormal, rtOutsideOO, 0L, 1L, -9L, 8L, feFixA, 6.22208916267773796416373067466e-16L},
    {dkExponential, rtAboveA, 1L, 0L, 690L, 0L, feFixA, 2.17173828138982700848212367182e-300L},
    {dkStudentT, rtAboveA, 1L, 0L, 1e150L, 0L, feFixA, 3.18309886183790671537767526745e-151L},
    {dkStudentT, rtBelowA, 10L, 0L, -5L, 0L, feFixA, 0.000268666801378226308543827933219L},
    {dkStudentT, rtAboveA, 1000000000L, 0L, 1L, 0L, feFixA, 0.158655254052442413644092788697L},
    {dkChiSquared, rtBelowA, 800L, 0L, 800L, 0L, feFixA, 0.506649129838905471403678088443L},
    {dkChiSquared, rtAboveA, 10L, 0L, 1300L, 0L, feFixA, 3.82565353839591942505376441722e-273L},
    {dkChiSquared, rtAboveA, 1000000000L, 0L, 1000100000L, 0L, feFixA,
     0.0126756119949355566054880532434L},
    {dkChiSquared, rtInsideOO, 3L, 0L, 40L, 50L, feFixA, 0.0000000105751985418063461036573182579L},
    {dkF, rtAboveA, 5L, 10L, 3L, 0L, feFixA, 0.0655575620938441132790282784637L},
    {dkF, rtAboveA, 2L, 2L, 1e150L, 0L, feFixA, 1.0e-150L},
    {dkF, rtAboveA, 1L, 1000000L, 10L, 0L, feFixA, 0.00156544901041678715261801523738L},
    {dkF, rtAboveA, 1L, 1L, 2.3e-20L, 0L, feFixA, 0.999999999903451831218323591797L},
    {dkBinomial, rtBelowA, 0.5L, 1000000L, 499000L, 0L, feFixA, 0.0226961679546721280480222897986L},
    {dkBinomial, rtAboveA, 0.5L, 1000000L, 501000L, 0L, feFixA, 0.0226961679546721280480222897986L},
    {dkBinomial, rtAboveA, 0.25L, 1000L, 700L, 0L, feFixA, 1.07589685093251839960514805053e-196L},
    {dkPoisson, rtAboveA, 1000000L, 0L, 1005000L, 0L, feFixA,
     0.000000291889246700302687808581452262L},
    {dkPoisson, rtBelowA, 2000L, 0L, 1000L, 0L, feFixA, 6.84734945961475317997872105709e-136L},
    {dkPoisson, rtInsideOC, 3L, 0L, 20L, 25L, feFixA, 1.17900953648066233633749358830e-11L},
    {dkBinomial, rtInsideCC, 0.25L, 1000L, 400L, 420L, feFixA, 1.61030628228867070038176650314e-25L},
    {dkInverseNormal, rtAboveA, 0L, 1L, 1e-300L, 0L, feFixA, 37.0470962993611992372229625079L},
    {dkInverseStudentT, rtBelowA, 1L, 0L, 0.975L, 0L, feFixA, 12.7062047361747046460216799788L},
    {dkInverseStudentT, rtAboveA, 1L, 0L, 6.3e-9L, 0L, feFixA, 50525378.7593318460276978920241L},
    {dkInverseChiSquared, rtBelowA, 683L, 0L, 2.6e-9L, 0L, feFixA,
     488.704756265274480646106035223L},
    {dkInverseChiSquared, rtAboveA, 4L, 0L, 1e-300L, 0L, feFixA, 1394.64842275870516929668873513L},
    {dkInverseF, rtAboveA, 5L, 10L, 1e-100L, 0L, feFixA, 327260107749731552581.760289932L},
    {dkInverseF, rtInsideOO, 5L, 10L, 0.25L, 3L, feFixB, 1.36360550204305888011369388459L},
    {dkPoisson, rtAboveA, 1844550329L, 0L, 1845447429L, 0L, feFixA,
     3.5696546064205368890642949355e-97L},
    {dkNormal, rtInsideOO, 28L, 67L, 0L, 1e-200L, feFixA, 5.45645632984915318706318500588e-203L},
    {dkStudentT, rtInsideOO, 5L, 0L, 0L, 1e-150L, feFixA, 3.79606689822494431187606760749e-151L},
    {dkInverseNormal, rtInsideOO, 28L, 67L, 1e-200L, 0L, feFixA,
     1.83269129183637315768099828232e-198L},
    {dkInverseStudentT, rtInsideOO, 1000000000L, 0L, 4e-63L, 0L, feFixA,
     1.00265131010306302846073901756e-62L},
    {dkStudentT, rtBelowA, 1L, 0L, -1e4000L, 0L, feFixA, 3.18309886183790671537767526745e-4001L},
    {dkInverseStudentT, rtBelowA, 1L, 0L, 1e-4000L, 0L, feFixA,
     -3.18309886183790671537767526745e+3999L},
    {dkInverseStudentT, rtAboveA, 3L, 0L, 1e-4930L, 0L, feFixA,
     2.22576982382244203580003869182e+1643L},
    {dkInverseChiSquared, rtBelowA, 2L, 0L, 1e-4930L, 0L, feFixA, 2.0e-4930L},
    {dkInverseChiSquared, rtBelowA, 1000000L, 0L, 1e-4930L, 0L, feFixA,
     801817.448586432434475214767845L},
    {dkInverseF, rtBelowA, 46L, 2147483647L, 1e-4930L, 0L, feFixA,
     1.84035816392650769210734893517e-215L},
    {dkInverseF, rtBelowA, 46L, 1000L, 1e-4930L, 0L, feFixA, 1.80089360750360894321228374044e-215L},
    {dkInverseNormal, rtInsideOO, 7.5L, 1.18973149535723176502e4932L, 1.7e-31L, 381L, feFixB,
     -5.06976482931847867459655954234e+4901L},
};

TEST(PreciseReference, RelativeErrorAtMostOneInATrillion) {
  for (const ReferenceRow& row : kReferences) {
    const ProbabilityRequest request{row.kind,
                                     row.range,
                                     row.fixed_end,
                                     RealField(row.first),
                                     RealField(row.second),
                                     RealField(row.a),
                                     RealField(row.b)};
    const EvaluationOutcome outcome = EvaluateRequest(request, CalculationMode::kPrecise);
    ASSERT_TRUE(outcome.IsAnswer()) << outcome.ErrorText();
    EXPECT_LE(std::fabs((outcome.Value() - row.expected) / row.expected), 1e-12L)
        << "kind " << row.kind << " range " << row.range << " a " << static_cast<double>(row.a)
        << ": " << static_cast<double>(outcome.Value());
  }
}

// Where no bound in the extended range has the probability, the inverse says so; where a tail
// is below the smallest extended number it is 0, and classic F gives its limit at a huge bound.
TEST(PreciseReference, FarEndsOfTheExtendedRange) {
  struct Case {
    ProbabilityRequest request;
    CalculationMode mode;
    const char* error;  // nullptr for an answer
    Real answer;
  };
  const auto inverse = [](DistributionKind kind, RangeType range, Real first, Real second, Real p) {
    return testing::ContinuousRequest(kind, range, RealField(first), RealField(second), p);
  };
  constexpr auto kPrecise = CalculationMode::kPrecise;
  const Case cases[] = {
      {inverse(dkInverseStudentT, rtBelowA, 1, 0, 1e-4940L), kPrecise, kBoundTooLargeText, 0},
      {inverse(dkInverseF, rtAboveA, 1, 1, 1e-3000L), kPrecise, kBoundTooLargeText, 0},
      {inverse(dkInverseChiSquared, rtBelowA, 1, 0, 1e-2480L), kPrecise, kBoundTooSmallText, 0},
      {testing::PoissonRequest(rtAboveA, 1e-16L, 100000001), kPrecise, nullptr, 0},
      {inverse(dkF, rtBelowA, 5, 7, 1e4932L), CalculationMode::kClassic, nullptr, 1},
      {inverse(dkF, rtAboveA, 5, 7, 1e4932L), CalculationMode::kClassic, nullptr, 0},
  };
  for (const Case& c : cases) {
    const EvaluationOutcome outcome = EvaluateRequest(c.request, c.mode);
    if (c.error != nullptr) {
      EXPECT_EQ(outcome.ErrorText(), c.error) << "kind " << c.request.kind;
    } else {
      ASSERT_TRUE(outcome.IsAnswer()) << outcome.ErrorText();
      EXPECT_EQ(outcome.Value(), c.answer) << "kind " << c.request.kind;
    }
  }
  // A target near 1 is solved through its exact complement: right to the last digits, where
  // the lower tail's rounding left a band of 1e-12.
  const EvaluationOutcome chi = EvaluateRequest(
      inverse(dkInverseChiSquared, rtBelowA, 533, 0, 0.9999999997714532L), kPrecise);
  EXPECT_NEAR(chi.Value(), 762.378800257316744239748575576L, 1e-15L * 762.4L);
}

// Past the classic limits: the classic answer is an error or wrong, the precise one is right.
TEST(PreciseReference, ClassicLimitsDoNotHold) {
  const ProbabilityRequest poisson = testing::PoissonRequest(rtBelowA, 3, 5000);
  EXPECT_THROW(EvaluateRequest(poisson), Exception);
  EXPECT_EQ(EvaluateRequest(poisson, CalculationMode::kPrecise).Value(), 1);
  const ProbabilityRequest chi{dkInverseChiSquared, rtBelowA,           feFixA,      RealField(683),
                               RealField(0),        RealField(2.6e-9L), RealField(0)};
  EXPECT_EQ(EvaluateRequest(chi).ErrorText(), kClassicTargetLimitText);
  EXPECT_TRUE(EvaluateRequest(chi, CalculationMode::kPrecise).IsAnswer());
  // A domain error keeps its classic text in precise mode.
  const ProbabilityRequest f =
      testing::ContinuousRequest(dkF, rtBelowA, RealField(5), RealField(10), 0);
  try {
    EvaluateRequest(f, CalculationMode::kPrecise);
    ADD_FAILURE() << "F at 0 answered";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "F must be > 0");
  }
}

}  // namespace
}  // namespace zudira
