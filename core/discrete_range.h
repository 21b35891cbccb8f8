// Binomial and Poisson requests: the probability of each range type from P(X = k), P(X < k)
// and P(X > k).
#pragma once

#include "core/distribution_functions.h"
#include "core/evaluate_request.h"

namespace zudira {

// a and b are the whole bounds. The parameters are checked first; a range that is empty (or
// the whole support) by its bounds alone answers 0 (or 1) without a library call.
EvaluationOutcome EvaluateDiscreteRange(const DiscreteFunctions& functions,
                                        const DistributionParameters& parameters, RangeType range,
                                        std::int32_t a, std::int32_t b);

// The same ranges for the precise set: an inside range is formed from the tails that are small
// where it lies, so a band far in the upper tail keeps its digits.
EvaluationOutcome EvaluatePreciseDiscreteRange(const DiscreteFunctions& functions,
                                               const DistributionParameters& parameters,
                                               RangeType range, std::int32_t a, std::int32_t b);

}  // namespace zudira
