// Binomial distribution: point probability and the two strict tails.
#pragma once

#include <cstdint>

#include "stats/real.h"

namespace zudira {

Real BinomialProb(std::int32_t n, std::int32_t k, Real p);
Real BinomialLess(std::int32_t n, std::int32_t k, Real p);
Real BinomialGreater(std::int32_t n, std::int32_t k, Real p);

}  // namespace zudira
