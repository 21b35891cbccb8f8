// F distribution: the extended lower tail (A&S 26.6.4/26.6.5/26.6.8) and the single-precision
// upper tail with its quantile.
#pragma once

#include <cstdint>

#include "stats/real.h"

namespace zudira {

Real FCDF(std::uint32_t df1, std::uint32_t df2, Real f);
float FUpper(std::int32_t df1, std::int32_t df2, float x);
float InverseF(std::int32_t df1, std::int32_t df2, float p);

}  // namespace zudira
