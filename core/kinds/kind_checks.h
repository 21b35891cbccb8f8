// Checks and texts that several kinds share.
#pragma once

#include <cmath>

#include "stats/real.h"

namespace zudira {

inline constexpr const char* kPositiveMeanText = "Mean must be > 0";
inline constexpr const char* kFiniteMeanText = "Mean must be finite";
inline constexpr const char* kMeanNaNText = "Mean is not a number";
inline constexpr const char* kDegreesText = "Degrees of Freedom must be > 0";

// A NaN or an infinity never reaches the library: both would leave its searches and sums
// without a sound stopping point.
inline const char* CheckFinite(Real value, const char* nan_text, const char* infinite_text) {
  if (std::isnan(value)) return nan_text;
  if (std::isinf(value)) return infinite_text;
  return nullptr;
}

}  // namespace zudira

namespace zudira {

// Beyond this a value cannot be drawn or labelled in double precision.
inline constexpr Real kDrawable = 1e300L;

inline bool Drawable(Real x) {
  return std::isfinite(x) && std::fabs(x) <= kDrawable;
}

}  // namespace zudira
