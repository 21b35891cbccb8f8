#include "stats/nearest_whole.h"

#include <cfenv>
#include <cmath>

namespace zudira {

Real NearestWhole(Real value) {
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const Real whole = std::nearbyint(value);
  std::fesetround(saved);
  return whole;
}

}  // namespace zudira
