// F's inverses with two degrees of freedom on either side, whose tails have closed forms.
#pragma once

#include <cstdint>

#include "stats/real.h"

namespace zudira::precise {

// The f whose `upper` tail is t, for df1 or df2 equal to 2 and t in (0, 1): sets f and answers
// true when it is finite and positive, false otherwise (other counts included).
bool TwoDegreesRoot(std::int32_t df1, std::int32_t df2, Real t, bool upper, Real& f);

}  // namespace zudira::precise
