// Poisson distribution: point probability and the two strict tails.
#pragma once

#include <cstdint>

#include "stats/real.h"

namespace zudira {

Real PoissonProb(std::int32_t k, Real lambda);
Real PoissonLess(std::int32_t k, Real lambda);
Real PoissonGreater(std::int32_t k, Real lambda);

}  // namespace zudira
