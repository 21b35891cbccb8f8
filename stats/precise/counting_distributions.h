// The hypergeometric, geometric and negative binomial distributions over Boost.Math, in
// extended precision: E(k) = P(X = k), L(k) = P(X < k), G(k) = P(X > k) for any count k,
// counts off the support answering their limits without a library call. Upper tails come from
// Boost's complement forms. The parameters must have passed their kind's checks.
#pragma once

#include <cstdint>

#include "stats/real.h"

namespace zudira::precise {

// Successes among n draws without replacement from a population of N holding K successes;
// 0 <= K <= N and 0 <= n <= N.
struct Hypergeometric {
  std::int32_t population;  // N
  std::int32_t successes;   // K
  std::int32_t draws;       // n
  // The support's ends, max(0, n + K - N) and min(n, K).
  std::int64_t First() const;
  std::int64_t Last() const;
};
Real HypergeometricE(const Hypergeometric& h, std::int64_t k);
Real HypergeometricL(const Hypergeometric& h, std::int64_t k);
Real HypergeometricG(const Hypergeometric& h, std::int64_t k);

// The number k = 1, 2, ... of the trial that brings the first success, for p in (0, 1].
Real GeometricE(Real p, std::int64_t k);
Real GeometricL(Real p, std::int64_t k);
Real GeometricG(Real p, std::int64_t k);

// The failures k = 0, 1, ... before the r-th success, for r >= 1 and p in (0, 1].
Real NegativeBinomialE(std::int32_t r, Real p, std::int64_t k);
Real NegativeBinomialL(std::int32_t r, Real p, std::int64_t k);
Real NegativeBinomialG(std::int32_t r, Real p, std::int64_t k);

}  // namespace zudira::precise
