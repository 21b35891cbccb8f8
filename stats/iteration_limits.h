// Iteration constants shared by the series, continued fractions and root search of the
// single-precision layer.
#pragma once

#include "stats/real.h"

namespace zudira {

inline constexpr int MaxIterations = 100;
inline constexpr Real StatEpsilon = 3e-7L;
inline constexpr double FPMin = 1e-30;

}  // namespace zudira
