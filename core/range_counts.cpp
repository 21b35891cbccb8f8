#include "core/range_counts.h"

namespace zudira {

bool RangeCounts(RangeType range, int k, int a, int b) {
  return InRange(range, k, a, b);
}

}  // namespace zudira
