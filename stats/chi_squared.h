// Chi-squared upper tail and its quantile, single precision.
#pragma once

#include <cstdint>

namespace zudira {

float ChiSquaredUpper(std::int32_t df, float x);
float InverseChiSquared(std::int32_t df, float p);

}  // namespace zudira
