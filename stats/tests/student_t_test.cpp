#include "stats/student_t.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "real_near.h"
#include "stats/arithmetic_fault.h"
#include "stats/exception.h"
#include "stats/exponential.h"

namespace zudira {
namespace {

struct Case {
  std::int32_t df;
  double t;
  Real cdf;
};

// P(Y <= t) = 1 - I_{df/(df+t^2)}(df/2, 1/2) / 2 for t > 0, made with
// python3 -c "import mpmath as mp; mp.mp.dps=40; x=df/(df+t*t);
//   print(1-mp.betainc(df/2, 0.5, 0, x, regularized=True)/2)"   (mirrored for t < 0)
constexpr Case kCdfTable[] = {
    {1, 1, 0.75L},
    {1, -3.5, 0.08858553278290474887587605L},
    {2, 0.5, 0.6666666666666666666666667L},
    {3, 2.0, 0.9303370157205784115759523L},
    {4, -1.25, 0.1397198216832315802393006L},
    {5, 0.75, 0.7564878759703453670691041L},
    {10, 2.228, 0.9749941140914443173191251L},
    {11, -2.2, 0.02504305549090212114742302L},
    {30, 1.7, 0.9502610622057415574039505L},
    {31, 3.5, 0.9992834786061263906466642L},
    {100, -2.5, 0.007022894562038588703845249L},
    {1001, 1.96, 0.974863546133550747205956L},
    {5000, 0.01, 0.5039891568385072010230241L},
    {19999, 2.5, 0.9937863627353817144059437L},
    {20000, -1.5, 0.06681509366884249696907274L},
    {20001, 6.0, 0.9999999989964280349098304L},
    {100000, 1.5, 0.9331912202385847006728622L},
    {1000000, -0.3, 0.382088608989497104013045L},
    {46341, 2.0, 0.9772469553222787666179609L},
    {999999999, 1.0, 0.8413447459475575862349218L},
    {2147483647, 1.5, 0.9331927986576375001323203L},
    {2147483647, -3.0, 0.001349898047108146355987255L},
    {2147483646, 0.001, 0.5003989422138646195756696L},
    {2147483647, 8.0, 0.9999999999999993779036367L},
    {3, 40.0, 0.9999828096596054207358583L},
    {4, 1000000.0, 0.999999999999999999999997L},
    {50000, 60.0, 1.0L},
    {2147483647, 100.0, 1.0L},  // the complement is below e^-5000
};

TEST(StudentTCDF, MatchesReferenceFromOneToMaximumDegreesOfFreedom) {
  // The closed forms and the large-DF series are sums in extended precision; 1e-16 allows for
  // the rounding carried through 10^4 terms.
  for (const Case& c : kCdfTable) {
    EXPECT_TRUE(RealNear(StudentTCDF(c.df, c.t), c.cdf, 1e-16L)) << "df " << c.df << " t " << c.t;
  }
}

TEST(StudentTCDF, TailsAddToOneAndCentreIsHalf) {
  for (std::int32_t df : {1, 2, 7, 64, 9999, 10000, 30001, 123456, 2147483647}) {
    EXPECT_EQ(StudentTCDF(df, 0), 0.5L) << df;
    for (Real t : {0.05L, 1.0L, 2.5L, 30.0L}) {
      EXPECT_TRUE(RealNear(StudentTCDF(df, t) + StudentTCDF(df, -t), 1, 1e-18L)) << df << " " << t;
      EXPECT_TRUE(RealNear(StudentTCentral(df, t), 2 * StudentTCDF(df, t) - 1, 1e-18L))
          << df << " " << t;
    }
  }
}

TEST(StudentTCDF, DegreesOfFreedomNotPositiveGiveTheNeutralHalf) {
  EXPECT_EQ(StudentTCentral(0, 2), 0);
  EXPECT_EQ(StudentTCentral(-5, 2), 0);
  EXPECT_EQ(StudentTCDF(0, 1.5), 0.5L);
  EXPECT_EQ(StudentTCDF(-1, -1.5), 0.5L);
}

TEST(StudentTCDF, ContinuousWhereTheLargeDegreesOfFreedomSeriesTakesOver) {
  // Across the switch from the closed forms (DF 1999) to the series (DF 2001, 2003) the steps
  // of 2 DF differ by their true second difference, not by a jump. Made with the reference
  // line above: (F(2001) - F(1999)) - (F(2003) - F(2001)).
  struct Step {
    Real t, second_difference;
  };
  for (const Step& c :
       {Step{0.001L, 9.95676e-14L}, Step{0.7L, 8.12752e-11L}, Step{3.0L, 3.35149e-11L}}) {
    const Real below = StudentTCDF(1999, c.t);
    const Real at = StudentTCDF(2001, c.t);
    const Real above = StudentTCDF(2003, c.t);
    EXPECT_TRUE(RealNear((at - below) - (above - at), c.second_difference, 1e-16L)) << c.t;
  }
}

TEST(StudentTCDF, HugeArgumentsAnswerAtOnce) {
  // theta rounds to pi / 2 here and cos theta to a tiny negative number.
  EXPECT_EQ(StudentTCDF(2147483647, 1e300L), 1);
  EXPECT_EQ(StudentTCDF(2147483647, -1e300L), 0);
  EXPECT_EQ(StudentTCDF(2147483646, 1e4000L), 1);
  EXPECT_EQ(StudentTCDF(7, -1e4000L), 0);
  // Long sums stay inside the unit interval.
  EXPECT_LE(StudentTCDF(2147483647, 10), 1);
  EXPECT_LE(StudentTCentral(46341, 100), 1);
}

// A NaN argument ends at once in the invalid-operation error, even where the large-DF series
// would otherwise never stop; the exponential distribution function does the same.
TEST(StudentTCDF, NaNIsAnInvalidOperationAtOnce) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  for (const std::int32_t df : {1, 10, 100000000}) {
    EXPECT_THROW(StudentTCDF(df, nan), EInvalidOp) << df;
  }
  EXPECT_THROW(ExponentialCDF(1, nan), EInvalidOp);
  EXPECT_THROW(ExponentialCDF(nan, 1), EInvalidOp);
}

struct QuantileCase {
  std::int32_t df;
  double p;
  Real upper;
};

// The Cornish-Fisher expansion of A&S 26.7.5 around the A&S 26.2.23 normal quantile, evaluated
// at 40 digits: python3 -c "import mpmath as mp; mp.mp.dps=40; t=mp.sqrt(mp.log(1/p**2));
//   z=t-(c0+c1*t+c2*t**2)/(1+d1*t+d2*t**2+d3*t**3); n=df; print(z+(z**3+z)/(4*n)+...)"
constexpr QuantileCase kQuantileTable[] = {
    {1, 0.1, 3.012922879479583044037654L},
    {2, 0.05, 2.913029851043215135743077L},
    {5, 0.25, 0.7263365772974975945596373L},
    {10, 0.025, 2.22872513739912144373558L},
    {30, 0.001, 3.385554435899105215825575L},
    {46341, 0.025, 1.960446138991230053390464L},
    {100000, 0.5, -0.0000001010069281110155234747991L},
    {2147483647, 1e-6, 4.753258470908114190630084L},
    {7, 1e-300, 49541689.54136165109912014L},
};

TEST(StudentTQuantile, IsTheExpansionAtItsOwnValueForEveryDegreesOfFreedom) {
  for (const QuantileCase& q : kQuantileTable) {
    const Real tol = 1e-17L + 1e-17L * std::fabs(q.upper);
    EXPECT_TRUE(RealNear(StudentTTailQuantile(q.df, q.p), q.upper, tol)) << q.df << " " << q.p;
    EXPECT_TRUE(RealNear(InverseStudentTUpper(q.df, q.p), q.upper, tol)) << q.df << " " << q.p;
    EXPECT_TRUE(RealNear(InverseStudentTLower(q.df, q.p), -q.upper, tol)) << q.df << " " << q.p;
    // 1 - (1 - p) carries the rounding of 1 - p, about 1e-19 absolute.
    const Real complement = 1 - static_cast<Real>(q.p);
    const Real ctol = 1e-13L * std::fabs(q.upper);
    if (q.p < 0.5 && complement != 1) {
      EXPECT_TRUE(RealNear(InverseStudentTLower(q.df, complement), q.upper, ctol))
          << q.df << " " << q.p;
      EXPECT_TRUE(RealNear(InverseStudentTUpper(q.df, complement), -q.upper, ctol))
          << q.df << " " << q.p;
    }
  }
  // The expansion is an approximation: 2.2287 where the exact quantile is 2.2281.
  EXPECT_NEAR(InverseStudentTUpper(10, 0.025), 2.2281L, 1e-3L);
  EXPECT_EQ(StudentTTailQuantile(10, 0.6), 0);
}

TEST(StudentTQuantile, ProbabilityZeroOrOneAndDegreesOfFreedomZeroGiveClearErrors) {
  const struct {
    std::int32_t df;
    Real p;
    const char* message;
  } cases[] = {
      {10, 0, "Probability must be greater than 0 and less than 1"},
      {10, 1, "Probability must be greater than 0 and less than 1"},
      {10, -0.25L, "Probability must be greater than 0 and less than 1"},
      {10, 1.25L, "Probability must be greater than 0 and less than 1"},
      {0, 0.05L, "Degrees of Freedom must be > 0"},
  };
  for (const auto& c : cases) {
    for (auto inverse : {&InverseStudentTLower, &InverseStudentTUpper}) {
      try {
        inverse(c.df, c.p);
        ADD_FAILURE() << "no error for df " << c.df << " p " << static_cast<double>(c.p);
      } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), c.message);
      }
    }
  }
}

}  // namespace
}  // namespace zudira
