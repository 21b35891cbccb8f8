#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>

#include "error_capture.h"
#include "real_near.h"
#include "stats/arithmetic_fault.h"
#include "stats/chi_squared.h"
#include "stats/exception.h"
#include "stats/f_distribution.h"
#include "stats/negative_binomial.h"
#include "stats/upper_tail_root.h"

namespace zudira {
namespace {

struct SingleCase {
  std::int32_t df1, df2;
  double x;
  double value;
};

// python3 -c "import mpmath as mp; mp.mp.dps=30;
//   print(mp.gammainc(df/2, x/2, mp.inf, regularized=True))"
constexpr SingleCase kChiUpperTable[] = {
    {1, 0, 3.841458820694124, 0.050000000000000057435},
    {2, 0, 3, 0.22313016014842982893},
    {5, 0, 1, 0.96256577324729636896},
    {10, 0, 20, 0.029252688076961072673},
    {30, 0, 30, 0.46565370894400963158},
    {100, 0, 80, 0.92966493334060504556},
    {1, 0, 0.0001, 0.99202128737073679241},
};

// python3 -c "from scipy.stats import chi2; print(chi2.isf(p, df))"
constexpr SingleCase kChiQuantileTable[] = {
    {1, 0, 0.05, 3.8414588206941285},  {1, 0, 0.95, 0.003932140000019531},
    {2, 0, 0.5, 1.386294361119891},    {5, 0, 0.01, 15.086272469388991},
    {10, 0, 0.9, 4.86518205192533},    {30, 0, 0.5, 29.336031516661585},
    {60, 0, 0.001, 99.60723306984946}, {3, 0, 0.99999904632568359375, 0.00023428322991980933},
};

TEST(ChiSquared, UpperTailAndQuantileToSinglePrecision) {
  for (const SingleCase& c : kChiUpperTable) {
    EXPECT_NEAR(ChiSquaredUpper(c.df1, static_cast<float>(c.x)), c.value, 1e-6) << c.df1;
  }
  for (const SingleCase& c : kChiQuantileTable) {
    // The search stops at 3e-7 in x and the tail carries single precision.
    EXPECT_NEAR(InverseChiSquared(c.df1, static_cast<float>(c.x)), c.value, 2e-6 * c.value + 1e-6)
        << c.df1 << " " << c.x;
  }
  for (float x : {0.5f, 2.0f, 7.5f, 30.0f}) {
    EXPECT_NEAR(ChiSquaredUpper(2, x), std::exp(-x / 2), 3e-7) << x;
  }
  EXPECT_EQ(ChiSquaredUpper(4, 0), 1);
  EXPECT_EQ(InverseChiSquared(7, 1), 0);
}

TEST(ChiSquared, BadParametersAndFailedSearches) {
  EXPECT_EQ(CodeOf([] { ChiSquaredUpper(0, 1); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { ChiSquaredUpper(3, -0.5f); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { InverseChiSquared(3, 1.2f); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { InverseChiSquared(3, -0.1f); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { InverseChiSquared(0, 0.5f); }), StatBadParam);
  // Degrees of freedom past what 100 series terms can reach: no convergence, in bounded time.
  EXPECT_EQ(CodeOf([] { ChiSquaredUpper(std::numeric_limits<std::int32_t>::max(), 2e9f); }),
            StatNoConverge);
  // No finite root for probability 0: the growing bracket leaves the single range.
  EXPECT_THROW(InverseChiSquared(4, 0), EOverflow);
}

// python3 -c "import mpmath as mp; mp.mp.dps=30;
//   print(mp.betainc(df2/2, df1/2, 0, df2/(df2+df1*x), regularized=True))"
constexpr SingleCase kFUpperTable[] = {
    {1, 1, 1, 0.5},
    {5, 10, 3.3258, 0.050001401482691562636},
    {3, 7, 0.5, 0.69403638756881372389},
    {10, 3, 8, 0.056831991803216082517},
    {20, 30, 1.2, 0.3185197152396801813},
    {2, 2, 19, 0.05},
};

// python3 -c "from scipy.stats import f; print(f.isf(p, df1, df2))"
constexpr SingleCase kFQuantileTable[] = {
    {5, 10, 0.05, 3.3258345304130112}, {1, 1, 0.5, 1.0000000000000013},
    {3, 7, 0.9, 0.18989043672042047},  {10, 3, 0.01, 27.22873412147429},
    {20, 30, 0.5, 0.9887690341635668}, {2, 50, 0.25, 1.4254510140345102},
};

TEST(FDistribution, UpperTailAndQuantileToSinglePrecision) {
  for (const SingleCase& c : kFUpperTable) {
    EXPECT_NEAR(FUpper(c.df1, c.df2, static_cast<float>(c.x)), c.value, 1e-6)
        << c.df1 << " " << c.df2;
  }
  for (const SingleCase& c : kFQuantileTable) {
    EXPECT_NEAR(InverseF(c.df1, c.df2, static_cast<float>(c.x)), c.value, 2e-6 * c.value + 1e-6)
        << c.df1 << " " << c.df2 << " " << c.x;
  }
  EXPECT_EQ(FUpper(3, 4, 0), 1);
  EXPECT_EQ(InverseF(3, 4, 1), 0);
  EXPECT_EQ(CodeOf([] { FUpper(0, 4, 1); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { FUpper(4, 0, 1); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { FUpper(4, 4, -1); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { InverseF(4, 4, 1.01f); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { InverseF(4, -2, 0.5f); }), StatBadParam);
}

// The tails at table-sized degrees of freedom, as the layer computes them with ln Gamma
// rounded to 32 bits: made by stepping through the algorithm with Python floats rounded to 32
// bits where the layer rounds (struct "f"). The exact tails differ by up to 2.1e-6.
constexpr SingleCase kRoundedTailTable[] = {
    {100, 0, 80, 0.9296653866767883},       {150, 0, 140, 0.7095179557800293},
    {200, 0, 230, 0.07161104679107666},     {60, 0, 50, 0.8178966641426086},
    {100, 80, 1.1, 0.33022019267082214},    {40, 60, 1.2, 0.2574959397315979},
    {120, 120, 1.35, 0.050788018852472305},
};

// The search rounds its points to single precision; near the root they repeat, and a repeated
// point must not cost another evaluation of the tail.
TEST(UpperTailRoot, EvaluatesEachSinglePrecisionPointOnce) {
  struct Search {
    std::int32_t df1, df2;  // df2 = 0: chi-squared
    float p;
  };
  const Search searches[] = {{7, 0, 0.3f}, {40, 0, 0.01f}, {700, 0, 0.9f}, {3, 12, 0.05f},
                             {60, 900, 0.5f}, {1, 1, 0.2f}};
  for (const Search& s : searches) {
    std::set<float> points;
    int evaluations = 0;
    const float root = UpperTailRoot([&](float x) {
      ++evaluations;
      points.insert(x);
      const float tail = s.df2 == 0 ? ChiSquaredUpper(s.df1, x) : FUpper(s.df1, s.df2, x);
      return static_cast<double>(tail) - s.p;
    });
    EXPECT_EQ(evaluations, static_cast<int>(points.size())) << s.df1 << " " << s.df2;
    EXPECT_EQ(root, s.df2 == 0 ? InverseChiSquared(s.df1, s.p) : InverseF(s.df1, s.df2, s.p));
  }
}

TEST(SinglePrecisionLayer, TableDegreesOfFreedomShowTheLayersDigits) {
  for (const SingleCase& c : kRoundedTailTable) {
    const float x = static_cast<float>(c.x);
    const double tail = c.df2 == 0 ? ChiSquaredUpper(c.df1, x) : FUpper(c.df1, c.df2, x);
    EXPECT_NEAR(tail, c.value, 1.5e-7 * c.value) << c.df1 << " " << c.df2 << " " << c.x;
  }
}

// python3 -c "import mpmath as mp; from scipy.stats import f, chi2; mp.mp.dps=30;
//   print(mp.betainc(2500, 2500, 0, 5000/(5000+5000*1.02), regularized=True),
//         mp.gammainc(300, 250, mp.inf, regularized=True), f.isf(0.05, 1000, 1000),
//         chi2.isf(0.05, 600))"
TEST(SinglePrecisionLayer, LargeDegreesOfFreedomKeepTheirDigits) {
  // ln Gamma(2500) rounded to 32 bits alone would move these by about 1e-4.
  EXPECT_NEAR(FUpper(1000, 1000, 1), 0.5, 1e-6);
  EXPECT_NEAR(FUpper(5000, 5000, 1.02f), 0.241936212926039341548672584673, 1e-6);
  EXPECT_NEAR(ChiSquaredUpper(600, 500), 0.998837606368945381705766660906, 1e-6);
  EXPECT_NEAR(InverseF(1000, 1000, 0.05f), 1.1096882902429686, 3e-6);
  EXPECT_NEAR(InverseChiSquared(600, 0.05f), 658.0935731377248, 2e-3);
  // 1 - x rounds to 1 in single precision here; the result would be no probability.
  EXPECT_EQ(CodeOf([] { FUpper(std::numeric_limits<std::int32_t>::max(), 2, 0.3f); }),
            StatNoConverge);
}

struct FCase {
  std::uint32_t df1, df2;
  double f;
  Real cdf;
};

// python3 -c "import mpmath as mp; mp.mp.dps=40;
//   print(mp.betainc(df1/2, df2/2, 0, df1*f/(df1*f+df2), regularized=True))"
constexpr FCase kFcdfTable[] = {
    {1u, 1u, 1, 0.5L},
    {2u, 2u, 1.5, 0.6L},
    {4u, 6u, 2, 0.7863390254060807996668055L},
    {3u, 6u, 2, 0.7844465853788261598821867L},
    {6u, 3u, 0.4, 0.1564901319445237903179379L},
    {1u, 7u, 4.5, 0.92841819966207034757755L},
    {2u, 1u, 2, 0.5527864045000420607181653L},
    {3u, 1u, 1, 0.3910022189557706419110034L},
    {7u, 1u, 3, 0.5817882345917442600269997L},
    {10u, 1u, 0.001, 2.351219164319608754342489e-11L},
    {1u, 10u, 10000.0, 0.9999999999999997550310445L},
    {100u, 100u, 1.2, 0.8182469803874898156953377L},
    {1u, 2000000000u, 1, 0.6826894920161005349260166L},
    {2u, 2147483647u, 0.5, 0.3934693402167571144327811L},
    {1u, 5u, 1e-06, 0.0007592132278023493584330781L},
    {50u, 60u, 40, 1.0L},
    {300000u, 10u, 1, 0.4404962094677615061040211L},
    {2147483647u, 1u, 1e-300, 0.0L},  // through Student t at T = 1e150
    // Equal degrees of freedom at 1: one half by symmetry. The first term alone (2^-20000)
    // lies below the extended range.
    {40000u, 40000u, 1, 0.5L},
    {100000u, 100000u, 1, 0.5L},
};

// python3 -c "import mpmath as mp; mp.mp.dps=30;
//   print(mp.exp(mp.loggamma(r+k)-mp.loggamma(k+1)-mp.loggamma(r)+r*mp.log(p)+k*mp.log(1-p)))"
TEST(NegativeBinomialTerm, SaddlePointFormAgainstReference) {
  const struct {
    Real r;
    int k;
    double p;
    Real value;
  } cases[] = {
      {3.0L, 5, 0.4, 0.1045094399999999980662L},
      {0.5L, 1, 0.3, 0.1917028951268081392032L},
      {2.5L, 40, 0.2, 0.0004738645917619056681375L},
      {36.5L, 36, 0.5, 0.04693424544721372632606L},  // both sides of the series threshold
      {1000000.5L, 999000, 0.5, 0.0002197780712385443702183L},
      {20000.0L, 1, 0.999, 4.081262373524205258424e-8L},
  };
  for (const auto& c : cases) {
    const Real p = c.p;
    EXPECT_TRUE(RealRelNear(NegativeBinomialTerm(c.r, c.k, p, 1 - p), c.value, 1e-17L))
        << static_cast<double>(c.r) << " " << c.k;
  }
}

// Both degrees of freedom in the millions: the even-DF forms as negative binomial sums
// (r = DF / 2 of one side, p = n / (n + m F) or m F / (n + m F)), summed in mpmath at 40
// digits with each term from mp.loggamma, outward from the end of the sum until the terms
// fall below 1e-35 of it (nbterm = exp(loggamma(r+k) - loggamma(k+1) -
// loggamma(r) + r log p + k log q)).
constexpr FCase kFcdfMillionsTable[] = {
    {2000000u, 2000000u, 1.001, 0.760140118523221227462805L},
    {2000001u, 2000000u, 0.999, 0.2396401582716661792631625L},
    {2000000u, 2000001u, 1.002, 0.9211428947354815448019257L},
    {40000000u, 40000001u, 1.0003, 0.8285729503124798132053064L},
    {2000000u, 2000001u, 1.01, 0.9999999999990103320916537L},
};

TEST(FCDF, DegreesOfFreedomInTheMillionsThroughSaddlePointTerms) {
  for (const FCase& c : kFcdfMillionsTable) {
    EXPECT_TRUE(RealNear(FCDF(c.df1, c.df2, c.f), c.cdf, 2e-16L)) << c.df1 << " " << c.df2;
  }
}

TEST(FCDF, ClosedFormsMatchReferenceIncludingLargeDegreesOfFreedom) {
  for (const FCase& c : kFcdfTable) {
    EXPECT_TRUE(RealNear(FCDF(c.df1, c.df2, c.f), c.cdf, 1e-16L)) << c.df1 << " " << c.df2;
  }
}

// Both degrees of freedom odd and the numerator above 1: the correction term divides by the
// gamma polynomial of A&S 6.1.36, good to 3e-7.
constexpr FCase kFcdfOddOddTable[] = {
    {3u, 1u, 1, 0.3910022189557706419110034L},       {3u, 5u, 2, 0.7673760819999214441584703L},
    {5u, 3u, 0.7, 0.3385965248169846833741971L},     {9u, 11u, 1.1, 0.5666693592781171280448721L},
    {101u, 200u, 0.9, 0.2787079378713387733694446L}, {99u, 101u, 1.1, 0.6829594653107950577866226L},
};

TEST(FCDF, OddOddFormWithinTheGammaPolynomialAccuracy) {
  for (const FCase& c : kFcdfOddOddTable) {
    EXPECT_TRUE(RealNear(FCDF(c.df1, c.df2, c.f), c.cdf, 1e-6L * c.cdf)) << c.df1 << " " << c.df2;
  }
}

TEST(FCDF, ErrorsForBadArgumentsAndForDegreesOfFreedomTooLarge) {
  EXPECT_EQ(MessageOf([] { FCDF(3, 4, 0); }), "F must be > 0");
  EXPECT_EQ(MessageOf([] { FCDF(0, 0, -1); }), "F must be > 0");  // F is tested first
  EXPECT_EQ(MessageOf([] { FCDF(0, 5, 1); }), "Degrees of Freedom must be > 0");
  EXPECT_EQ(MessageOf([] { FCDF(5, 0, 1); }), "Degrees of Freedom must be > 0");
  // A negative count arrives as a huge unsigned one: refused, not billions of terms.
  EXPECT_EQ(MessageOf([] { FCDF(static_cast<std::uint32_t>(-4), 5, 1); }),
            "Degrees of Freedom must be > 0");
  EXPECT_EQ(MessageOf([] { FCDF(5, static_cast<std::uint32_t>(-1), 1); }),
            "Degrees of Freedom must be > 0");
  // The odd-odd correction needs ((n - 1) / 2)!.
  EXPECT_EQ(MessageOf([] { FCDF(3, 3097, 1); }), "Factorial Calculation cannot exceed 1547");
  // Sums that would need millions of terms are refused with a clear text.
  EXPECT_EQ(MessageOf([] { FCDF(2147483646, 2147483647, 1.00001L); }),
            "Degrees of Freedom too large for the F distribution");
  EXPECT_EQ(MessageOf([] { FCDF(2000000, 3, 1); }),
            "Degrees of Freedom too large for the F distribution");
}

}  // namespace
}  // namespace zudira
