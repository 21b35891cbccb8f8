// Factorial, permutations and binomial coefficients by direct products in extended precision.
#pragma once

#include <cstdint>

#include "stats/real.h"

namespace zudira {

inline constexpr std::uint32_t MaxFactorialArg = 1547;

Real Factorial(std::uint32_t n);
Real Permutations(std::uint32_t n, std::uint32_t r);
Real BinomialCoeff(std::uint32_t n, std::uint32_t r);

}  // namespace zudira
