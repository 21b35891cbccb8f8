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
Real ChiSquaredLowerTail(std::int32_t df, std::int32_t, Real x) { return ChiSquaredF(df, x); }

// References: mpmath findroot on betainc(regularized=True) for F, gammainc for chi-squared
// (its series, x^a e^-x / Gamma(a + 1) 1F1(1; a + 1; x), for the lower tail at 10^9 degrees).
// For F with both degrees of freedom in the hundreds of millions, where betainc's series does
// not converge, quad(method='gauss-legendre') of the beta density exp((a-1) ln t + (b-1)
// ln(1-t) - ln B(a, b)) at 50 digits, split every quarter deviation / (|z| + 1), and findroot
// on it.
constexpr FarTail kFarTails[] = {
    {"Inverse F above, 1e-300", FDistInvUpper, 3, 10, 1e-300L, 4.067966793383849097602418e+60L},
    {"Inverse F below, 1e-300", FDistInvLower, 5, 10, 1e-300L, 5.660982999329144753072219e-121L},
    {"Inverse F above, 1e-4930", FDistInvUpper, 7, 4, 1e-4930L, 1.603567451474546308107321e+2465L},
    {"chi-squared past Temme's zone", ChiSquaredUpperTail, 1000000000, 0, 1000447214,
     7.73351593731259734109714752591e-24L},
    {"chi-squared lower far tail at 10^9 degrees", ChiSquaredLowerTail, 1000000000, 0,
     999048923.24284398555755615234375L, 9.99996223103383858746782711233e-101L},
    {"Inverse F above, 3 and 10^6 degrees", FDistInvUpper, 3, 1000000, 1e-100L,
     155.440939723107728263243015603L},
    {"F below, far tail at 1.5e9 and 8.6e8 degrees", FDistF, 1539772920, 857892465,
     0.99904440124796111186546502L, 5.22777450862204984802870189774e-57L},
    {"F above, near the centre at 1.3e8 and 5.9e8 degrees", FDistQ, 130801776, 590000020,
     1.0001L, 0.232187689165510374966550041625L},
    {"Inverse F below, the centre at 2^31 - 1 degrees twice", FDistInvLower, 2147483647,
     2147483647, 0.49L, 0.999998918067294709208553215514L},
    // F(2, 2) has the upper tail 1 / (1 + f): the root of t is 1 / t - 1.
    {"Inverse F above, 2 and 2 degrees at 1e-100", FDistInvUpper, 2, 2, 1e-100L, 1e100L},
    {"Inverse F above, 1e-30 at 3.3e8 and 2.1e9 degrees", FDistInvUpper, 332142178, 2113604720,
     1e-30L, 1.00095728343073574821125776802L},
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
