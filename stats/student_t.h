// Student t distribution (A&S 26.7.3/26.7.4) and quantile (Cornish-Fisher, A&S 26.7.5).
#pragma once

#include <cstdint>

#include "stats/real.h"

namespace zudira {

Real StudentTCentral(std::int32_t df, Real t);
Real StudentTCDF(std::int32_t df, Real t);
Real StudentTTailQuantile(std::int32_t df, Real p);
Real InverseStudentTLower(std::int32_t df, Real p);
Real InverseStudentTUpper(std::int32_t df, Real p);

}  // namespace zudira
