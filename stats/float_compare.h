// Extended-precision comparisons with the library's one zero tolerance.
#pragma once

#include "stats/real.h"

namespace zudira {

inline constexpr Real ZeroTolerance = 1e-10L;

bool FloatIsZero(Real x);
bool FloatsEqual(Real a, Real b);
Real MaxFloat(Real a, Real b);

}  // namespace zudira
