// Pins each large-shape route against Boost.Math's public functions at shapes where those are
// right, and against the mpmath references of the far-tail test. The routes were measured on
// Boost 1.74; an upgrade that changes the internals they call fails here, not in an answer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>

#include "stats/precise/f_two_degrees.h"
#include "stats/precise/far_beta_roots.h"
#include "stats/precise/large_shape_gamma.h"
#include "stats/precise/large_shapes_f.h"

namespace zudira::precise {
namespace {

namespace bm = boost::math;

Real RelativeError(Real value, Real expected) {
  return std::fabs(value - expected) / std::fabs(expected);
}

// The mpmath references of far_tails_test.cpp, taken here at the route itself.
struct Reference {
  const char* what;
  Real value, expected;
};

void ExpectReferences(const std::vector<Reference>& rows) {
  for (const Reference& row : rows) {
    EXPECT_LE(RelativeError(row.value, row.expected), 1e-12L) << row.what;
  }
}

// Boost's public quantile of F, for its `upper` tail or its lower one.
Real FisherQuantile(const bm::fisher_f_distribution<Real>& f_dist, Real t, bool upper) {
  return upper ? bm::quantile(bm::complement(f_dist, t)) : bm::quantile(f_dist, t);
}

TEST(BoostRoutes, LargeShapeGammaMatchesGammaPAndQ) {
  // Temme's zone on both sides of a (|x - a| < 0.4 a), then the continued fraction's beyond it,
  // as far out as the tails stay above the smallest extended number.
  struct Shape {
    Real a;
    std::vector<Real> beyond;
  };
  for (const Shape& shape : {Shape{201.5L, {300, 600}}, Shape{1000, {1500, 3000}},
                             Shape{50000, {75000}}, Shape{1e6L, {}}}) {
    const Real a = shape.a, sd = std::sqrt(a);
    std::vector<Real> xs = shape.beyond;
    for (const Real z : {-5.5L, -2.0L, -0.5L, 0.0L, 1.0L, 5.5L}) xs.push_back(a + z * sd);
    for (const Real x : xs) {
      ASSERT_TRUE(InLargeShapeZones(a, x))
          << static_cast<double>(a) << " " << static_cast<double>(x);
      EXPECT_LE(RelativeError(LargeShapeGammaTail(false, a, x), bm::gamma_p(a, x)), 4e-17L)
          << "P(" << static_cast<double>(a) << ", " << static_cast<double>(x) << ")";
      EXPECT_LE(RelativeError(LargeShapeGammaTail(true, a, x), bm::gamma_q(a, x)), 4e-17L)
          << "Q(" << static_cast<double>(a) << ", " << static_cast<double>(x) << ")";
    }
    for (const Real t : {1e-300L, 1e-20L, 1e-3L, 0.3L, 0.5L, 0.9L, 1 - 1e-6L}) {
      EXPECT_LE(RelativeError(LargeShapeGammaRoot(false, a, t), bm::gamma_p_inv(a, t)), 1e-16L)
          << "P root, a " << static_cast<double>(a) << ", t " << static_cast<double>(t);
      EXPECT_LE(RelativeError(LargeShapeGammaRoot(true, a, t), bm::gamma_q_inv(a, t)), 1e-16L)
          << "Q root, a " << static_cast<double>(a) << ", t " << static_cast<double>(t);
    }
  }
  // Chi-squared with 10^9 degrees of freedom is the gamma with shape 5e8 at x / 2.
  ExpectReferences({
      {"past Temme's zone", LargeShapeGammaTail(true, 5e8L, 500223607),
       7.73351593731259734109714752591e-24L},
      {"lower far tail", LargeShapeGammaTail(false, 5e8L, 999048923.24284398555755615234375L / 2),
       9.99996223103383858746782711233e-101L},
  });
}

TEST(BoostRoutes, FarBetaRootsMatchIbetaInverses) {
  // Boost's own ibeta_inv gives up (200 steps) on a first shape of 2.5 from 1e-100 down, and on
  // 5 at 1e-300: the grid keeps to where it answers.
  for (const Real a : {1.5L, 5.0L}) {
    for (const Real b : {5.0L, 50.0L, 500.0L}) {
      for (const Real t : {1e-30L, 1e-100L}) {
        ASSERT_TRUE(SmallBetaRoot(a, b, t));
        EXPECT_LE(RelativeError(BetaRootFromSeries(a, b, t), bm::ibeta_inv(a, b, t)), 1e-16L)
            << static_cast<double>(a) << ", " << static_cast<double>(b) << " at "
            << static_cast<double>(t);
      }
    }
  }
  for (const Real a : {1.5L, 3.0L, 50.0L}) {
    for (const Real b : {1e5L, 1e6L}) {
      for (const Real t : {1e-100L, 1e-10L, 0.01L, 0.5L, 0.99L}) {
        ASSERT_TRUE(LargeSecondShape(a, b));
        EXPECT_LE(RelativeError(BetaUpperRootFromGamma(a, b, t), bm::ibetac_inv(a, b, t)), 1e-14L)
            << static_cast<double>(a) << ", " << static_cast<double>(b) << " at "
            << static_cast<double>(t);
      }
    }
  }
  // F(df1, df2) above f is the beta(df2 / 2, df1 / 2) below df2 / (df2 + df1 f), and the
  // beta(df1 / 2, df2 / 2) above df1 f / (df2 + df1 f).
  const Real f1 = 4.067966793383849097602418e+60L, f2 = 155.440939723107728263243015603L;
  ExpectReferences({
      {"F(3, 10) above, 1e-300", BetaRootFromSeries(5, 1.5L, 1e-300L), 10 / (10 + 3 * f1)},
      {"F(3, 10^6) above, 1e-100", BetaUpperRootFromGamma(1.5L, 5e5L, 1e-100L),
       3 * f2 / (1e6L + 3 * f2)},
  });
}

TEST(BoostRoutes, LargeShapesFMatchesFisherF) {
  struct Shapes {
    std::int32_t df1, df2;
  };
  for (const Shapes s : {Shapes{500000, 20000}, Shapes{1000000, 1000000}, Shapes{20000, 2000000}}) {
    const Real a = Real(s.df1) / 2, b = Real(s.df2) / 2;
    ASSERT_TRUE(LargeShapesFApplies(a, b));
    const bm::fisher_f_distribution<Real> f_dist(s.df1, s.df2);
    const Real sd = std::sqrt(2 / Real(s.df1) + 2 / Real(s.df2));
    // Inside the quadrature's three deviations and out on Boost's ibeta corrected.
    for (const Real z : {-12.0L, -5.0L, -2.9L, -1.0L, 0.0L, 1.0L, 2.9L, 5.0L, 12.0L}) {
      const Real f = 1 + z * sd;
      EXPECT_LE(RelativeError(LargeShapesFTail(a, b, f, false), bm::cdf(f_dist, f)), 1e-14L)
          << s.df1 << ", " << s.df2 << " below " << static_cast<double>(f);
      EXPECT_LE(RelativeError(LargeShapesFTail(a, b, f, true), bm::cdf(bm::complement(f_dist, f))),
                1e-14L)
          << s.df1 << ", " << s.df2 << " above " << static_cast<double>(f);
    }
    for (const Real t : {1e-30L, 1e-5L, 0.01L, 0.3L, 0.5L, 0.9L}) {
      for (const bool upper : {false, true}) {
        Real f = 0;
        ASSERT_TRUE(LargeShapesFRoot(a, b, t, upper, f));
        EXPECT_LE(RelativeError(f, FisherQuantile(f_dist, t, upper)), 1e-16L)
            << s.df1 << ", " << s.df2 << (upper ? " above " : " below ") << static_cast<double>(t);
      }
    }
  }
  Real root_centre = 0, root_far = 0;
  ASSERT_TRUE(LargeShapesFRoot(2147483647 / 2.0L, 2147483647 / 2.0L, 0.49L, false, root_centre));
  ASSERT_TRUE(LargeShapesFRoot(332142178 / 2.0L, 2113604720 / 2.0L, 1e-30L, true, root_far));
  ExpectReferences({
      {"F below, far tail at 1.5e9 and 8.6e8",
       LargeShapesFTail(1539772920 / 2.0L, 857892465 / 2.0L, 0.99904440124796111186546502L, false),
       5.22777450862204984802870189774e-57L},
      {"F above, near the centre at 1.3e8 and 5.9e8",
       LargeShapesFTail(130801776 / 2.0L, 590000020 / 2.0L, 1.0001L, true),
       0.232187689165510374966550041625L},
      {"inverse F below, the centre at 2^31 - 1 twice", root_centre,
       0.999998918067294709208553215514L},
      {"inverse F above, 1e-30 at 3.3e8 and 2.1e9", root_far, 1.00095728343073574821125776802L},
  });
}

TEST(BoostRoutes, TwoDegreesMatchesFisherFQuantile) {
  for (const std::int32_t n : {1, 2, 5, 100, 1000000}) {
    for (const bool first : {true, false}) {
      const std::int32_t df1 = first ? 2 : n, df2 = first ? n : 2;
      const bm::fisher_f_distribution<Real> f_dist(df1, df2);
      // Boost's upper quantile with 2 and 2 loses digits below 1e-5 (2e-10 off at 1e-10).
      for (const Real t : {1e-5L, 0.1L, 0.5L, 0.9L, 1 - 1e-6L}) {
        for (const bool upper : {false, true}) {
          Real f = 0;
          ASSERT_TRUE(TwoDegreesRoot(df1, df2, t, upper, f));
          EXPECT_LE(RelativeError(f, FisherQuantile(f_dist, t, upper)), 1e-14L)
              << df1 << ", " << df2 << (upper ? " above " : " below ") << static_cast<double>(t);
        }
      }
    }
  }
  // F(2, 2) has the upper tail 1 / (1 + f): the root of t is 1 / t - 1.
  Real f = 0;
  ASSERT_TRUE(TwoDegreesRoot(2, 2, 1e-100L, true, f));
  ExpectReferences({{"F(2, 2) above, 1e-100", f, 1e100L}});
}

}  // namespace
}  // namespace zudira::precise
