// Far tails where Boost's own route either gives up or runs for tenths of a millisecond: the
// precise functions must still hold a relative error of 1e-12 against mpmath (40 digits).
#include <gtest/gtest.h>

#include <cmath>

#include "stats/precise/precise_distributions.h"

namespace zudira::precise {
namespace {

struct FarTail {
  const char* what;
  Real (*function)(std::int32_t, std::int32_t, Real);
  std::int32_t df1, df2;
  Real argument, expected;
};

Real ChiSquaredUpperTail(std::int32_t df, std::int32_t, Real x) { return ChiSquaredQ(df, x); }

// References: mpmath findroot on betainc(regularized=True) for F, gammainc for chi-squared.
constexpr FarTail kFarTails[] = {
    {"Inverse F above, 1e-300", FDistInvUpper, 3, 10, 1e-300L, 4.067966793383849097602418e+60L},
    {"Inverse F below, 1e-300", FDistInvLower, 5, 10, 1e-300L, 5.660982999329144753072219e-121L},
    {"Inverse F above, 1e-4930", FDistInvUpper, 7, 4, 1e-4930L, 1.603567451474546308107321e+2465L},
    {"chi-squared past Temme's zone", ChiSquaredUpperTail, 1000000000, 0, 1000447214,
     7.73351593731259734109714752591e-24L},
};

TEST(PreciseFarTails, RelativeErrorAtMostOneInATrillion) {
  for (const FarTail& row : kFarTails) {
    const Real value = row.function(row.df1, row.df2, row.argument);
    EXPECT_LE(std::fabs(value - row.expected) / row.expected, 1e-12L)
        << row.what << ": " << static_cast<double>(value);
  }
}

}  // namespace
}  // namespace zudira::precise
