#include "core/tail_search.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "core/evaluate_request.h"
#include "stats/arithmetic_fault.h"
#include "stats/exception.h"

namespace zudira {

namespace {

// Consecutive extended numbers have consecutive ordinals, negative ones the negated ordinal of
// their magnitude, so a search over ordinals halves the count of numbers left at every step.
__extension__ using Ordinal = __int128;
static_assert(std::numeric_limits<Real>::digits == 64 && sizeof(Real) >= 10,
              "the x87 extended layout: 64 explicit mantissa bits under a 15-bit exponent");

Ordinal ToOrdinal(Real x) {
  if (x < 0) return -ToOrdinal(-x);
  std::uint64_t mantissa = 0;
  std::uint16_t exponent = 0;
  std::memcpy(&mantissa, &x, 8);
  std::memcpy(&exponent, reinterpret_cast<const char*>(&x) + 8, 2);
  // A normal number's explicit leading bit continues the count of the subnormals below it.
  return (Ordinal(exponent & 0x7fff) << 63) + (mantissa & ~(std::uint64_t(1) << 63));
}

Real FromOrdinal(Ordinal o) {
  if (o < 0) return -FromOrdinal(-o);
  const auto exponent = static_cast<std::uint16_t>(o >> 63);
  std::uint64_t mantissa = static_cast<std::uint64_t>(o) & ~(std::uint64_t(1) << 63);
  if (exponent != 0) mantissa |= std::uint64_t(1) << 63;
  Real x = 0;
  std::memcpy(&x, &mantissa, 8);
  std::memcpy(reinterpret_cast<char*>(&x) + 8, &exponent, 2);
  return x;
}

// The bound x in [lo, hi] at which the tail (rising for F, falling for Q) meets t, for targets
// the library's own inverses cannot reach: regula falsi with the Illinois rule on the
// logarithm of the tail over ordinals, which follow log |x| closely, and halving wherever the
// tail has no logarithm. At most some 160 tail calls, typically 10 to 30. A bound outside
// [lo, hi] is the honest "too large" or "too small" input error.
Real SearchTail(TailFunction tail, const DistributionParameters& d, bool rising, Real t, Real lo,
                Real hi) {
  const Real log_t = std::log(t);
  // g < 0 below the bound, > 0 above it, whichever way the tail runs.
  const auto g = [&](Real x) {
    const Real v = tail(d, x);
    const Real log_v = v > 0 ? std::log(v) : -std::numeric_limits<Real>::infinity();
    return rising ? log_v - log_t : log_t - log_v;
  };
  Real g_lo = g(lo), g_hi = g(hi);
  if (g_lo > 0) throw BoundOutOfRange(lo > 0 ? kBoundTooSmallText : kBoundTooLargeText);
  if (g_hi < 0) throw BoundOutOfRange(kBoundTooLargeText);
  Ordinal a = ToOrdinal(lo), b = ToOrdinal(hi);
  int side = 0;
  for (int step = 0; step < 200 && b - a > 1; ++step) {
    Ordinal m = a + (b - a) / 2;
    // Interpolation while both ends have a logarithm; every fourth step halves, so the
    // bracket shrinks whatever the tail's shape.
    if (step % 4 != 3 && std::isfinite(g_lo) && std::isfinite(g_hi) && g_hi > g_lo) {
      const long double share = g_lo / (g_lo - g_hi);
      const Ordinal offset = static_cast<Ordinal>(share * static_cast<long double>(b - a));
      m = std::clamp<Ordinal>(a + offset, a + 1, b - 1);
    }
    const Real g_m = g(FromOrdinal(m));
    if (std::isnan(g_m)) throw EInvalidOp();
    if (g_m == 0) return FromOrdinal(m);
    if (g_m < 0) {
      a = m;
      g_lo = g_m;
      if (side == -1) g_hi /= 2;
      side = -1;
    } else {
      b = m;
      g_hi = g_m;
      if (side == 1) g_lo /= 2;
      side = 1;
    }
  }
  // Of the last two neighbours, the one whose tail is nearer to t.
  const Real x_lo = FromOrdinal(a), x_hi = FromOrdinal(b);
  return std::fabs(g(x_lo)) < std::fabs(g(x_hi)) ? x_lo : x_hi;
}

}  // namespace

Real SolveTail(FunctionRef<Real()> primary, TailFunction lower, TailFunction upper,
               const DistributionParameters& d, bool upper_tail, Real t, Real lo, Real hi,
               PrimaryKind kind) {
  const bool closed_form = kind == PrimaryKind::kClosedForm;
  if (t >= kFarTarget || closed_form) {
    try {
      // 0 is a bound only where the support runs below it; a subnormal bound is searched
      // again, since the library's iterative inverses lose their digits there.
      const Real x = primary();
      const bool normal = std::fabs(x) >= std::numeric_limits<Real>::min() || closed_form;
      if (std::isfinite(x) && ((normal && x != 0) || (x == 0 && lo < 0))) return x;
    } catch (const EStStatError&) {
    } catch (const EMathError&) {
    }
  }
  if (t > 0.5L) {
    upper_tail = !upper_tail;
    t = 1 - t;
  }
  return upper_tail ? SearchTail(upper, d, false, t, lo, hi)
                    : SearchTail(lower, d, true, t, lo, hi);
}

}  // namespace zudira
