#include "stats/precise/shape_distributions.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/gamma.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/expint.hpp>
#include <boost/math/special_functions/gamma.hpp>

#include "stats/precise/boost_call.h"
#include "stats/precise/far_beta_roots.h"
#include "stats/precise/large_shape_gamma.h"

namespace zudira::precise {

namespace bm = boost::math;

namespace {

constexpr Real kInfinity = std::numeric_limits<Real>::infinity();

// ---- Uniform ----

// (x - a) / (b - a), halved throughout where b - a overflows (ends near the largest extended
// number), so the share stays right.
Real Share(Real from, Real to, Real a, Real b) {
  const Real width = b - a;
  if (std::isfinite(width)) return (to - from) / width;
  return (to / 2 - from / 2) / (b / 2 - a / 2);
}

// from + t (to - from) for t in [0, 1], halved where to - from overflows.
Real Along(Real from, Real to, Real t) {
  const Real width = to - from;
  if (std::isfinite(width)) return from + t * width;
  return 2 * (from / 2 + t * (to / 2 - from / 2));
}

// The point at share t of the way from one end to the other, taken from the nearer end: 1 - t
// is exact above 1/2.
Real UniformPoint(Real from, Real to, Real t) {
  if (!(t > 0)) return from;
  if (!(t < 1)) return to;
  const Real x = t <= 0.5L ? Along(from, to, t) : Along(to, from, 1 - t);
  return std::clamp(x, std::min(from, to), std::max(from, to));
}

// ---- Gamma ----

// Below this z = x / theta, P(k, z) is z^k / Gamma(k + 1) to the last bit (the next term is
// z k / (k + 1) of it); through logs it also holds where z itself underflows.
constexpr Real kTinyGammaArgument = 1e-20L;

// Below this shape, Q(k, z) is k E1(z) to some 25 digits (1 / Gamma(k) = k + O(k^2)), where
// Boost's forms overflow on 1 / k.
constexpr Real kTinyShape = 1e-30L;

Real LogOfSmallest() {
  return std::log(std::numeric_limits<Real>::denorm_min()) - 1;
}

// Whether P(k, z) lies below the smallest extended number: Boost's own forms overflow on the
// way there for a large k. For z below k it is below z^k e^-z / Gamma(k + 1) / (1 - z / (k + 1)).
bool GammaLowerVanishes(Real k, Real z) {
  // Below a shape of 200, z^k e^-z / Gamma(k + 1) stays above 1e-4500 for every z from
  // kTinyGammaArgument on.
  if (!(k > 200 && z < k)) return false;
  const Real log_bound = k * std::log(z) - z - std::lgamma(k + 1) - std::log1p(-z / (k + 1));
  return log_bound < LogOfSmallest();
}

// The same for Q(k, z) far above k, below z^(k-1) e^-z / Gamma(k) / (1 - (k - 1) / z), where
// Boost's series runs for milliseconds on its way to 0.
bool GammaUpperVanishes(Real k, Real z) {
  // Below z = 10000 Boost's own forms are quick.
  if (!(z > 10000 && z > 2 * (k + 1))) return false;
  const Real log_bound =
      (k - 1) * std::log(z) - z - std::lgamma(k) - (k > 1 ? std::log1p(-(k - 1) / z) : 0);
  return log_bound < LogOfSmallest();
}

// P(k, z), or Q(k, z) when `upper`, for a finite z above kTinyGammaArgument.
Real IncompleteGamma(bool upper, Real k, Real z) {
  if (GammaLowerVanishes(k, z)) return upper ? 1 : 0;
  if (GammaUpperVanishes(k, z)) return upper ? 0 : 1;
  if (k < kTinyShape) {
    const Real q = k * bm::expint(1, z);
    return upper ? q : 1 - q;
  }
  if (InLargeShapeZones(k, z)) return LargeShapeGammaTail(upper, k, z);
  return upper ? bm::gamma_q(k, z) : bm::gamma_p(k, z);
}

// P(k, z) or Q(k, z) at z = x / theta from its logarithm, for z below kTinyGammaArgument.
Real TinyArgumentGamma(bool upper, Real k, Real log_z) {
  const Real log_f = k * log_z - std::lgamma(k + 1);
  return upper ? -std::expm1(log_f) : std::exp(log_f);
}

// The gamma's tails at x > 0 and finite.
Real GammaTail(bool upper, Real k, Real theta, Real x) {
  const Real z = x / theta;
  if (z == kInfinity) return upper ? 0 : 1;
  if (z < kTinyGammaArgument) return TinyArgumentGamma(upper, k, std::log(x) - std::log(theta));
  return IncompleteGamma(upper, k, z);
}

// The z with P(k, z) = t, or Q(k, z) = t when `upper`. Below kTinyShape Boost's inverse
// overflows or strays; no convergence is reported so that the caller searches the tails.
Real GammaRoot(bool upper, Real k, Real t) {
  if (k < kTinyShape) throw EStStatError(StatNoConverge);
  if (k > kLargeGammaShape) return LargeShapeGammaRoot(upper, k, t);
  return upper ? bm::gamma_q_inv(k, t) : bm::gamma_p_inv(k, t);
}

// ---- Beta ----

// Below this shape Boost's forms overflow on its reciprocal somewhere; the tails are then
// linear in it to some 25 digits.
constexpr Real kTinyBetaShape = 1e-30L;

// Above this share of the other shape (squared), the beta is a scaled gamma to far below the
// last bit: I_x(a, b) = P(a, (b + (a - 1) / 2) (-ln(1 - x))) with an error of order y^2 / b.
constexpr Real kHugeBetaShare = 1e40L;

bool Huge(Real shape, Real other) {
  return shape > kHugeBetaShare && shape > kHugeBetaShare * std::max<Real>(other * other, 1);
}

// I_x(alpha, beta), or its complement when `upper`, for x inside (0, 1).
Real BetaTail(bool upper, Real alpha, Real beta, Real x) {
  const bool tiny_alpha = alpha < kTinyBetaShape, tiny_beta = beta < kTinyBetaShape;
  if (tiny_alpha && tiny_beta) {
    // The mass splits between the ends: I_x = (beta + alpha beta ln(x / (1 - x))) / (alpha +
    // beta) to first order.
    const Real r = std::log(x) - std::log1p(-x);
    const Real larger = std::max(alpha, beta);
    const Real w = (beta / larger) / (alpha / larger + beta / larger);
    return upper ? (1 - w) * (1 - beta * r) : w * (1 + alpha * r);
  }
  if (tiny_alpha) {
    // The small upper tail is alpha times a function of beta and x.
    const Real alpha0 = kTinyBetaShape * std::min<Real>(beta, 1);
    const Real q = alpha / alpha0 * bm::ibetac(alpha0, beta, x);
    return upper ? q : 1 - q;
  }
  if (tiny_beta) {
    const Real beta0 = kTinyBetaShape * std::min<Real>(alpha, 1);
    const Real f = beta / beta0 * bm::ibeta(alpha, beta0, x);
    return upper ? 1 - f : f;
  }
  if (Huge(beta, alpha)) {
    const Real y = (beta + (alpha - 1) / 2) * -std::log1p(-x);
    if (y < kTinyGammaArgument) return TinyArgumentGamma(upper, alpha, std::log(y));
    return IncompleteGamma(upper, alpha, y);
  }
  if (Huge(alpha, beta)) {
    const Real y = (alpha + (beta - 1) / 2) * -std::log(x);
    if (y < kTinyGammaArgument) return TinyArgumentGamma(!upper, beta, std::log(y));
    return IncompleteGamma(!upper, beta, y);
  }
  return upper ? bm::ibetac(alpha, beta, x) : bm::ibeta(alpha, beta, x);
}

// The x with I_x(alpha, beta) = t, or 1 - I_x = t when `upper`. Far in the lower tail Boost's
// inverse starts far from the root; the series' leading term starts next to it. Where one shape
// is huge the gamma's root is mapped back; where one is tiny Boost's inverse answers wrongly,
// and no convergence is reported so that the caller searches the tails instead.
Real BetaRoot(bool upper, Real alpha, Real beta, Real t) {
  if (alpha < kTinyBetaShape || beta < kTinyBetaShape) throw EStStatError(StatNoConverge);
  if (Huge(beta, alpha)) {
    const Real y = GammaRoot(upper, alpha, t);
    return -std::expm1(-y / (beta + (alpha - 1) / 2));
  }
  if (Huge(alpha, beta)) {
    const Real y = GammaRoot(!upper, beta, t);
    return std::exp(-y / (alpha + (beta - 1) / 2));
  }
  if (!upper && SmallBetaRoot(alpha, beta, t)) return BetaRootFromSeries(alpha, beta, t);
  // The upper tail at x is the lower tail of beta(beta, alpha) at 1 - x.
  if (upper && SmallBetaRoot(beta, alpha, t)) return 1 - BetaRootFromSeries(beta, alpha, t);
  return upper ? bm::ibetac_inv(alpha, beta, t) : bm::ibeta_inv(alpha, beta, t);
}

// A density at an end of its support: infinite below exponent 0, `at_one` at 0, else 0.
Real AtEnd(Real exponent, Real at_one) {
  if (exponent < 0) return kInfinity;
  return exponent == 0 ? at_one : 0;
}

}  // namespace

// The uniform's closed forms need no fault guard: with finite ends a < b and x between them
// the share lies in [0, 1] and the point between the ends, and the halving keeps every step
// finite, so nothing can overflow or divide by zero.
Real UniformF(Real a, Real b, Real x) {
  if (x <= a) return 0;
  if (x >= b) return 1;
  return std::clamp<Real>(Share(a, x, a, b), 0, 1);
}
Real UniformQ(Real a, Real b, Real x) {
  if (x <= a) return 1;
  if (x >= b) return 0;
  return std::clamp<Real>(Share(x, b, a, b), 0, 1);
}
Real UniformInvLower(Real a, Real b, Real t) {
  return UniformPoint(a, b, t);
}
Real UniformInvUpper(Real a, Real b, Real t) {
  return UniformPoint(b, a, t);
}
Real UniformDensity(Real a, Real b, Real x) {
  if (x < a || x > b) return 0;
  return BoostCall([&] {
    const Real width = b - a;
    return std::isfinite(width) ? 1 / width : Real(0.5L) / (b / 2 - a / 2);
  });
}

Real GammaF(Real k, Real theta, Real x) {
  if (!(x > 0)) return 0;
  if (x == kInfinity) return 1;
  return BoostProbability([&] { return GammaTail(false, k, theta, x); });
}
Real GammaQ(Real k, Real theta, Real x) {
  if (!(x > 0)) return 1;
  if (x == kInfinity) return 0;
  return BoostProbability([&] { return GammaTail(true, k, theta, x); });
}
Real GammaInvLower(Real k, Real theta, Real t) {
  return BoostCall([&] { return theta * GammaRoot(false, k, t); });
}
Real GammaInvUpper(Real k, Real theta, Real t) {
  return BoostCall([&] { return theta * GammaRoot(true, k, t); });
}
Real GammaDensity(Real k, Real theta, Real x) {
  if (x < 0) return 0;
  if (x == 0) return AtEnd(k - 1, 1 / theta);
  return BoostCall([&] { return bm::pdf(bm::gamma_distribution<Real>(k, theta), x); });
}

Real BetaF(Real alpha, Real beta, Real x) {
  if (!(x > 0)) return 0;
  if (x >= 1) return 1;
  return BoostProbability([&] { return BetaTail(false, alpha, beta, x); });
}
Real BetaQ(Real alpha, Real beta, Real x) {
  if (!(x > 0)) return 1;
  if (x >= 1) return 0;
  return BoostProbability([&] { return BetaTail(true, alpha, beta, x); });
}
Real BetaInvLower(Real alpha, Real beta, Real t) {
  return BoostCall([&] { return BetaRoot(false, alpha, beta, t); });
}
Real BetaInvUpper(Real alpha, Real beta, Real t) {
  return BoostCall([&] { return BetaRoot(true, alpha, beta, t); });
}
Real BetaDensity(Real alpha, Real beta, Real x) {
  if (x < 0 || x > 1) return 0;
  if (x == 0) return AtEnd(alpha - 1, beta);
  if (x == 1) return AtEnd(beta - 1, alpha);
  return BoostCall([&] { return bm::pdf(bm::beta_distribution<Real>(alpha, beta), x); });
}

}  // namespace zudira::precise
