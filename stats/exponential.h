// Exponential distribution function.
#pragma once

#include "stats/real.h"

namespace zudira {

Real ExponentialCDF(Real mean, Real x);

}  // namespace zudira
