#include "core/inverse_targets.h"

#include <cmath>

namespace zudira {

namespace {

// Within this distance of 1/2 the centred form keeps more digits than either tail.
constexpr Real kCentralBand = 0.25L;

InverseCall Lower(Real target) {
  return {InverseTail::kLower, target};
}
InverseCall Upper(Real target) {
  return {InverseTail::kUpper, target};
}

}  // namespace

InverseCall TwoTailTargets(const ContinuousFunctions& functions,
                           const DistributionParameters& parameters, RangeFamily family,
                           FixEnd fixed_end, Real p, Real g) {
  switch (family) {
    case rfLower:
      return Lower(p);
    case rfUpper:
      return Upper(p);
    case rfInside:
      return fixed_end == feFixA ? Lower(functions.F(parameters, g) + p)
                                 : Upper(functions.Q(parameters, g) + p);
    case rfPoint:
    case rfOutside:
      break;
  }
  return fixed_end == feFixA ? Upper(p - functions.F(parameters, g))
                             : Lower(p - functions.Q(parameters, g));
}

InverseCall ChiSquaredTargets(const ContinuousFunctions& functions,
                              const DistributionParameters& parameters, RangeFamily family,
                              FixEnd fixed_end, Real p, Real g) {
  switch (family) {
    case rfLower:
      return Upper(1 - p);
    case rfUpper:
      return Upper(p);
    case rfInside: {
      const Real q = functions.Q(parameters, g);
      return fixed_end == feFixA ? Upper(q - p) : Upper(q + p);
    }
    case rfPoint:
    case rfOutside:
      break;
  }
  const Real q = functions.Q(parameters, g);
  return fixed_end == feFixA ? Upper(p - (1 - q)) : Upper(1 - (p - q));
}

InverseCall FTargets(const ContinuousFunctions& functions, const DistributionParameters& parameters,
                     RangeFamily family, FixEnd fixed_end, Real p, Real g) {
  switch (family) {
    case rfLower:
      return Upper(1 - p);
    case rfUpper:
      return Upper(p);
    case rfInside: {
      const Real f = functions.F(parameters, g);
      return fixed_end == feFixA ? Upper((1 - f) - p) : Upper((p + 1) - f);
    }
    case rfPoint:
    case rfOutside:
      break;
  }
  const Real f = functions.F(parameters, g);
  return fixed_end == feFixA ? Upper(p - f) : Upper(1 - (p - (1 - f)));
}

InverseCall PreciseTargets(const ContinuousFunctions& functions,
                           const DistributionParameters& parameters, RangeFamily family,
                           FixEnd fixed_end, Real p, Real g) {
  switch (family) {
    case rfLower:
      return Lower(p);
    case rfUpper:
      return Upper(p);
    case rfInside:
      // Near the centre of a symmetric kind F(x) - 1/2 moves with p however small p is:
      // F(B) = F(g) + p, or F(A) = F(g) - p.
      if (functions.Centered != nullptr) {
        const Real c = functions.Centered(parameters, g);
        const Real target = fixed_end == feFixA ? c + p : c - p;
        if (std::fabs(target) < kCentralBand) return {InverseTail::kCentral, target};
      }
      // F(B) = F(g) + p, or equally Q(B) = (1 - p) - F(g); the form whose target is below
      // 1/2, with each tail at g taken where it is the small one (1 - p is exact for p >= 1/2).
      if (fixed_end == feFixA) {
        const Real f = functions.F(parameters, g);
        const Real lower = f + p;
        if (lower <= 0.5L) return Lower(lower);
        return Upper(f <= 0.5L ? (1 - p) - f : functions.Q(parameters, g) - p);
      } else {
        const Real q = functions.Q(parameters, g);
        const Real upper = q + p;
        if (upper <= 0.5L) return Upper(upper);
        return Lower(q <= 0.5L ? (1 - p) - q : functions.F(parameters, g) - p);
      }
    case rfPoint:
    case rfOutside:
      break;
  }
  // Q(B) = p - F(g) with A fixed, F(A) = p - Q(g) with B fixed; near the centre of a symmetric
  // kind F - 1/2 there, and a target above 1/2 as the other tail's (1 - p) + F(g) or + Q(g).
  const bool fix_a = fixed_end == feFixA;
  const auto tail_at_g = [&](bool lower) {
    return lower ? functions.F(parameters, g) : functions.Q(parameters, g);
  };
  const Real at_g = tail_at_g(fix_a);
  if (functions.Centered != nullptr) {
    const Real c = fix_a ? (0.5L - p) + at_g : (p - 0.5L) - at_g;
    if (std::fabs(c) < kCentralBand) return {InverseTail::kCentral, c};
  }
  const Real target = at_g <= 0.5L ? p - at_g : tail_at_g(!fix_a) - (1 - p);
  if (target <= 0.5L) return fix_a ? Upper(target) : Lower(target);
  return fix_a ? Lower((1 - p) + at_g) : Upper((1 - p) + at_g);
}

}  // namespace zudira
