// Root of a decreasing upper-tail function g(x) = tail(x) - p on x >= 0: a bracket grown
// outward from [0, 100] by the golden-ratio-like factor 1.6, then Ridders' method.
#pragma once

#include "stats/function_ref.h"

namespace zudira {

// g is evaluated at points rounded to 32 bits; raises EStStatError(StatNoConverge) when no
// bracket or no root is found, and the arithmetic overflow when the bracket leaves the
// single-precision range.
float UpperTailRoot(FunctionRef<double(float)> g);

}  // namespace zudira
