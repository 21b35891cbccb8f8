// The targets of the classic inverses that search in single precision (chi-squared, F).
#pragma once

#include <optional>

#include "stats/real.h"

namespace zudira {

// The single-precision inverses search for the upper-tail quantile of the target as rounded
// to float. Upper tail 1 is the support's finite end 0, which the library answers directly;
// upper tail 0 (or a target too small for a float) lies at infinity.
std::optional<float> SingleUpperTarget(Real t);

// Inside (0, 1) but rounding to 0 or 1 as a float: the single-precision search would answer an
// end of the support. An upper tail of 1 is the finite end 0 and stays answered, also when the
// extended-precision target misses 1 by a few rounding steps only.
const char* SingleTargetError(Real t);

}  // namespace zudira
