#include "core/kinds/single_precision_targets.h"

#include <cfloat>

#include "core/distribution_functions.h"
#include "stats/argument_narrowing.h"

namespace zudira {

std::optional<float> SingleUpperTarget(Real t) {
  const float target = ToSingle(t);
  if (target > 0 && target <= 1) return target;
  return std::nullopt;
}

const char* SingleTargetError(Real t) {
  const float target = ToSingle(t);
  const bool rounding_from_one = 1 - t <= 8 * LDBL_EPSILON;
  if (t > 0 && t < 1 && (target == 0 || (target == 1 && !rounding_from_one))) {
    return kClassicTargetLimitText;
  }
  return nullptr;
}

}  // namespace zudira
