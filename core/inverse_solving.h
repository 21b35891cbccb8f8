// The inverse kinds: the bound at which the range has the probability p.
#pragma once

#include "core/distribution_functions.h"
#include "core/evaluate_request.h"

namespace zudira {

// p is the wanted probability and g the fixed bound of a two-bound range (A for feFixA, B for
// feFixB). P(X = A) answers 0. A p outside [0, 1], or a target no finite bound reaches, is an
// input error.
EvaluationOutcome SolveInverse(const ContinuousFunctions& functions,
                               const DistributionParameters& parameters, RangeType range,
                               FixEnd fixed_end, Real p, Real g);

}  // namespace zudira
