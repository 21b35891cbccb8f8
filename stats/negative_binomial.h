// Negative binomial sums for large parameters: the F distribution's even-DF closed forms are
// partial sums of the negative binomial mass function, which for DF in the millions are
// summed outward from one saddle-point term instead of from the first term.
#pragma once

#include <cstdint>

#include "stats/real.h"

namespace zudira {

// P(X = k) = C(r + k - 1, k) p^r q^k for r > 0 and whole k >= 0, with q = 1 - p given
// separately so that neither needs to be formed from the other. Loader's saddle-point form:
// no factorial, power or coefficient leaves the extended range.
Real NegativeBinomialTerm(Real r, Real k, Real p, Real q);

// P(X <= last), summed from `last` downward below the mode and as 1 - P(X > last) above it,
// each side only as far as its terms matter. Raises the given message when more than
// max_terms terms would be needed.
Real NegativeBinomialLower(Real r, std::int64_t last, Real p, Real q, std::int64_t max_terms,
                           const char* too_many_message);

}  // namespace zudira
