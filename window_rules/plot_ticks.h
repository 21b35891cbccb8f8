// The round tick values of the plot's axes.
#pragma once

#include <vector>

#include "stats/real.h"

namespace zudira {

// The fewest and most ticks an axis gets, wherever the range allows that many round ones.
inline constexpr int kFewestTicks = 4;
inline constexpr int kMostTicks = 8;

// Ticks from low to high at a step of 1, 2, 2.5 or 5 times a power of ten: the finest step
// that puts at most `target` (4 to 8, as the room allows) inside [low, high], or a finer one
// when that leaves fewer than kFewestTicks. The steps grow by at most 2.5 times, so an axis
// gets four to eight ticks. `whole` keeps to whole steps (the counts of a discrete kind), which
// may leave three ticks on a short axis.
std::vector<Real> RoundTicks(Real low, Real high, int target, bool whole);

// The decimals a tick text needs to show every tick at that step exactly (2.5 needs one).
int TickDecimals(Real step);

}  // namespace zudira
