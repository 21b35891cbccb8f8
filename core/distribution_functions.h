// The core's only way into the statistical library: one small table of functions per
// distribution kind. The range evaluation works through these tables alone, so another set of
// functions can be slotted in without touching it.
#pragma once

#include <cstdint>
#include <optional>

#include "core/request.h"
#include "stats/real.h"

namespace zudira {

// What a request gives its distribution: the held values of the two parameter fields. Each
// kind's functions read the parts they need (the real mean, the whole degrees of freedom...).
struct DistributionParameters {
  FieldValue first;       // the Mean field
  FieldValue second;      // the SDev field
  FieldValue third = {};  // the third parameter field, where the kind has one
};

// kCentral solves F(x) - 1/2 = t, for a band near the centre of a symmetric kind.
enum class InverseTail { kLower, kUpper, kCentral };

// Which set of functions answers: the classic algorithms (the default) or the precise ones.
enum class CalculationMode { kClassic, kPrecise };

// An inverse function and the probability to pass it.
struct InverseCall {
  InverseTail tail;
  Real target;
};

struct ContinuousFunctions;

// Which inverse a range family calls, and with which target, given p and the fixed bound g.
// Not called for the point family.
using InverseTargetRule = InverseCall (*)(const ContinuousFunctions& functions,
                                          const DistributionParameters& parameters,
                                          RangeFamily family, FixEnd fixed_end, Real p, Real g);

// For the continuous and inverse kinds. The inverses answer nothing when no finite x has the
// probability t (t outside the range the kind can solve, or at an infinite end of its support).
struct ContinuousFunctions {
  Real (*F)(const DistributionParameters&, Real x);                        // P(X <= x)
  Real (*Q)(const DistributionParameters&, Real x);                        // P(X > x)
  std::optional<Real> (*InvLower)(const DistributionParameters&, Real t);  // x with F(x) = t
  std::optional<Real> (*InvUpper)(const DistributionParameters&, Real t);  // x with Q(x) = t
  InverseTargetRule Targets;
  // The input error text for an inverse target the kind cannot solve although it lies in
  // [0, 1], or nullptr; nullptr when every such target is solved.
  const char* (*TargetError)(Real t);
  // F(x) - 1/2 and its inverse, for symmetric kinds whose band near the centre would otherwise
  // lose to the rounding of 1/2 a probability far below it; nullptr elsewhere.
  Real (*Centered)(const DistributionParameters&, Real x);
  std::optional<Real> (*InvCentered)(const DistributionParameters&, Real c);
  // The density, for a band far narrower than the rounding of its fixed end's probability;
  // nullptr where bands are left to the inverses alone.
  Real (*Density)(const DistributionParameters&, Real x);
};

// For the discrete kinds. Counts come in wider than 32 bits so that the bound arithmetic of the
// answer table (a + 1, b - 1, ...) cannot overflow; each function brings its count into what
// the library takes without changing the answer.
struct DiscreteFunctions {
  // The input error text for parameters the kind refuses, or nullptr when they are accepted.
  const char* (*CheckParameters)(const DistributionParameters&);
  Real (*E)(const DistributionParameters&, std::int64_t k);  // P(X = k)
  Real (*L)(const DistributionParameters&, std::int64_t k);  // P(X < k)
  Real (*G)(const DistributionParameters&, std::int64_t k);  // P(X > k)
};

// The table of a continuous or inverse kind in the mode, as its record names it; the inverse
// kinds share the table of their forward distribution.
const ContinuousFunctions& ContinuousFunctionsOf(DistributionKind kind,
                                                 CalculationMode mode = CalculationMode::kClassic);
// The table of a discrete kind.
const DiscreteFunctions& DiscreteFunctionsOf(DistributionKind kind,
                                             CalculationMode mode = CalculationMode::kClassic);

// An extended-precision inverse solves only for a target strictly inside (0, 1): both ends of
// the continuous supports are infinite.
inline bool InsideOpenUnit(Real t) {
  return t > 0 && t < 1;
}

inline constexpr const char* kClassicTargetLimitText =
    "This probability is too close to 0 or 1 for the classic algorithms; choose Options > "
    "Precise Results";

}  // namespace zudira
