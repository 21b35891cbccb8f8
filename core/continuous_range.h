// Normal, Exponential, Student T, Chi-Squared and F requests: the probability of the range
// from the lower cumulative probability F at the bounds.
#pragma once

#include "core/distribution_functions.h"
#include "core/evaluate_request.h"

namespace zudira {

// F(a) is computed for every range type, so a bound outside the library's domain fails even
// for P(X = A). For two-bound ranges b is raised to a when a > b.
EvaluationOutcome EvaluateContinuousRange(const ContinuousFunctions& functions,
                                          const DistributionParameters& parameters, RangeType range,
                                          Real a, Real b);

// The same ranges for the precise set, formed from the smaller tails.
EvaluationOutcome EvaluatePreciseContinuousRange(const ContinuousFunctions& functions,
                                                 const DistributionParameters& parameters,
                                                 RangeType range, Real a, Real b);

}  // namespace zudira
