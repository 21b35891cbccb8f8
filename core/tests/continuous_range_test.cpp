#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/evaluate_request.h"
#include "request_builders.h"
#include "stats/exception.h"

namespace zudira {
namespace {

using testing::AnswerOf;
using testing::ContinuousRequest;
using testing::RealField;
using testing::WholeField;

struct FamilyRow {
  const char* name;
  DistributionKind kind;
  FieldValue first, second;
  Real a, b;
  Real lower, upper, inside, outside;  // P(X < a), P(X > a), P(a < X < b), P(X < a or X > b)
  double tolerance;
};

// References from mpmath (30 digits): ncdf(x, mu, sigma); 1 - exp(-x/m); the t CDF as
// 1 - betainc(v/2, 1/2, 0, v/(v+x^2), regularized=True)/2 for x > 0; chi-squared
// gammainc(v/2, 0, x/2, regularized=True); F betainc(m/2, n/2, 0, m x/(m x + n), regularized=True).
// Tolerances are those of each method: A&S 26.2.17 (7.5e-8 per bound) for the normal, the
// single-precision upper tail for chi-squared, the A&S 6.1.36 gamma polynomial (3e-7) inside the
// F form for odd degrees of freedom, the exact closed forms elsewhere.
const FamilyRow kFamilyRows[] = {
    {"normal(0,1)", dkNormal, RealField(0), RealField(1), -1.96L, 1.96L, 0.024997895148220434137L,
     0.97500210485177956586L, 0.95000420970355913173L, 0.049995790296440868273L, 1.6e-7},
    {"normal(10,2)", dkNormal, RealField(10), RealField(2), 7, 12.5L, 0.066807201268858066004L,
     0.933192798731141934L, 0.82754302506428667631L, 0.17245697493571332369L, 1.6e-7},
    {"exponential(2)", dkExponential, RealField(2), RealField(0), 0.5L, 3, 0.22119921692859513175L,
     0.77880078307140486825L, 0.55567062292297503931L, 0.44432937707702496069L, 1e-16},
    {"t(10)", dkStudentT, WholeField(10), WholeField(0), -1, 2.5L, 0.17044656615102993634L,
     0.82955343384897006366L, 0.81383001173066566154L, 0.18616998826933433846L, 1e-15},
    {"t(7)", dkStudentT, WholeField(7), WholeField(0), -0.5L, 1.25L, 0.31620356784464210817L,
     0.68379643215535789183L, 0.55806248387247774919L, 0.44193751612752225081L, 1e-15},
    {"chi2(4)", dkChiSquared, WholeField(4), WholeField(0), 2, 7, 0.26424111765711535681L,
     0.73575888234288464319L, 0.59987065694245138986L, 0.40012934305754861014L, 1e-6},
    {"chi2(7)", dkChiSquared, WholeField(7), WholeField(0), 1.5L, 9, 0.017690340193149672519L,
     0.98230965980685032748L, 0.72965361331028653372L, 0.27034638668971346628L, 1e-6},
    {"F(5,10)", dkF, WholeField(5), WholeField(10), 1, 3.25L, 0.53488057346219958944L,
     0.46511942653780041056L, 0.4119267230507551746L, 0.5880732769492448254L, 1e-15},
    {"F(3,7)", dkF, WholeField(3), WholeField(7), 0.5L, 2, 0.30596361243118627611L,
     0.69403638756881372389L, 0.49134274508216280182L, 0.50865725491783719818L, 1e-6},
    {"F(4,6)", dkF, WholeField(4), WholeField(6), 0.75L, 1.5L, 0.40740740740740740741L,
     0.59259259259259259259L, 0.28009259259259259259L, 0.71990740740740740741L, 1e-15},
};

// Within a family < and <= (> and >=) give one answer, and P(X = A) is 0.
TEST(ContinuousRange, EveryRangeTypeMatchesReference) {
  for (const FamilyRow& row : kFamilyRows) {
    SCOPED_TRACE(row.name);
    const Real by_family[] = {0, row.lower, row.upper, row.inside, row.outside};
    for (int r = 0; r < kRangeTypeCount; ++r) {
      const auto range = static_cast<RangeType>(r);
      const Real answer =
          AnswerOf(ContinuousRequest(row.kind, range, row.first, row.second, row.a, row.b));
      EXPECT_NEAR(answer, by_family[FamilyOf(range)], row.tolerance) << "range " << r;
    }
    EXPECT_EQ(AnswerOf(ContinuousRequest(row.kind, rtEqualA, row.first, row.second, row.a)), 0);
  }
}

// b is raised to a: with a > b or a = b the inside ranges are empty and the outside ranges
// are everything.
TEST(ContinuousRange, ReversedOrEqualBoundsGiveEmptyInsideAndFullOutside) {
  for (const FamilyRow& row : kFamilyRows) {
    for (Real b : {row.b, row.a}) {
      SCOPED_TRACE(::testing::Message() << row.name << " b=" << static_cast<double>(b));
      // a is the row's upper bound, so b is equal to it or below it.
      for (int r = rtInsideOO; r < kRangeTypeCount; ++r) {
        const auto range = static_cast<RangeType>(r);
        const Real answer =
            AnswerOf(ContinuousRequest(row.kind, range, row.first, row.second, row.b, b));
        if (FamilyOf(range) == rfInside) {
          EXPECT_EQ(answer, 0) << "range " << r;
        } else {
          EXPECT_NEAR(answer, 1, 1e-18) << "range " << r;
        }
      }
    }
  }
}

TEST(ContinuousRange, SpecialAnswers) {
  EXPECT_NEAR(AnswerOf(ContinuousRequest(dkExponential, rtBelowA, RealField(1), RealField(0), 1)),
              1 - std::exp(-1.0L), 1e-18);
  // Cauchy: P(X <= 1) = 3/4.
  EXPECT_NEAR(AnswerOf(ContinuousRequest(dkStudentT, rtAtMostA, WholeField(1), WholeField(0), 1)),
              0.75L, 1e-18);
  // A chi-squared bound past the single-precision range still reads as a bound far out.
  EXPECT_NEAR(
      AnswerOf(ContinuousRequest(dkChiSquared, rtBelowA, WholeField(3), WholeField(0), 1e300L)), 1,
      1e-7);
  EXPECT_NEAR(AnswerOf(ContinuousRequest(dkChiSquared, rtInsideOO, WholeField(3), WholeField(0), 0,
                                         1e4000L)),
              1, 1e-7);
}

// F(a) is formed for every range type, P(X = A) included, so a bound outside the library's
// domain fails the request whatever the range.
TEST(ContinuousRange, BoundOutsideTheDomainFailsEveryRangeType) {
  for (int r = 0; r < kRangeTypeCount; ++r) {
    const auto range = static_cast<RangeType>(r);
    SCOPED_TRACE(r);
    try {
      EvaluateRequest(ContinuousRequest(dkF, range, WholeField(5), WholeField(10), 0, 2));
      ADD_FAILURE() << "F with A = 0 answered";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "F must be > 0");
    }
    try {
      EvaluateRequest(ContinuousRequest(dkChiSquared, range, WholeField(3), WholeField(0), -1, 2));
      ADD_FAILURE() << "chi-squared with A = -1 answered";
    } catch (const EStStatError& e) {
      EXPECT_EQ(e.ErrorCode, StatBadParam);
    }
  }
}

// A negative count of degrees of freedom is refused as an input error, never read as an
// unsigned count of billions of terms.
TEST(ContinuousRange, NegativeFDegreesOfFreedomAreRefused) {
  for (const auto& [df1, df2] : {std::pair{-3, 10}, std::pair{5, -1}}) {
    const EvaluationOutcome outcome =
        EvaluateRequest(ContinuousRequest(dkF, rtBelowA, WholeField(df1), WholeField(df2), 1.5L));
    EXPECT_EQ(outcome.ErrorText(), "Degrees of Freedom must be > 0");
  }
}

}  // namespace
}  // namespace zudira
