// F with both counts large, as a beta with both shapes large: near the centre by quadrature
// from a far point, further out by Boost.Math's ibeta scaled onto a saddle-point density.
#pragma once

#include "stats/real.h"

namespace zudira::precise {

// Whether F with shapes a = df1 / 2 and b = df2 / 2 takes this route.
bool LargeShapesFApplies(Real a, Real b);
// F's `upper` tail at a finite f, for shapes that LargeShapesFApplies to.
Real LargeShapesFTail(Real a, Real b, Real f, bool upper);
// The f whose `upper` tail is t, for such shapes; false when Boost's quantile is left to answer.
bool LargeShapesFRoot(Real a, Real b, Real t, bool upper, Real& f);

}  // namespace zudira::precise
