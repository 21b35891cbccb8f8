// The precise table set: the same per-kind tables as the classic one, filled from
// stats/precise. The inverses solve any target inside (0, 1); the finite end 0 of the
// chi-squared and F supports answers its own tail of 1.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "core/distribution_functions.h"
#include "core/evaluate_request.h"
#include "core/inverse_targets.h"
#include "stats/arithmetic_fault.h"
#include "stats/exception.h"
#include "stats/precise/precise_densities.h"
#include "stats/precise/precise_distributions.h"

namespace zudira {

namespace {

namespace pr = precise;

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

constexpr Real kLargest = std::numeric_limits<Real>::max();
constexpr Real kSmallest = std::numeric_limits<Real>::denorm_min();

// A tail of one distribution at x: F or Q.
using TailFunction = Real (*)(const DistributionParameters&, Real x);

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

// Targets this far out are searched directly: the library's own inverses start from guesses
// that underflow there, and some then run for minutes.
constexpr Real kFarTarget = 1e-4000L;

// The library's inverse, or the search when the target is far out or the inverse fails (an
// error of its own, or a bound of 0 or beyond the extended range, which no such target has).
// Targets above 1/2 are searched as the other tail's 1 - t, which is exact there.
// A closed-form inverse is taken at any target, subnormal bounds included.
enum class PrimaryKind { kIterative, kClosedForm };

template <class Primary>
Real SolveTail(Primary primary, TailFunction lower, TailFunction upper,
               const DistributionParameters& d, bool upper_tail, Real t, Real lo, Real hi,
               PrimaryKind kind = PrimaryKind::kIterative) {
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

Real NormalF(const DistributionParameters& d, Real x) {
  return pr::NormalF(d.first.real, d.second.real, x);
}
Real NormalQ(const DistributionParameters& d, Real x) {
  return pr::NormalQ(d.first.real, d.second.real, x);
}
std::optional<Real> NormalInvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::NormalInvLower(d.first.real, d.second.real, t); }, NormalF,
                   NormalQ, d, false, t, -kLargest, kLargest);
}
std::optional<Real> NormalInvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::NormalInvUpper(d.first.real, d.second.real, t); }, NormalF,
                   NormalQ, d, true, t, -kLargest, kLargest);
}

Real NormalCentered(const DistributionParameters& d, Real x) {
  return pr::NormalCentered(d.first.real, d.second.real, x);
}
std::optional<Real> NormalInvCentered(const DistributionParameters& d, Real c) {
  if (!(c > -0.5L && c < 0.5L)) return std::nullopt;
  return pr::NormalInvCentered(d.first.real, d.second.real, c);
}

Real ExponentialF(const DistributionParameters& d, Real x) {
  return pr::ExponentialF(d.first.real, x);
}
Real ExponentialQ(const DistributionParameters& d, Real x) {
  return pr::ExponentialQ(d.first.real, x);
}

Real StudentTF(const DistributionParameters& d, Real x) {
  return pr::StudentTF(d.first.whole, x);
}
Real StudentTQ(const DistributionParameters& d, Real x) {
  return pr::StudentTQ(d.first.whole, x);
}
Real StudentTCentered(const DistributionParameters& d, Real x) {
  return pr::StudentTCentered(d.first.whole, x);
}
std::optional<Real> StudentTInvCentered(const DistributionParameters& d, Real c) {
  if (!(c > -0.5L && c < 0.5L)) return std::nullopt;
  return pr::StudentTInvCentered(d.first.whole, c);
}
std::optional<Real> StudentTInvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (d.first.whole < 1) return pr::StudentTInvLower(d.first.whole, t);
  return SolveTail([&] { return pr::StudentTInvLower(d.first.whole, t); }, StudentTF, StudentTQ, d,
                   false, t, -kLargest, kLargest);
}
std::optional<Real> StudentTInvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (d.first.whole < 1) return pr::StudentTInvUpper(d.first.whole, t);
  return SolveTail([&] { return pr::StudentTInvUpper(d.first.whole, t); }, StudentTF, StudentTQ, d,
                   true, t, -kLargest, kLargest);
}

Real ChiSquaredF(const DistributionParameters& d, Real x) {
  return pr::ChiSquaredF(d.first.whole, x);
}
Real ChiSquaredQ(const DistributionParameters& d, Real x) {
  return pr::ChiSquaredQ(d.first.whole, x);
}
std::optional<Real> ChiSquaredInvLower(const DistributionParameters& d, Real t) {
  if (t == 0) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (d.first.whole < 1) return pr::ChiSquaredInvLower(d.first.whole, t);
  return SolveTail([&] { return pr::ChiSquaredInvLower(d.first.whole, t); }, ChiSquaredF,
                   ChiSquaredQ, d, false, t, kSmallest, kLargest);
}
std::optional<Real> ChiSquaredInvUpper(const DistributionParameters& d, Real t) {
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (d.first.whole < 1) return pr::ChiSquaredInvUpper(d.first.whole, t);
  return SolveTail([&] { return pr::ChiSquaredInvUpper(d.first.whole, t); }, ChiSquaredF,
                   ChiSquaredQ, d, true, t, kSmallest, kLargest);
}

