#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/distribution_functions.h"
#include "core/evaluate_request.h"
#include "request_builders.h"

namespace zudira {
namespace {

using testing::AnswerOf;
using testing::ContinuousRequest;
using testing::RealField;
using testing::WholeField;

struct Distribution {
  const char* name;
  DistributionKind inverse, forward;
  FieldValue first, second;
  double probability_tolerance;  // of the forward probability at a solved bound
};

// Tolerances follow each inverse: the normal quantile of A&S 26.2.23 (4.5e-4 in z, at most
// 1.7e-4 in probability), the Cornish-Fisher expansion of the t quantile on it (about 6e-4 in t
// for 10 or more degrees of freedom, the same 1.7e-4 in probability), and the single-precision
// root search for chi-squared and F (3e-7 in x).
const Distribution kNormal01{"normal(0,1)", dkInverseNormal, dkNormal,
                             RealField(0),  RealField(1),    2e-4};
const Distribution kNormal10_2{"normal(10,2)", dkInverseNormal, dkNormal,
                               RealField(10),  RealField(2),    2e-4};
const Distribution kT10{"t(10)",        dkInverseStudentT, dkStudentT,
                        WholeField(10), WholeField(0),     2e-4};
const Distribution kT30{"t(30)",        dkInverseStudentT, dkStudentT,
                        WholeField(30), WholeField(0),     2e-4};
const Distribution kChi4{"chi2(4)",     dkInverseChiSquared, dkChiSquared,
                         WholeField(4), WholeField(0),       2e-6};
const Distribution kChi1{"chi2(1)",     dkInverseChiSquared, dkChiSquared,
                         WholeField(1), WholeField(0),       2e-6};
const Distribution kF5_10{"F(5,10)", dkInverseF, dkF, WholeField(5), WholeField(10), 2e-6};
const Distribution kF4_7{"F(4,7)", dkInverseF, dkF, WholeField(4), WholeField(7), 2e-6};

EvaluationOutcome Solve(const Distribution& d, RangeType range, Real p, Real g = 0,
                        FixEnd fixed_end = feFixA) {
  return EvaluateRequest(ContinuousRequest(d.inverse, range, d.first, d.second, p, g, fixed_end));
}

Real Forward(const Distribution& d, RangeType range, Real a, Real b = 0) {
  return AnswerOf(ContinuousRequest(d.forward, range, d.first, d.second, a, b));
}

// Exact quantiles from scipy.stats (norm.ppf/isf, t.ppf/isf, chi2.ppf/isf, f.ppf/isf; the
// two-bound normal rows as norm.ppf(norm.cdf(-1.96) + 0.95) and so on), held to the accuracy
// of each approximation.
TEST(InverseSolving, BoundsMatchReference) {
  struct Row {
    const Distribution& d;
    RangeType range;
    FixEnd fixed_end;
    Real p, g;
    Real expected;
    double tolerance;
  };
  const Row rows[] = {
      {kNormal01, rtBelowA, feFixA, 0.975L, 0, 1.959963984540054L, 4.5e-4},
      {kNormal01, rtAtMostA, feFixB, 0.975L, 0, 1.959963984540054L, 4.5e-4},
      {kNormal01, rtAboveA, feFixA, 0.025L, 0, 1.959963984540054L, 4.5e-4},
      {kNormal01, rtInsideOO, feFixA, 0.95L, -1.96L, 1.9599279716222244L, 4.5e-4},
      {kNormal01, rtInsideCC, feFixB, 0.95L, 1.96L, -1.9599279716222244L, 4.5e-4},
      {kNormal01, rtOutsideOO, feFixA, 0.05L, -1.96L, 1.9599279716222244L, 4.5e-4},
      {kNormal01, rtOutsideCC, feFixB, 0.05L, 1.96L, -1.9599279716222244L, 4.5e-4},
      {kNormal10_2, rtBelowA, feFixA, 0.3L, 0, 8.951198974583917L, 9e-4},
      {kNormal10_2, rtAtLeastA, feFixA, 0.1L, 0, 12.5631031310892L, 9e-4},
      {kT10, rtBelowA, feFixA, 0.975L, 0, 2.2281388519649385L, 1e-3},
      {kT10, rtBelowA, feFixA, 0.2L, 0, -0.8790578285505837L, 1e-3},
      {kT30, rtAboveA, feFixA, 0.1L, 0, 1.3104150225671303L, 1e-3},
      {kChi1, rtBelowA, feFixA, 0.95L, 0, 3.8414588206941285L, 1e-5},
      {kChi1, rtAboveA, feFixA, 0.95L, 0, 0.00393214000001953L, 5e-7},
      {kChi4, rtAboveA, feFixA, 0.05L, 0, 9.487729036781154L, 1e-5},
      {kF5_10, rtAboveA, feFixA, 0.05L, 0, 3.3258345304130112L, 1e-5},
      {kF4_7, rtBelowA, feFixA, 0.25L, 0, 0.4810003666619307L, 1e-6},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.d.name << " range " << row.range << " fix "
                                      << row.fixed_end << " p=" << static_cast<double>(row.p));
    const EvaluationOutcome outcome = Solve(row.d, row.range, row.p, row.g, row.fixed_end);
    ASSERT_TRUE(outcome.IsAnswer()) << outcome.ErrorText();
    EXPECT_NEAR(outcome.Value(), row.expected, row.tolerance);
  }
  // Degrees of freedom past the square root of the 32-bit range.
  const Distribution t_large{"t(100000)",        dkInverseStudentT, dkStudentT,
                             WholeField(100000), WholeField(0),     0};
  EXPECT_NEAR(Solve(t_large, rtBelowA, 0.975L).Value(), 1.9599877075346093L, 4.5e-4);
}

// The solved bound, put back into the forward kind, gives the wanted probability: each target
// of the inverse table, both fixed ends, for every inverse kind.
TEST(InverseSolving, SolvedBoundsGiveTheProbabilityBack) {
  struct Case {
    const Distribution& d;
    Real fixed_low, fixed_high;  // a fixed A with F(A) near 0.3, a fixed B with Q(B) near 0.2
  };
  const Case cases[] = {{kNormal01, -0.5L, 0.8L}, {kNormal10_2, 9, 11.5L}, {kT10, -0.5L, 0.9L},
                        {kT30, -0.6L, 0.85L},     {kChi4, 2, 6},           {kChi1, 0.15L, 1.6L},
                        {kF5_10, 0.6L, 1.8L},     {kF4_7, 0.5L, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.d.name);
    const double tol = c.d.probability_tolerance;
    for (Real p : {0.05L, 0.3L, 0.6L}) {
      SCOPED_TRACE(static_cast<double>(p));
      for (RangeType range : {rtBelowA, rtAtMostA}) {
        EXPECT_NEAR(
            Forward(c.d, rtBelowA,
                    AnswerOf(ContinuousRequest(c.d.inverse, range, c.d.first, c.d.second, p))),
            p, tol);
      }
      for (RangeType range : {rtAboveA, rtAtLeastA}) {
        EXPECT_NEAR(
            Forward(c.d, rtAboveA,
                    AnswerOf(ContinuousRequest(c.d.inverse, range, c.d.first, c.d.second, p))),
            p, tol);
      }
      // Inside, fixed A: B lies above A; fixed B: A lies below B.
      for (RangeType range : {rtInsideOO, rtInsideOC, rtInsideCO, rtInsideCC}) {
        const Real b = AnswerOf(
            ContinuousRequest(c.d.inverse, range, c.d.first, c.d.second, p, c.fixed_low, feFixA));
        EXPECT_GE(b, c.fixed_low);
        EXPECT_NEAR(Forward(c.d, rtInsideOO, c.fixed_low, b), p, tol);
        const Real a = AnswerOf(
            ContinuousRequest(c.d.inverse, range, c.d.first, c.d.second, p, c.fixed_high, feFixB));
        EXPECT_LE(a, c.fixed_high);
        EXPECT_NEAR(Forward(c.d, rtInsideOO, a, c.fixed_high), p, tol);
      }
    }
    // Outside needs p above the fixed end's own tail (about 0.3 and 0.2 here).
    for (Real p : {0.4L, 0.7L}) {
      SCOPED_TRACE(static_cast<double>(p));
      for (RangeType range : {rtOutsideOO, rtOutsideOC, rtOutsideCO, rtOutsideCC}) {
        const Real b = AnswerOf(
            ContinuousRequest(c.d.inverse, range, c.d.first, c.d.second, p, c.fixed_low, feFixA));
        EXPECT_GE(b, c.fixed_low);
        EXPECT_NEAR(Forward(c.d, rtOutsideOO, c.fixed_low, b), p, tol);
        const Real a = AnswerOf(
            ContinuousRequest(c.d.inverse, range, c.d.first, c.d.second, p, c.fixed_high, feFixB));
        EXPECT_LE(a, c.fixed_high);
        EXPECT_NEAR(Forward(c.d, rtOutsideOO, a, c.fixed_high), p, tol);
      }
    }
  }
}

// quantile(cdf(x)) returns x, in both tails, within each inverse's accuracy. The
// single-precision upper tails are good to about 1e-7 absolute, so in their far tails a
// quantile is only as good as that over the density: there the round trip is held in
// probability.
TEST(InverseSolving, QuantileOfTheDistributionFunctionReturnsX) {
  struct Case {
    DistributionKind kind;
    DistributionParameters parameters;
    Real low, high;
    double tolerance;
    bool in_probability;
  };
  const Case cases[] = {
      {dkInverseNormal, {RealField(0), RealField(1)}, -3, 3, 4.5e-4, false},
      {dkInverseNormal, {RealField(-5), RealField(3)}, -12, 3, 3 * 4.5e-4, false},
      {dkInverseStudentT, {WholeField(10), WholeField(0)}, -3, 3, 1e-3, false},
      {dkInverseStudentT, {WholeField(40), WholeField(0)}, -3, 3, 6e-4, false},
      {dkInverseChiSquared, {WholeField(3), WholeField(0)}, 0.5L, 6, 1e-5, false},
      {dkInverseChiSquared, {WholeField(3), WholeField(0)}, 0.1L, 15, 3e-7, true},
      {dkInverseChiSquared, {WholeField(12), WholeField(0)}, 3, 30, 3e-7, true},
      {dkInverseF, {WholeField(5), WholeField(10)}, 0.3L, 2.5L, 1e-5, false},
      {dkInverseF, {WholeField(5), WholeField(10)}, 0.1L, 5, 3e-7, true},
      {dkInverseF, {WholeField(4), WholeField(7)}, 0.1L, 5, 3e-7, true},
  };
  for (const Case& c : cases) {
    const ContinuousFunctions& fn = ContinuousFunctionsOf(c.kind);
    const DistributionParameters& d = c.parameters;
    for (int i = 0; i <= 12; ++i) {
      const Real x = c.low + (c.high - c.low) * i / 12;
      SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " x=" << static_cast<double>(x));
      const std::optional<Real> from_lower = fn.InvLower(d, fn.F(d, x));
      const std::optional<Real> from_upper = fn.InvUpper(d, fn.Q(d, x));
      ASSERT_TRUE(from_lower && from_upper);
      if (c.in_probability) {
        EXPECT_NEAR(fn.F(d, *from_lower), fn.F(d, x), c.tolerance);
        EXPECT_NEAR(fn.Q(d, *from_upper), fn.Q(d, x), c.tolerance);
      } else {
        EXPECT_NEAR(*from_lower, x, c.tolerance);
        EXPECT_NEAR(*from_upper, x, c.tolerance);
      }
    }
  }
}

