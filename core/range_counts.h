// Which whole values a range type counts: the values whose probabilities its answer sums.
#pragma once

#include "core/request.h"

namespace zudira {

// Whether the value k lies in the range (the event of the range type with bounds a and b).
bool RangeCounts(RangeType range, int k, int a, int b);

}  // namespace zudira
