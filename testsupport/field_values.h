// The field values of a request as the main window's fields give them, for the tests and the
// benchmarks alike.
#pragma once

#include <cstdint>
#include <limits>

#include "core/request.h"

namespace zudira::testing {

// A field holding a real value; its whole reading is the nearest whole number, as the
// window's fields give it.
inline FieldValue RealField(Real value) {
  constexpr Real kLow = std::numeric_limits<std::int32_t>::min();
  constexpr Real kHigh = std::numeric_limits<std::int32_t>::max();
  const Real rounded = value < 0 ? value - 0.5L : value + 0.5L;
  return {value, static_cast<std::int32_t>(rounded < kLow    ? kLow
                                           : rounded > kHigh ? kHigh
                                                             : rounded)};
}
// A field with a whole-number entry kind.
inline FieldValue WholeField(std::int32_t value) {
  return {static_cast<Real>(value), value};
}

}  // namespace zudira::testing