// A target that no finite bound reaches is an input error, never 0, an infinity or a library
// fault; so is a probability outside [0, 1].
TEST(InverseSolving, UnreachableProbabilitiesAreInputErrors) {
  struct Row {
    const Distribution& d;
    RangeType range;
    FixEnd fixed_end;
    Real p, g;
    const char* text;
  };
  const std::string fixed = kNoFiniteBoundFixedText;
  const std::string single = kNoFiniteBoundText;
  const Row rows[] = {
      // P(X < -1.96) alone is already 0.025.
      {kNormal01, rtOutsideOO, feFixA, 0.01L, -1.96L, kNoFiniteBoundFixedText},
      {kNormal01, rtOutsideCC, feFixB, 0.01L, 1.96L, kNoFiniteBoundFixedText},
      {kNormal01, rtInsideOO, feFixA, 0.5L, 1.96L, kNoFiniteBoundFixedText},
      {kNormal01, rtInsideOO, feFixB, 0.5L, -1.96L, kNoFiniteBoundFixedText},
      {kNormal01, rtBelowA, feFixA, 0, 0, kNoFiniteBoundText},
      {kNormal01, rtBelowA, feFixA, 1, 0, kNoFiniteBoundText},
      {kNormal01, rtAboveA, feFixA, 0, 0, kNoFiniteBoundText},
      {kNormal01, rtAtLeastA, feFixA, 1, 0, kNoFiniteBoundText},
      {kT10, rtBelowA, feFixA, 0, 0, kNoFiniteBoundText},
      {kT10, rtAtMostA, feFixA, 1, 0, kNoFiniteBoundText},
      {kT10, rtAboveA, feFixA, 1, 0, kNoFiniteBoundText},
      {kT10, rtOutsideOO, feFixA, 0.1L, 0, kNoFiniteBoundFixedText},
      // The chi-squared and F supports end at 0 below but not above.
      {kChi4, rtAboveA, feFixA, 0, 0, kNoFiniteBoundText},
      {kChi4, rtBelowA, feFixA, 1, 0, kNoFiniteBoundText},
      {kChi4, rtInsideOO, feFixB, 0.5L, 0.5L, kNoFiniteBoundFixedText},
      {kChi4, rtInsideOO, feFixA, 0.9L, 2, kNoFiniteBoundFixedText},
      {kChi4, rtOutsideOO, feFixA, 0.1L, 2, kNoFiniteBoundFixedText},
      {kF5_10, rtAboveA, feFixA, 0, 0, kNoFiniteBoundText},
      {kF5_10, rtAtMostA, feFixA, 1, 0, kNoFiniteBoundText},
      {kF5_10, rtOutsideOC, feFixA, 0.2L, 1, kNoFiniteBoundFixedText},
      {kF5_10, rtOutsideCO, feFixB, 0.1L, 0.5L, kNoFiniteBoundFixedText},
      {kF5_10, rtInsideCC, feFixB, 0.9L, 1, kNoFiniteBoundFixedText},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.d.name << " range " << row.range << " fix "
                                      << row.fixed_end << " p=" << static_cast<double>(row.p));
    const EvaluationOutcome outcome = Solve(row.d, row.range, row.p, row.g, row.fixed_end);
    EXPECT_TRUE(outcome.IsInputError()) << static_cast<double>(outcome.Value());
    EXPECT_EQ(outcome.ErrorText(), row.text);
  }
  for (const Distribution* d : {&kNormal01, &kT10, &kChi4, &kF5_10}) {
    for (int r = rtBelowA; r < kRangeTypeCount; ++r) {
      for (FixEnd fixed_end : {feFixA, feFixB}) {
        for (Real p : {1.5L, -0.25L}) {
          const EvaluationOutcome outcome =
              Solve(*d, static_cast<RangeType>(r), p, 0.5L, fixed_end);
          EXPECT_EQ(outcome.ErrorText(), "p must be in [0, 1]") << d->name << " range " << r;
        }
      }
    }
  }
}

