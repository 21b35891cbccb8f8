// Extended-precision gamma function (A&S 6.1.36 polynomial with the recurrence).
#pragma once

#include "stats/real.h"

namespace zudira {

Real GammaFn(Real x);

}  // namespace zudira
