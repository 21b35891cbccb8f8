// Comparison of extended-precision values (EXPECT_NEAR works in double only).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "stats/real.h"

namespace zudira {

inline std::string RealText(Real x) {
  char text[64];
  std::snprintf(text, sizeof text, "%.21Lg", x);
  return text;
}

inline ::testing::AssertionResult RealNear(Real actual, Real expected, Real tolerance) {
  if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << RealText(actual) << " differs from " << RealText(expected) << " by "
         << RealText(std::fabs(actual - expected)) << " (allowed " << RealText(tolerance) << ")";
}

// |actual - expected| <= relative * |expected|.
inline ::testing::AssertionResult RealRelNear(Real actual, Real expected, Real relative) {
  return RealNear(actual, expected, relative * std::fabs(expected));
}

}  // namespace zudira
