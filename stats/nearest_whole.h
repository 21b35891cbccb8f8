// Rounding to a whole number, halves to the even neighbour, whatever rounding mode is in force.
#pragma once

#include "stats/real.h"

namespace zudira {

Real NearestWhole(Real value);

}  // namespace zudira
