#include "stats/float_compare.h"

#include <cmath>

namespace zudira {

bool FloatIsZero(Real x) {
  return std::fabs(x) < ZeroTolerance;
}

bool FloatsEqual(Real a, Real b) {
  return std::fabs(b - a) < ZeroTolerance;
}

Real MaxFloat(Real a, Real b) {
  return a >= b ? a : b;
}

}  // namespace zudira
