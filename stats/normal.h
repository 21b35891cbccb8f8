// Normal distribution and quantile (Abramowitz & Stegun 26.2.17 and 26.2.23).
#pragma once

#include "stats/real.h"

namespace zudira {

Real NormalDensity(Real z);
Real StdNormalCDFPositive(Real z);
Real StdNormalTailQuantile(Real p);
Real NormalCDF(Real mean, Real sdev, Real x);
Real InverseNormal(bool lower_tail, Real mean, Real sdev, Real p);

}  // namespace zudira
