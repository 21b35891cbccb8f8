// Densities of the continuous kinds over Boost.Math, for drawing curves to scale. Parameters
// must lie inside the distribution's domain; x may be anywhere, and off the support the
// density is 0. An unbounded density at the end of its support answers +infinity.
#pragma once

#include <cstdint>

#include "stats/real.h"

namespace zudira::precise {

Real NormalDensity(Real mean, Real sdev, Real x);
Real ExponentialDensity(Real mean, Real x);
Real StudentTDensity(std::int32_t df, Real x);
Real ChiSquaredDensity(std::int32_t df, Real x);
Real FDistDensity(std::int32_t df1, std::int32_t df2, Real x);

}  // namespace zudira::precise
