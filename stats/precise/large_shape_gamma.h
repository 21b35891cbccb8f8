// The incomplete gamma at a large shape, and its inverse, over Boost.Math's internal forms
// (Temme's large-a expansion, the continued fraction, the inverse's start): chi-squared and
// Poisson tails at hundreds of degrees of freedom and more.
#pragma once

#include "stats/real.h"

namespace zudira::precise {

// Whether P(a, x) and Q(a, x) are taken here rather than from Boost's gamma_p and gamma_q.
bool InLargeShapeZones(Real a, Real x);
// P(a, x), or Q(a, x) when `upper`, for a pair inside those zones.
Real LargeShapeGammaTail(bool upper, Real a, Real x);

// Above this shape the inverse is taken here.
constexpr Real kLargeGammaShape = 200;
// The x with P(a, x) = t (or Q(a, x) = t when `upper`), for a above kLargeGammaShape and t in
// (0, 1).
Real LargeShapeGammaRoot(bool upper, Real a, Real t);

}  // namespace zudira::precise
