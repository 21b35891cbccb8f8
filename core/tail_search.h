// The bound at which one tail of a continuous distribution meets a target, for targets the
// library's own inverses cannot reach (far out, or where they fail): a search over the
// ordering of extended numbers that ends in at most some 160 tail calls.
#pragma once

#include <limits>

#include "core/distribution_functions.h"
#include "stats/function_ref.h"
#include "stats/real.h"

namespace zudira {

// A tail of one distribution at x: F or Q.
using TailFunction = Real (*)(const DistributionParameters&, Real x);

inline constexpr Real kLargest = std::numeric_limits<Real>::max();
inline constexpr Real kSmallest = std::numeric_limits<Real>::denorm_min();

// Targets this far out are searched directly: the library's own inverses start from guesses
// that underflow there, and some then run for minutes.
inline constexpr Real kFarTarget = 1e-4000L;

// The library's inverse, or the search when the target is far out or the inverse fails (an
// error of its own, or a bound of 0 or beyond the extended range, which no such target has).
// Targets above 1/2 are searched as the other tail's 1 - t, which is exact there.
// A closed-form inverse is taken at any target, subnormal bounds included.
enum class PrimaryKind { kIterative, kClosedForm };

// The bound x in [lo, hi] where the upper tail (upper_tail) or the lower tail meets t, with
// primary the library's inverse for it. A bound outside [lo, hi] raises BoundOutOfRange with
// the "too large" or "too small" text.
Real SolveTail(FunctionRef<Real()> primary, TailFunction lower, TailFunction upper,
               const DistributionParameters& d, bool upper_tail, Real t, Real lo, Real hi,
               PrimaryKind kind = PrimaryKind::kIterative);

}  // namespace zudira
