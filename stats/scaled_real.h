// Extended values carried with a separate binary exponent, for products whose factors leave
// the extended range (a power that underflows times a sum that would overflow) while the
// product itself does not.
#pragma once

#include <cstdint>

#include "stats/real.h"

namespace zudira {

// value * 2^exponent.
struct Scaled {
  Real value;
  std::int64_t exponent;
};

// Moves the binary exponent of value into exponent (value then lies in [0.5, 1)).
void Renormalise(Scaled& s);

// z^r for 0 < z <= 1 and r >= 0: the power is taken in chunks z^c that stay in range, each by
// the library power function, so the result keeps its precision.
Scaled ScaledPower(Real z, Real r);

// e^x for x <= 0, also far below the extended range.
Scaled ScaledExp(Real x);

// a * b * factor as an extended value (0 when it underflows).
Real ScaledProduct(const Scaled& a, const Scaled& b, Real factor);

}  // namespace zudira
