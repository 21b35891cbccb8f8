#include "stats/precise/location_scale_distributions.h"

#include <cmath>
#include <limits>

#include <boost/math/constants/constants.hpp>
#include <boost/math/distributions/cauchy.hpp>
#include <boost/math/distributions/logistic.hpp>
#include <boost/math/distributions/weibull.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/expm1.hpp>
#include <boost/math/special_functions/log1p.hpp>

#include "stats/precise/boost_call.h"

namespace zudira::precise {

namespace bm = boost::math;

namespace {

constexpr Real kInfinity = std::numeric_limits<Real>::infinity();
constexpr Real kSmallestNormal = std::numeric_limits<Real>::min();

Real Pi() {
  return bm::constants::pi<Real>();
}

// (x - location) / scale, where x - location alone may overflow although the quotient does not.
Real Standardized(Real location, Real scale, Real x) {
  const Real difference = x - location;
  if (std::isfinite(difference)) return difference / scale;
  return x / scale - location / scale;
}

// location + scale * z, where the product alone may overflow although the sum does not.
Real Unstandardized(Real location, Real scale, Real z) {
  const Real x = location + scale * z;
  if (std::isfinite(x)) return x;
  constexpr int kScale = 16;
  return std::ldexp(std::ldexp(location, -kScale) + std::ldexp(scale, -kScale) * z, kScale);
}

bool NormalFinite(Real x) {
  return std::isfinite(x) && std::fabs(x) >= kSmallestNormal;
}

// P(Z <= z) of the standard normal from erfc, the smaller tail's own form. Boost's lognormal
// divides by sigma * sqrt(2), which overflows for sigma near the largest extended number.
Real StandardNormalF(Real z) {
  if (std::isinf(z)) return z > 0 ? 1 : 0;
  return bm::erfc(-z / std::sqrt(Real(2))) / 2;
}

Real LogNormalZ(Real mu, Real sigma, Real x) {
  return Standardized(mu, sigma, std::log(x));
}

// Beyond its normal range x / lambda loses digits (or becomes 0 or infinity) while (x/lambda)^k
// may still be an ordinary number for a small or large shape: through logarithms there.
Real WeibullPower(Real shape, Real scale, Real x) {
  const Real ratio = x / scale;
  if (NormalFinite(ratio)) return std::pow(ratio, shape);
  return std::exp(shape * (std::log(x) - std::log(scale)));
}

// lambda h^(1/k), the closed-form Weibull root for h = -ln(1 - t) or -ln t; through logarithms
// where the power or the product leaves the normal range.
Real WeibullRoot(Real shape, Real scale, Real h, Real direct) {
  if (NormalFinite(direct)) return direct;
  return std::exp(std::log(scale) + std::log(h) / shape);
}

// Below -this the logistic's 1 + e^-z is e^-z to the last bit and the tail is e^z, which stays
// an extended number some 40 units past the point where Boost's form answers 0.
constexpr Real kLogisticExponentTail = 64;

Real StandardLogisticF(Real z) {
  if (z < -kLogisticExponentTail) return std::exp(z);
  return bm::cdf(bm::logistic_distribution<Real>(), z);
}

// The z with P(Z <= z) = t; below this target ln((1 - t) / t) is ln t to the last bit, and
// Boost's quotient would overflow.
constexpr Real kFarLogisticTarget = 1e-30L;

Real StandardLogisticInv(Real t) {
  if (t < kFarLogisticTarget) return std::log(t);
  return bm::quantile(bm::logistic_distribution<Real>(), t);
}

// The Cauchy tails beyond the extended range of (x - x0) / gamma: there gamma / |x - x0| is far
// below the rounding of atan's first term, so the tail is it over pi.
Real FarCauchyTail(Real location, Real scale, Real x) {
  return (scale / 2) / std::fabs(x / 2 - location / 2) / Pi();
}

Real StandardCauchyF(Real location, Real scale, Real x, bool upper) {
  const Real z = Standardized(location, scale, x);
  if (std::isinf(z)) {
    const Real tail = FarCauchyTail(location, scale, x);
    return (z < 0) != upper ? tail : 1 - tail;
  }
  const bm::cauchy_distribution<Real> standard;
  return upper ? bm::cdf(bm::complement(standard, z)) : bm::cdf(standard, z);
}

// Below this target tan(pi t) is pi t to the last bit; gamma / pi / t then keeps every digit
// down to the smallest target, where Boost's -1 / tan(pi t) overflows first.
constexpr Real kFarCauchyTarget = 1e-30L;

// The x whose lower tail (or upper tail) is t; the Cauchy is symmetric about its location.
Real CauchyRoot(Real location, Real scale, Real t, bool upper) {
  if (t < kFarCauchyTarget) {
    const Real distance = scale / Pi() / t;
    return upper ? location + distance : location - distance;
  }
  const Real z = bm::quantile(bm::cauchy_distribution<Real>(), t);
  return Unstandardized(location, scale, upper ? -z : z);
}

// With the location and the scale at most 1e4000 in size, location + scale z stays far inside
// the extended range for every standard root these closed forms give a target inside (0, 1)
// (|z| is at most some 11400 for the logistic, 3.2e29 for the Cauchy above its far targets),
// and nothing in them can overflow or divide by zero: they need no fault guard there.
bool GuardFree(Real location, Real scale, Real t) {
  constexpr Real kModest = 1e4000L;
  return std::fabs(location) <= kModest && scale <= kModest && t > 0 && t < 1;
}

}  // namespace

// Boost's lognormal forms are erfc(-(ln x - mu) / (sigma sqrt 2)) / 2 and its complement:
// the same, standardized first.
Real LogNormalF(Real mu, Real sigma, Real x) {
  if (!(x > 0)) return 0;
  return BoostProbability([&] { return StandardNormalF(LogNormalZ(mu, sigma, x)); });
}
Real LogNormalQ(Real mu, Real sigma, Real x) {
  if (!(x > 0)) return 1;
  return BoostProbability([&] { return StandardNormalF(-LogNormalZ(mu, sigma, x)); });
}
Real LogNormalInvLower(Real mu, Real sigma, Real t) {
  return BoostCall([&] {
    return std::exp(Unstandardized(mu, sigma, -std::sqrt(Real(2)) * bm::erfc_inv(2 * t)));
  });
}
Real LogNormalInvUpper(Real mu, Real sigma, Real t) {
  return BoostCall([&] {
    return std::exp(Unstandardized(mu, sigma, std::sqrt(Real(2)) * bm::erfc_inv(2 * t)));
  });
}
Real LogNormalDensity(Real mu, Real sigma, Real x) {
  if (!(x > 0)) return 0;
  return BoostCall([&] {
    const Real z = LogNormalZ(mu, sigma, x);
    return std::exp(-z * z / 2 - std::log(x) - std::log(sigma) - std::log(2 * Pi()) / 2);
  });
}

Real WeibullF(Real shape, Real scale, Real x) {
  if (!(x > 0)) return 0;
  return BoostProbability([&] {
    if (NormalFinite(x / scale)) return bm::cdf(bm::weibull_distribution<Real>(shape, scale), x);
    return -bm::expm1(-WeibullPower(shape, scale, x));
  });
}
Real WeibullQ(Real shape, Real scale, Real x) {
  if (!(x > 0)) return 1;
  return BoostProbability([&] {
    if (NormalFinite(x / scale))
      return bm::cdf(bm::complement(bm::weibull_distribution<Real>(shape, scale), x));
    return std::exp(-WeibullPower(shape, scale, x));
  });
}
Real WeibullInvLower(Real shape, Real scale, Real t) {
  return BoostCall([&] {
    const Real direct = bm::quantile(bm::weibull_distribution<Real>(shape, scale), t);
    return WeibullRoot(shape, scale, -bm::log1p(-t), direct);
  });
}
Real WeibullInvUpper(Real shape, Real scale, Real t) {
  return BoostCall([&] {
    const Real direct =
        bm::quantile(bm::complement(bm::weibull_distribution<Real>(shape, scale), t));
    return WeibullRoot(shape, scale, -std::log(t), direct);
  });
}
// k / x h e^-h with h = (x / lambda)^k, through logarithms; at 0 infinite below shape 1.
Real WeibullDensity(Real shape, Real scale, Real x) {
  if (x < 0) return 0;
  if (x == 0) return shape < 1 ? kInfinity : shape == 1 ? 1 / scale : 0;
  return BoostCall([&] {
    const Real h = WeibullPower(shape, scale, x);
    if (!std::isfinite(h)) return Real(0);
    const Real log_h = shape * (std::log(x) - std::log(scale));
    return std::exp(std::log(shape) - std::log(x) + log_h - h);
  });
}

Real LogisticF(Real location, Real scale, Real x) {
  return BoostProbability([&] { return StandardLogisticF(Standardized(location, scale, x)); });
}
Real LogisticQ(Real location, Real scale, Real x) {
  return BoostProbability([&] { return StandardLogisticF(-Standardized(location, scale, x)); });
}
Real LogisticInvLower(Real location, Real scale, Real t) {
  if (GuardFree(location, scale, t)) return location + scale * StandardLogisticInv(t);
  return BoostCall([&] { return Unstandardized(location, scale, StandardLogisticInv(t)); });
}
// The logistic is symmetric: Q(x) = t where x mirrors the lower root of t.
Real LogisticInvUpper(Real location, Real scale, Real t) {
  if (GuardFree(location, scale, t)) return location - scale * StandardLogisticInv(t);
  return BoostCall([&] { return Unstandardized(location, scale, -StandardLogisticInv(t)); });
}
// F(x) - 1/2 = tanh(z / 2) / 2.
Real LogisticCentered(Real location, Real scale, Real x) {
  return BoostCall([&] { return std::tanh(Standardized(location, scale, x) / 2) / 2; });
}
Real LogisticInvCentered(Real location, Real scale, Real c) {
  return BoostCall([&] { return Unstandardized(location, scale, 2 * std::atanh(2 * c)); });
}
Real LogisticDensity(Real location, Real scale, Real x) {
  return BoostCall([&] {
    const Real e = std::exp(-std::fabs(Standardized(location, scale, x)));
    return e / ((1 + e) * (1 + e)) / scale;
  });
}

Real CauchyF(Real location, Real scale, Real x) {
  return BoostProbability([&] { return StandardCauchyF(location, scale, x, false); });
}
Real CauchyQ(Real location, Real scale, Real x) {
  return BoostProbability([&] { return StandardCauchyF(location, scale, x, true); });
}
Real CauchyInvLower(Real location, Real scale, Real t) {
  if (GuardFree(location, scale, t) && t >= kFarCauchyTarget)
    return CauchyRoot(location, scale, t, false);
  return BoostCall([&] { return CauchyRoot(location, scale, t, false); });
}
Real CauchyInvUpper(Real location, Real scale, Real t) {
  if (GuardFree(location, scale, t) && t >= kFarCauchyTarget)
    return CauchyRoot(location, scale, t, true);
  return BoostCall([&] { return CauchyRoot(location, scale, t, true); });
}
// F(x) - 1/2 = atan(z) / pi.
Real CauchyCentered(Real location, Real scale, Real x) {
  return BoostCall([&] { return std::atan(Standardized(location, scale, x)) / Pi(); });
}
Real CauchyInvCentered(Real location, Real scale, Real c) {
  return BoostCall([&] { return Unstandardized(location, scale, std::tan(Pi() * c)); });
}
Real CauchyDensity(Real location, Real scale, Real x) {
  return BoostCall([&] {
    const Real z = Standardized(location, scale, x);
    return 1 / (Pi() * scale * (1 + z * z));
  });
}

}  // namespace zudira::precise
