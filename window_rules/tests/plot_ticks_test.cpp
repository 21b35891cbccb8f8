#include "window_rules/plot_ticks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zudira {
namespace {

// Whether x is 1, 2, 2.5 or 5 times a power of ten.
bool IsRoundStep(Real x) {
  const Real mantissa = x / std::pow(10.0L, std::floor(std::log10(x) + 1e-12L));
  for (const Real round : {1.0L, 2.0L, 2.5L, 5.0L, 10.0L})
    // A step far below the ticks' magnitude carries their rounding (1e6 in steps of 2.5e-8).
    if (std::fabs(mantissa - round) < 1e-4L) return true;
  return false;
}

TEST(PlotTicks, AxesGetFourToEightRoundTicksInside) {
  const struct {
    Real low, high;
    int target;
    bool whole;
    std::vector<Real> ticks;  // empty: only the invariants are checked
  } rows[] = {
      // Normal(100, 15) between its 0.05 % points had one tick, "100"; in a narrow window too
      // it gets five.
      {50.65L, 149.35L, 8, false, {60, 80, 100, 120, 140}},
      {50.65L, 149.35L, 4, false, {60, 80, 100, 120, 140}},
      // Binomial n = 10 had ticks at 0 and 5 only.
      {-0.5L, 10.5L, 4, true, {0, 2, 4, 6, 8, 10}},
      {0, 0.2755L, 8, false, {0, 0.05L, 0.1L, 0.15L, 0.2L, 0.25L}},
      {0, 1, 8, false, {0, 0.2L, 0.4L, 0.6L, 0.8L, 1}},
      {-3.29L, 3.29L, 8, false, {-3, -2, -1, 0, 1, 2, 3}},
      {999999.99999992L, 1000000.00000008L, 5, false, {}},
      {-1e300L, 1e300L, 8, false, {}},
      {-0.5L, 1000.5L, 4, true, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(static_cast<double>(row.high));
    const std::vector<Real> ticks = RoundTicks(row.low, row.high, row.target, row.whole);
    if (!row.ticks.empty()) {
      ASSERT_EQ(ticks.size(), row.ticks.size());
      for (size_t i = 0; i < ticks.size(); ++i) EXPECT_NEAR(ticks[i], row.ticks[i], 1e-12L);
    }
    ASSERT_GE(ticks.size(), static_cast<size_t>(kFewestTicks));
    ASSERT_LE(ticks.size(), static_cast<size_t>(kMostTicks));
    const Real step = ticks[1] - ticks[0];
    EXPECT_TRUE(IsRoundStep(step)) << static_cast<double>(step);
    for (const Real t : ticks) {
      EXPECT_TRUE(t >= row.low && t <= row.high);
      if (row.whole) {
        EXPECT_EQ(t, std::floor(t));
      }
    }
  }
  // Every width from a thousandth to a million, anywhere, for any room: never fewer than
  // four or more than eight.
  for (Real width = 1e-3L; width < 1e6L; width *= 1.37L) {
    for (const Real low : {-width / 3, 0.0L, 12345.678L}) {
      for (int target = kFewestTicks; target <= kMostTicks; ++target) {
        const size_t count = RoundTicks(low, low + width, target, false).size();
        EXPECT_TRUE(count >= 4 && count <= 8) << static_cast<double>(width) << " " << count;
      }
    }
  }
  EXPECT_TRUE(RoundTicks(1, 1, kMostTicks, false).empty());
}

TEST(PlotTicks, TextsShowEveryTickOfTheStepExactly) {
  const struct {
    Real step;
    int decimals;
  } rows[] = {{20, 0}, {2.5L, 1}, {0.25L, 2}, {0.05L, 2}, {1, 0}, {5e-8L, 8}};
  for (const auto& row : rows)
    EXPECT_EQ(TickDecimals(row.step), row.decimals) << static_cast<double>(row.step);
}

}  // namespace
}  // namespace zudira
