#include "stats/normal.h"

#include <gtest/gtest.h>

#include <cmath>

#include "real_near.h"
#include "stats/exception.h"

namespace zudira {
namespace {

struct Point {
  double x;
  Real value;
};

// python3 -c "import mpmath as mp; mp.mp.dps=30; print(mp.ncdf(z))"
constexpr Point kCdfTable[] = {
    {0, 0.5L},
    {0.001, 0.5003989422139110625929L},
    {0.5, 0.6914624612740131036377L},
    {1, 0.8413447460685429485852L},
    {1.96, 0.9750021048517795637872L},
    {2.5, 0.993790334674223864833L},
    {3.7, 0.9998922002665226117385L},
    {5, 0.9999997133484281208061L},
    {8.25, 0.9999999999999999208027L},
    {12, 1.0L},
};

TEST(NormalCDF, WithinTheAbramowitzStegunBoundOnBothSides) {
  for (const Point& c : kCdfTable) {
    EXPECT_TRUE(RealNear(StdNormalCDFPositive(c.x), c.value, 7.5e-8L)) << c.x;
    EXPECT_TRUE(RealNear(NormalCDF(0, 1, c.x), c.value, 7.5e-8L)) << c.x;
    EXPECT_TRUE(RealNear(NormalCDF(0, 1, -c.x), 1 - c.value, 7.5e-8L)) << c.x;
    // Location and scale: N(10, 2.5) at 10 + 2.5 x.
    EXPECT_TRUE(RealNear(NormalCDF(10, 2.5L, 10 + 2.5L * c.x), c.value, 7.5e-8L)) << c.x;
  }
}

TEST(NormalCDF, DegenerateAndExtremeArguments) {
  EXPECT_EQ(NormalCDF(5, 0, 3), 0);
  EXPECT_EQ(NormalCDF(5, 5e-11L, 3), 0);  // below the zero tolerance
  // A negative deviation is taken as it stands: the standard normal at (x - mean) / sdev.
  EXPECT_TRUE(RealNear(NormalCDF(0, -1, 1.96L), 1 - 0.9750021048517795637872L, 7.5e-8L));
  // Far out the density is 0 rather than an overflow of z^2.
  EXPECT_EQ(NormalDensity(1e3000L), 0);
  EXPECT_EQ(NormalCDF(0, 1, 1e3000L), 1);
  EXPECT_EQ(NormalCDF(0, 1e-9L, -1e2500L), 0);
  EXPECT_TRUE(RealNear(NormalDensity(0), 0.398942280401432677939946L, 1e-19L));
}

// python3 -c "import mpmath as mp; mp.mp.dps=30; print(-mp.sqrt(2)*mp.erfinv(2*p-1))"
constexpr Point kTailQuantileTable[] = {
    {0.5, 0.0L},
    {0.3, 0.5244005127080408159695L},
    {0.1, 1.281551565544600435335L},
    {0.05, 1.644853626951472687952L},
    {0.025, 1.95996398454005421178L},
    {0.01, 2.326347874040841093075L},
    {0.001, 3.090232306167813535358L},
    {1e-06, 4.753424308822898957339L},
    {1e-12, 7.034483825301131932614L},
};

TEST(InverseNormal, WithinTheRationalApproximationBoundForBothTails) {
  for (const Point& c : kTailQuantileTable) {
    EXPECT_TRUE(RealNear(StdNormalTailQuantile(c.x), c.value, 4.5e-4L)) << c.x;
    EXPECT_TRUE(RealNear(InverseNormal(false, 0, 1, c.x), c.value, 4.5e-4L)) << c.x;
    EXPECT_TRUE(RealNear(InverseNormal(true, 0, 1, c.x), -c.value, 4.5e-4L)) << c.x;
    EXPECT_TRUE(RealNear(InverseNormal(true, 3, 2, 1 - c.x), 3 + 2 * c.value, 9e-4L)) << c.x;
    EXPECT_TRUE(RealNear(InverseNormal(false, 3, 2, 1 - c.x), 3 - 2 * c.value, 9e-4L)) << c.x;
  }
  // At 0.5 the approximation's own value, about -1e-7, is added to the mean.
  EXPECT_TRUE(RealNear(InverseNormal(true, 0, 1, 0.5L), -1.01e-7L, 1e-9L));
}

TEST(InverseNormal, NeutralZeroOutsideTheOpenUnitIntervalOrWithoutDeviation) {
  for (Real p : {0.0L, 1.0L, -0.5L, 1.5L}) {
    EXPECT_EQ(InverseNormal(true, 2, 1, p), 0) << static_cast<double>(p);
    EXPECT_EQ(InverseNormal(false, 2, 1, p), 0) << static_cast<double>(p);
  }
  EXPECT_EQ(InverseNormal(true, 2, 0, 0.3L), 0);
}

TEST(StdNormalTailQuantile, ProbabilityZeroIsAClearErrorAndTinyProbabilitiesStayFinite) {
  try {
    StdNormalTailQuantile(0);
    ADD_FAILURE() << "no error at p = 0";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Probability must be greater than 0 and less than 1");
  }
  // p^2 underflows here; the quantile itself is about 74.
  EXPECT_TRUE(RealNear(StdNormalTailQuantile(1e-1200L), 74.2L, 0.5L));
}

}  // namespace
}  // namespace zudira
