// How extended and 64-bit arguments reach the library's narrower parameters.
#pragma once

#include <algorithm>
#include <cfloat>
#include <cstdint>
#include <limits>

#include "stats/real.h"

namespace zudira {

// A count past the 32-bit range goes in as the nearest 32-bit count.
inline std::int32_t ToInt32(std::int64_t k) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      k, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The single-precision functions take their arguments as float; a value past the float range
// goes in as the largest float of its sign instead of an infinity, which keeps its meaning
// (a tail there is 0 or 1, a negative bound is still refused by the library).
inline float ToSingle(Real x) {
  return static_cast<float>(std::clamp<Real>(x, -FLT_MAX, FLT_MAX));
}

// FCDF counts its degrees of freedom unsigned; a negative count would read as billions of
// terms, so it goes in as 0, which the library refuses with its own message.
inline std::uint32_t ToUnsignedDf(std::int32_t df) {
  return df < 0 ? 0u : static_cast<std::uint32_t>(df);
}

}  // namespace zudira