// Where the bound is the finite end of the support it is the answer.
TEST(InverseSolving, LowerEndOfTheSupportAnswersZero) {
  for (const Distribution* d : {&kChi4, &kF5_10}) {
    SCOPED_TRACE(d->name);
    EXPECT_EQ(AnswerOf(ContinuousRequest(d->inverse, rtAboveA, d->first, d->second, 1)), 0);
    EXPECT_EQ(AnswerOf(ContinuousRequest(d->inverse, rtBelowA, d->first, d->second, 0)), 0);
    // P(A < X < B) = F(B) with B fixed: A is 0.
    const Real b = 1.5L;
    const Real p = Forward(*d, rtBelowA, b);
    EXPECT_EQ(
        AnswerOf(ContinuousRequest(d->inverse, rtInsideOO, d->first, d->second, p, b, feFixB)), 0);
  }
}

TEST(InverseSolving, PointRangeAnswersZeroForAnyProbability) {
  for (const Distribution* d : {&kNormal01, &kT10, &kChi4, &kF5_10}) {
    for (Real p : {0.5L, 0.0L, 7.0L, -1.0L}) {
      EXPECT_EQ(AnswerOf(ContinuousRequest(d->inverse, rtEqualA, d->first, d->second, p, 3)), 0)
          << d->name;
    }
  }
}

}  // namespace
}  // namespace zudira
