// The targets of the inverse table: for each range family and fixed end, which inverse is
// called and with which probability, from p and the fixed bound g. Inside ranges follow from
// P(A < X < B) = F(B) - F(A) = Q(A) - Q(B), outside ranges from F(A) + Q(B).
#pragma once

#include "core/distribution_functions.h"

namespace zudira {

// For kinds with both a lower- and an upper-tail inverse (normal, Student t).
InverseCall TwoTailTargets(const ContinuousFunctions& functions,
                           const DistributionParameters& parameters, RangeFamily family,
                           FixEnd fixed_end, Real p, Real g);

// The two kinds whose library inverse searches the upper tail only: every target is passed to
// InvUpper, written out in terms of the forward function each kind has (Q for chi-squared, F
// for the F distribution) and worked out in extended precision.
InverseCall ChiSquaredTargets(const ContinuousFunctions& functions,
                              const DistributionParameters& parameters, RangeFamily family,
                              FixEnd fixed_end, Real p, Real g);
InverseCall FTargets(const ContinuousFunctions& functions, const DistributionParameters& parameters,
                     RangeFamily family, FixEnd fixed_end, Real p, Real g);

// The precise kinds have both inverses and both tails in extended precision: each target is
// formed from the smaller tail, so no digit is lost to 1 - t.
InverseCall PreciseTargets(const ContinuousFunctions& functions,
                           const DistributionParameters& parameters, RangeFamily family,
                           FixEnd fixed_end, Real p, Real g);

}  // namespace zudira
