// Integer power by binary exponentiation: any base to the power 0 is 1 (0^0 included); a
// negative exponent gives the reciprocal of the positive power.
#pragma once

#include <cstdint>

#include "stats/real.h"

namespace zudira {

Real IntPower(Real base, std::int64_t exponent);
double IntPower(double base, std::int64_t exponent);

}  // namespace zudira
