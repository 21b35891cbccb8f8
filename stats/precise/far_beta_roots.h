// Roots of the incomplete beta far in a tail, where Boost.Math's ibeta_inv starts far from
// them: the same Halley step over Boost's internal ibeta_roots, from a start near the root.
// They serve F's inverses far out and with one count much the larger.
#pragma once

#include "stats/real.h"

namespace zudira::precise {

// Whether the x with I_x(a, b) = t is small enough to start from the series' leading term.
bool SmallBetaRoot(Real a, Real b, Real t);
// The x with I_x(a, b) = t, for shapes and a target that pass SmallBetaRoot.
Real BetaRootFromSeries(Real a, Real b, Real t);

// Whether b is so much the larger shape that the beta is nearly a scaled gamma.
bool LargeSecondShape(Real a, Real b);
// The x with 1 - I_x(a, b) = t, for shapes that pass LargeSecondShape and t in (0, 1).
Real BetaUpperRootFromGamma(Real a, Real b, Real t);

}  // namespace zudira::precise
