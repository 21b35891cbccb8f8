// Normal distribution: Abramowitz & Stegun 26.2.17 for the distribution function (error below
// 7.5e-8) and the rational approximation 26.2.23 for the tail quantile (error below 4.5e-4).
#include "stats/normal.h"

#include <cmath>

#include "stats/arithmetic_fault.h"
#include "stats/constants.h"
#include "stats/exception.h"
#include "stats/float_compare.h"
#include "stats/messages.h"

namespace zudira {

namespace {

constexpr Real kP = 0.2316419L;
constexpr Real kB1 = 0.31938153L;
constexpr Real kB2 = -0.356563782L;
constexpr Real kB3 = 1.781477937L;
constexpr Real kB4 = -1.821255978L;
constexpr Real kB5 = 1.330274429L;

constexpr Real kC0 = 2.515517L;
constexpr Real kC1 = 0.802853L;
constexpr Real kC2 = 0.010328L;
constexpr Real kD1 = 1.432788L;
constexpr Real kD2 = 0.189269L;
constexpr Real kD3 = 0.001308L;

// Far beyond this the density is exactly 0 in extended precision; squaring such a z would
// only overflow.
constexpr Real kDensityNegligible = 1e100L;

// The unguarded steps. They cannot fault for a z >= 0 or a p in (0, 1], and an infinite or NaN
// z raises nothing in them, so inside NormalCDF and InverseNormal one guard tells the same
// fault as a guard around each step would.
Real DensityStep(Real z) {
  if (std::fabs(z) > kDensityNegligible) return 0;
  return std::exp(-z * z / 2) / std::sqrt(kTwoPi);
}

Real CDFPositiveStep(Real z) {
  const Real t = 1 / (1 + kP * z);
  // b1 t + b2 t^2 + ... + b5 t^5 by Horner's rule.
  const Real poly = t * (kB1 + t * (kB2 + t * (kB3 + t * (kB4 + t * kB5))));
  return 1 - DensityStep(z) * poly;
}

[[gnu::always_inline]] inline Real TailQuantileStep(Real p) {
  // ln(1 / p^2) has no value at p = 0 and none above 1: say so rather than divide by zero.
  if (!(p > 0) || p > 1) throw Exception(ProbabilityOutOfRangeMessage);
  // ln(1 / p^2) written as -2 ln p, so that a tiny p does not underflow when squared.
  const Real t = std::sqrt(-2 * std::log(p));
  return t - (kC0 + kC1 * t + kC2 * t * t) / (1 + kD1 * t + kD2 * t * t + kD3 * t * t * t);
}

}  // namespace

Real NormalDensity(Real z) {
  if (std::fabs(z) > kDensityNegligible) return 0;
  return GuardArithmetic([&] { return DensityStep(z); });
}

Real StdNormalCDFPositive(Real z) {
  return GuardArithmetic([&] { return CDFPositiveStep(z); });
}

Real StdNormalTailQuantile(Real p) {
  if (!(p > 0) || p > 1) throw Exception(ProbabilityOutOfRangeMessage);
  return GuardArithmetic([&] { return TailQuantileStep(p); });
}

Real NormalCDF(Real mean, Real sdev, Real x) {
  if (FloatIsZero(sdev)) return 0;
  return GuardArithmetic([&] {
    const Real z = (x - mean) / sdev;
    if (z >= 0) return CDFPositiveStep(z);
    return 1 - CDFPositiveStep((mean - x) / sdev);
  });
}

Real InverseNormal(bool lower_tail, Real mean, Real sdev, Real p) {
  if (FloatIsZero(sdev) || p <= 0 || p >= 1) return 0;
  return GuardArithmetic([&] {
    Real q = lower_tail ? 1 - p : p;
    const bool flip = q > 0.5L;
    if (flip) q = lower_tail ? p : 1 - p;
    const Real z = TailQuantileStep(q);
    return flip ? mean - sdev * z : mean + sdev * z;
  });
}

}  // namespace zudira
