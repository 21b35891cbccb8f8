#include "core/range_counts.h"

namespace zudira {

bool RangeCounts(RangeType range, int k, int a, int b) {
  switch (range) {
    case rtEqualA:
      return k == a;
    case rtBelowA:
      return k < a;
    case rtAtMostA:
      return k <= a;
    case rtAboveA:
      return k > a;
    case rtAtLeastA:
      return k >= a;
    case rtInsideOO:
      return a < k && k < b;
    case rtInsideOC:
      return a < k && k <= b;
    case rtInsideCO:
      return a <= k && k < b;
    case rtInsideCC:
      return a <= k && k <= b;
    case rtOutsideOO:
      return k < a || k > b;
    case rtOutsideOC:
      return k < a || k >= b;
    case rtOutsideCO:
      return k <= a || k > b;
    case rtOutsideCC:
      return k <= a || k >= b;
  }
  return false;
}

}  // namespace zudira