Real FDistF(const DistributionParameters& d, Real x) {
  return pr::FDistF(d.first.whole, d.second.whole, x);
}
Real FDistQ(const DistributionParameters& d, Real x) {
  return pr::FDistQ(d.first.whole, d.second.whole, x);
}
bool FDegreesValid(const DistributionParameters& d) {
  return d.first.whole >= 1 && d.second.whole >= 1;
}
// With 2 degrees of freedom on either side the inverse is a closed form, right at any target.
PrimaryKind FInverseKind(const DistributionParameters& d) {
  return d.first.whole == 2 || d.second.whole == 2 ? PrimaryKind::kClosedForm
                                                   : PrimaryKind::kIterative;
}
std::optional<Real> FDistInvLower(const DistributionParameters& d, Real t) {
  if (t == 0) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (!FDegreesValid(d)) return pr::FDistInvLower(d.first.whole, d.second.whole, t);
  return SolveTail([&] { return pr::FDistInvLower(d.first.whole, d.second.whole, t); }, FDistF,
                   FDistQ, d, false, t, kSmallest, kLargest, FInverseKind(d));
}
std::optional<Real> FDistInvUpper(const DistributionParameters& d, Real t) {
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (!FDegreesValid(d)) return pr::FDistInvUpper(d.first.whole, d.second.whole, t);
  return SolveTail([&] { return pr::FDistInvUpper(d.first.whole, d.second.whole, t); }, FDistF,
                   FDistQ, d, true, t, kSmallest, kLargest, FInverseKind(d));
}

Real NormalDensity(const DistributionParameters& d, Real x) {
  return pr::NormalDensity(d.first.real, d.second.real, x);
}
Real StudentTDensity(const DistributionParameters& d, Real x) {
  return pr::StudentTDensity(d.first.whole, x);
}
Real ChiSquaredDensity(const DistributionParameters& d, Real x) {
  return pr::ChiSquaredDensity(d.first.whole, x);
}
Real FDistDensity(const DistributionParameters& d, Real x) {
  return pr::FDistDensity(d.first.whole, d.second.whole, x);
}

constexpr ContinuousFunctions kNormal{NormalF,        NormalQ,           NormalInvLower,
                                      NormalInvUpper, PreciseTargets,    nullptr,
                                      NormalCentered, NormalInvCentered, NormalDensity};
constexpr ContinuousFunctions kExponential{ExponentialF, ExponentialQ, nullptr, nullptr, nullptr,
                                           nullptr,      nullptr,      nullptr, nullptr};
constexpr ContinuousFunctions kStudentT{StudentTF,        StudentTQ,           StudentTInvLower,
                                        StudentTInvUpper, PreciseTargets,      nullptr,
                                        StudentTCentered, StudentTInvCentered, StudentTDensity};
constexpr ContinuousFunctions kChiSquared{
    ChiSquaredF, ChiSquaredQ, ChiSquaredInvLower, ChiSquaredInvUpper, PreciseTargets, nullptr,
    nullptr,     nullptr,     ChiSquaredDensity};
constexpr ContinuousFunctions kFDist{FDistF,  FDistQ,  FDistInvLower, FDistInvUpper, PreciseTargets,
                                     nullptr, nullptr, nullptr,       FDistDensity};

Real BinomialE(const DistributionParameters& d, std::int64_t k) {
  return pr::BinomialE(d.second.whole, d.first.real, k);
}
Real BinomialL(const DistributionParameters& d, std::int64_t k) {
  return pr::BinomialL(d.second.whole, d.first.real, k);
}
Real BinomialG(const DistributionParameters& d, std::int64_t k) {
  return pr::BinomialG(d.second.whole, d.first.real, k);
}
Real PoissonE(const DistributionParameters& d, std::int64_t k) {
  return pr::PoissonE(d.first.real, k);
}
Real PoissonL(const DistributionParameters& d, std::int64_t k) {
  return pr::PoissonL(d.first.real, k);
}
Real PoissonG(const DistributionParameters& d, std::int64_t k) {
  return pr::PoissonG(d.first.real, k);
}

constexpr DiscreteFunctions kBinomial{BinomialCheck, BinomialE, BinomialL, BinomialG};
constexpr DiscreteFunctions kPoisson{nullptr, PoissonE, PoissonL, PoissonG};

}  // namespace

const KindTables& PreciseKindTables() {
  static constexpr KindTables kTables{&kNormal, &kExponential, &kStudentT, &kChiSquared,
                                      &kFDist,  &kBinomial,    &kPoisson};
  return kTables;
}

}  // namespace zudira
