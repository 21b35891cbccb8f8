// Mathematical constants at full extended precision.
#pragma once

#include "stats/real.h"

namespace zudira {

inline constexpr Real kPi = 3.141592653589793238462643383279502884L;
inline constexpr Real kTwoPi = 6.283185307179586476925286766559005768L;

}  // namespace zudira
