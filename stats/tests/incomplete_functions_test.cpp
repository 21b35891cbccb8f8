#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "error_capture.h"
#include "real_near.h"
#include "stats/exception.h"
#include "stats/exponential.h"
#include "stats/float_compare.h"
#include "stats/gamma_function.h"
#include "stats/incomplete_functions.h"

namespace zudira {
namespace {

TEST(FloatCompare, TheOneZeroTolerance) {
  EXPECT_FALSE(FloatIsZero(1e-10L));
  EXPECT_TRUE(FloatIsZero(9.9e-11L));
  EXPECT_TRUE(FloatIsZero(-9.9e-11L));
  EXPECT_TRUE(FloatsEqual(3, 3 + 5e-11L));
  EXPECT_FALSE(FloatsEqual(3, 3 + 2e-10L));
  EXPECT_EQ(MaxFloat(2, -7), 2);
  EXPECT_EQ(MaxFloat(-7, 2), 2);
}

TEST(StatErrors, CodesCarryClearMessages) {
  const EStStatError bad(StatBadParam);
  const EStStatError stuck(StatNoConverge);
  EXPECT_EQ(bad.ErrorCode, 171);
  EXPECT_EQ(stuck.ErrorCode, 173);
  EXPECT_STREQ(bad.what(), "Parameter out of range for the statistical function");
  EXPECT_STREQ(stuck.what(), "Statistical calculation did not converge");
  EXPECT_NE(std::string(EStStatError(172).what()).find("172"), std::string::npos);
}

struct Pair {
  double x;
  double value;
};

// python3 -c "import mpmath as mp; mp.mp.dps=30; print(mp.loggamma(x))"
constexpr Pair kGammaLnTable[] = {
    {0.1, 2.252712651734205902},
    {0.5, 0.57236494292470008707},
    {1, 0.0},
    {2, 0.0},
    {3.7, 1.4280723266653881292},
    {10, 12.801827480081469611},
    {100.5, 361.43554046777762156},
    {10000, 82099.717496442377273},
};

TEST(GammaLn, SinglePrecisionAgainstReference) {
  for (const Pair& c : kGammaLnTable) {
    EXPECT_NEAR(GammaLn(static_cast<float>(c.x)), c.value, 2e-7 * std::fmax(1, std::fabs(c.value)))
        << c.x;
  }
  EXPECT_EQ(CodeOf([] { GammaLn(0); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { GammaLn(-1); }), StatBadParam);
}

struct GammaCase {
  double a, x, value;
};

// python3 -c "import mpmath as mp; mp.mp.dps=30; print(mp.gammainc(a, 0, x, regularized=True))"
constexpr GammaCase kIncompleteGammaTable[] = {
    {0.5, 0.1, 0.34527915398142297956}, {1, 1, 0.6321205588285576784},
    {3, 2.5, 0.456186884116670482},     {3, 4, 0.76189669444645565618},
    {3, 3.999, 0.76175013270101617839}, {10, 5, 0.031828057306204811737},
    {10, 15, 0.93014633930059023231},   {50, 45, 0.24680203440017027271},
    {50, 60, 0.91559331890630817038},   {2.5, 30, 0.99999999998784543022},
};

TEST(IncompleteGamma, SeriesAndContinuedFractionAgainstReference) {
  // Both stop once a step changes the result by less than 3e-7; where the terms shrink
  // slowly (large a near its mean) the part left out is several times that.
  for (const GammaCase& c : kIncompleteGammaTable) {
    EXPECT_NEAR(IncompleteGamma(static_cast<float>(c.a), static_cast<float>(c.x)), c.value, 5e-6)
        << c.a << " " << c.x;
  }
  // The series serves x < a + 1, the fraction from a + 1 on; they meet to single precision.
  for (float a : {0.5f, 3.0f, 20.0f}) {
    const float edge = a + 1;
    EXPECT_NEAR(IncompleteGamma(a, std::nextafter(edge, 0.0f)), IncompleteGamma(a, edge), 5e-6)
        << a;
    EXPECT_NEAR(GammaSeries(a, edge), 1 - GammaContFrac(a, edge), 5e-6) << a;
  }
  EXPECT_EQ(IncompleteGamma(2, 0), 0);
  EXPECT_EQ(GammaSeries(2, -1), 0);
}

TEST(IncompleteGamma, BadParametersAndNoConvergence) {
  EXPECT_EQ(CodeOf([] { IncompleteGamma(2, -0.1f); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { IncompleteGamma(0, 1); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { IncompleteGamma(-1, 1); }), StatBadParam);
  // Near the mean of a large shape both forms need far more than 100 steps.
  EXPECT_EQ(CodeOf([] { GammaSeries(1e6f, 999000); }), StatNoConverge);
  EXPECT_EQ(CodeOf([] { GammaContFrac(1e4f, 10001); }), StatNoConverge);
}

struct BetaCase {
  double x, a, b, value;
};

// python3 -c "import mpmath as mp; mp.mp.dps=30; print(mp.betainc(a, b, 0, x, regularized=True))"
constexpr BetaCase kIncompleteBetaTable[] = {
    {0.1, 0.5, 0.5, 0.20483276469913345754},
    {0.5, 2, 3, 0.6875},
    {0.3, 5, 1.5, 0.0056945957085013199885},
    {0.9, 2, 8, 0.999999918},
    {0.99, 20, 30, 1.0},
    {0.25, 1, 1, 0.25},
    {0.6, 40, 25, 0.39265402308826384722},
};

TEST(IncompleteBeta, AgainstReferenceAndRescaledInterval) {
  for (const BetaCase& c : kIncompleteBetaTable) {
    const float x = static_cast<float>(c.x);
    const float a = static_cast<float>(c.a);
    const float b = static_cast<float>(c.b);
    EXPECT_NEAR(IncompleteBeta(x, a, b, 0, 1), c.value, 1e-6) << c.x;
    // The same point on [2, 6].
    EXPECT_NEAR(IncompleteBeta(2 + 4 * x, a, b, 2, 6), c.value, 2e-6) << c.x;
  }
  EXPECT_EQ(IncompleteBeta(2, 3, 4, 2, 6), 0);
  EXPECT_EQ(IncompleteBeta(6, 3, 4, 2, 6), 1);
}

// What the single-precision tables show: the prefactors take ln Gamma rounded to 32 bits
// (GammaLn's own result). Made by stepping through the series, the fractions and the
// prefactor with Python floats, rounding to 32 bits where the layer does (struct "f"); the
// exact values (mpmath) differ from these by up to 2.4e-6, digits a table would show.
constexpr struct {
  double a, x, value;
} kRoundedGammaTable[] = {
    {50, 45, 0.24680043756961823},
    {75, 70, 0.2904820144176483},
    {100, 115.5, 0.9344010949134827},
    {20.5, 18, 0.3078794479370117},
};
constexpr BetaCase kRoundedBetaTable[] = {
    {0.6, 40, 25, 0.39265385270118713},
    {0.45, 50, 40, 0.022298749536275864},
    {0.3, 15, 35.5, 0.5349301099777222},
};

TEST(IncompleteFunctions, PrefactorsTakeTheSingleLogGamma) {
  // One single-precision ulp or so either way: the steps are the layer's, not its rounding.
  for (const auto& c : kRoundedGammaTable) {
    EXPECT_NEAR(IncompleteGamma(static_cast<float>(c.a), static_cast<float>(c.x)), c.value,
                1.5e-7 * c.value)
        << c.a << " " << c.x;
  }
  for (const BetaCase& c : kRoundedBetaTable) {
    EXPECT_NEAR(IncompleteBeta(static_cast<float>(c.x), static_cast<float>(c.a),
                               static_cast<float>(c.b), 0, 1),
                c.value, 1.5e-7 * c.value)
        << c.x << " " << c.a << " " << c.b;
  }
}

TEST(IncompleteBeta, BadParametersAndNoConvergence) {
  EXPECT_EQ(CodeOf([] { IncompleteBeta(1, 2, 2, 1, 1); }), StatBadParam);  // Low = High = X
  EXPECT_EQ(CodeOf([] { IncompleteBeta(-0.1f, 2, 2, 0, 1); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { IncompleteBeta(1.1f, 2, 2, 0, 1); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { IncompleteBeta(0.5f, 0, 2, 0, 1); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { IncompleteBeta(0.5f, 2, -1, 0, 1); }), StatBadParam);
  EXPECT_EQ(CodeOf([] { BetaContFrac(1e6f, 1e6f, 0.5f); }), StatNoConverge);
}

// python3 -c "import mpmath as mp; mp.mp.dps=30; print(mp.gamma(x))"
constexpr struct {
  double x;
  Real value;
} kGammaTable[] = {
    {0.5, 1.772453850905516027298L},        {1.5, 0.8862269254527580136491L},
    {2.5, 1.329340388179137020474L},        {7.25, 1155.381013919989687203L},
    {100.5, 9.320963104082716608349e+156L}, {0.01, 99.43258511915060163207L},
    {1.999, 0.9995776274237293358144L},     {-0.5, -3.544907701811032054596L},
    {-2.25, -1.74281486572825265085L},
};

TEST(GammaFn, PolynomialAccuracyAndExactWholeValues) {
  for (const auto& c : kGammaTable) {
    EXPECT_TRUE(RealRelNear(GammaFn(c.x), c.value, 3e-7L)) << c.x;
  }
  EXPECT_EQ(GammaFn(5), 24);
  EXPECT_EQ(GammaFn(1), 1);
  EXPECT_EQ(GammaFn(5 + 1e-11L), 24);  // within the zero tolerance of a whole number
  EXPECT_EQ(MessageOf([] { GammaFn(0); }), "Gamma of non-positive integer is undefined!");
  EXPECT_EQ(MessageOf([] { GammaFn(-3); }), "Gamma of non-positive integer is undefined!");
  EXPECT_EQ(MessageOf([] { GammaFn(1549); }), "Factorial Calculation cannot exceed 1547");
  // Past the extended range the recurrence stops at once with the overflow.
  EXPECT_EQ(MessageOf([] { GammaFn(1e9L + 0.5L); }), "Floating point overflow");
}

TEST(ExponentialCDF, NeutralValuesAndTheLimitAfterAFault) {
  EXPECT_EQ(ExponentialCDF(2, 0), 0);
  EXPECT_EQ(ExponentialCDF(2, -1), 0);
  EXPECT_EQ(ExponentialCDF(0, 1), 0);
  EXPECT_EQ(ExponentialCDF(-3, 1), 0);
  EXPECT_TRUE(RealNear(ExponentialCDF(1, 1), 1 - std::exp(-1.0L), 1e-19L));
  EXPECT_TRUE(RealNear(ExponentialCDF(4, 2), 1 - std::exp(-0.5L), 1e-19L));
  // rate * x overflows: the distribution function has reached 1 (never -1).
  EXPECT_EQ(ExponentialCDF(1e-4000L, 1e4000L), 1);
  // 1 / mean overflows before anything is caught: that fault reaches the caller.
  EXPECT_EQ(MessageOf([] { ExponentialCDF(1e-4940L, 1); }), "Floating point overflow");
  // The last mean whose reciprocal overflows, and the first that does not.
  EXPECT_EQ(MessageOf([] { ExponentialCDF(0x1p-16384L, 0); }), "Floating point overflow");
  EXPECT_EQ(ExponentialCDF(std::nextafter(0x1p-16384L, 1.0L), 0), 0);
}

}  // namespace
}  // namespace zudira
