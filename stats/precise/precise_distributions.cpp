#include "stats/precise/precise_distributions.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/erf.hpp>

#include "stats/argument_narrowing.h"
#include "stats/binomial.h"
#include "stats/chi_squared.h"
#include "stats/exponential.h"
#include "stats/f_distribution.h"
#include "stats/normal.h"
#include "stats/poisson.h"
#include "stats/precise/boost_call.h"
#include "stats/precise/f_two_degrees.h"
#include "stats/precise/far_beta_roots.h"
#include "stats/precise/large_shape_gamma.h"
#include "stats/precise/large_shapes_f.h"
#include "stats/precise/precise_densities.h"
#include "stats/student_t.h"

namespace zudira::precise {

namespace bm = boost::math;

namespace {

bool NormalDomain(Real sdev) {
  return sdev > 0 && std::isfinite(sdev);
}

// Boost's normal scales by sdev * sqrt(2), which overflows for a standard deviation near the
// largest extended number (its quantile then multiplies 0 by infinity), and forms x - mean,
// which overflows when both are huge and of opposite signs. The standardized value is formed
// here without either.
Real Standardized(Real mean, Real sdev, Real x) {
  const Real difference = x - mean;
  if (std::isfinite(difference)) return difference / sdev;
  return x / sdev - mean / sdev;
}

// P(Z <= z) for the standard normal, from the smaller tail.
Real StandardNormalF(Real z) {
  if (std::isinf(z)) return z > 0 ? 1 : 0;
  return bm::erfc(-z / std::sqrt(Real(2))) / 2;
}

// mean + sdev * z, where the product alone may overflow although the sum does not.
Real Unstandardized(Real mean, Real sdev, Real z) {
  const Real x = mean + sdev * z;
  if (std::isfinite(x)) return x;
  constexpr int kScale = 16;
  return std::ldexp(std::ldexp(mean, -kScale) + std::ldexp(sdev, -kScale) * z, kScale);
}

// The logarithm of the smallest positive extended number, less a margin for the rounding of
// the bounds compared with it.
Real LogBelowSmallest() {
  return std::log(std::numeric_limits<Real>::denorm_min()) - 1;
}

// Whether P(a, x) lies below the smallest extended number, so that it is 0 here: Boost's own
// forms overflow on the way there for a large a. For x below a it is below
// x^a e^-x / Gamma(a + 1) / (1 - x / (a + 1)).
bool GammaLowerVanishes(Real a, Real x) {
  if (!(x < a)) return false;
  const Real log_bound = a * std::log(x) - x - std::lgamma(a + 1) - std::log1p(-x / (a + 1));
  return log_bound < LogBelowSmallest();
}

// The same for I_x(a, b), below x^a / (a B(a, b)) / (1 - r) with r = x (a + b) / (a + 1), the
// bound on the ratio of its series' terms.
bool BetaLowerVanishes(Real a, Real b, Real x) {
  const Real ratio = x * (a + b) / (a + 1);
  if (!(ratio < 0.5L)) return false;
  const Real log_beta = std::lgamma(a) + std::lgamma(b) - std::lgamma(a + b);
  const Real log_bound = a * std::log(x) - std::log(a) - log_beta - std::log1p(-ratio);
  return log_bound < LogBelowSmallest();
}

// F's tails with both shapes large at a bound so far out that one of them is 0 here; the
// saddle-point forms fault there. Sets the `upper` tail and answers true in that case.
bool FTailAtLimit(Real a, Real b, Real f, bool upper, Real& tail) {
  const Real v = 2 * a * f;
  const Real df2 = 2 * b;
  bool upper_vanishes = !std::isfinite(v);
  bool lower_vanishes = false;
  if (!upper_vanishes) {
    lower_vanishes = BetaLowerVanishes(a, b, v / (df2 + v));
    upper_vanishes = BetaLowerVanishes(b, a, df2 / (df2 + v));
  }
  if (!upper_vanishes && !lower_vanishes) return false;
  tail = upper == upper_vanishes ? 0 : 1;
  return true;
}

// Boost's Student t squares x, which overflows from about 1e2466 on; its tails there read 0,
// although with one degree of freedom the tail beyond 1e4000 is 3e-4001. Its tails also fade
// into zero through the subnormals before that. Far out the tail beyond |x| is
// I_w(df / 2, 1 / 2) / 2 with w = df / (df + x^2), and once w is below 1e-20 the series' first
// term w^(df/2) / (df/2 B(df/2, 1/2)) is the whole of it to the last bit, taken through logs.
// It is taken where Boost's would be near the subnormals or beyond the square's range.
constexpr Real kSquareLimit = 1e2400L;
constexpr Real kFirstTermDistance = 1e10L;

// Sets the tail beyond |x| and answers true where the first term is taken.
bool StudentTFarTail(std::int32_t df, Real x, Real& tail) {
  if (!std::isfinite(x) || std::fabs(x) < kFirstTermDistance * std::sqrt(Real(df))) return false;
  const Real a = Real(df) / 2;
  const Real log_w = std::log(Real(df)) - 2 * std::log(std::fabs(x));
  const Real log_tail = BoostCall(
      [&] { return a * log_w - std::log(a * bm::beta(a, Real(0.5))) - std::log(Real(2)); });
  constexpr Real kNearSubnormal = 50;
  const Real log_smallest_normal = std::log(std::numeric_limits<Real>::min());
  if (std::fabs(x) <= kSquareLimit && log_tail > log_smallest_normal + kNearSubnormal) {
    return false;
  }
  tail = std::exp(log_tail);
  return true;
}

// Below this bound P(df / 2, x / 2) is (x / 2)^(df / 2) / Gamma(df / 2 + 1) to the last bit;
// formed through logs it keeps the digits that halving a subnormal x would lose (half the
// smallest extended number is 0).
constexpr Real kTinyChiSquared = 1e-4000L;

Real TinyChiSquaredF(std::int32_t df, Real x) {
  const Real a = Real(df) / 2;
  return BoostProbability(
      [&] { return std::exp(a * (std::log(x) - std::log(Real(2))) - std::lgamma(a + 1)); });
}

// Boost's binomial overflows for a success probability p near the smallest extended number.
// Below this p, n p is far below the rounding of 1 and (n p)^2 below the smallest extended
// number: P(X = 0) is 1, P(X = 1) is n p, and every larger count has 0.
constexpr Real kVanishingProbability = 1e-4000L;

bool IsVanishing(Real p) {
  return p > 0 && p < kVanishingProbability;
}

// With one degree of freedom on each side F is the square of a Cauchy variable, and Boost's
// tail near 1 is off by up to 1e-10 (its upper tail reads 1 at f = 2e-20, where the lower one
// is 1e-10). Its tails are (2 / pi) atan(sqrt f) and (2 / pi) atan(1 / sqrt f), each right to
// the last digits on its own.
Real OneOneFTail(Real f, bool upper) {
  const Real root = std::sqrt(f);
  return 2 / bm::constants::pi<Real>() * std::atan(upper ? 1 / root : root);
}

// Whether the Poisson mass from k on lies below the smallest extended number, so that it is 0
// here: Boost's own tail forms k! on the way and overflows for a small mean and a large k. For
// k above the mean that mass is below lambda^k / k! / (1 - lambda / (k + 1)); so is the
// binomial mass from k on with lambda = n p, whose terms C(n, j) p^j are below lambda^j / j!.
bool PoissonMassVanishes(Real lambda, std::int64_t k) {
  const Real count = static_cast<Real>(k);
  if (!(count > lambda + 1)) return false;
  const Real log_bound =
      count * std::log(lambda) - std::lgamma(count + 1) - std::log1p(-lambda / (count + 1));
  return log_bound < std::log(std::numeric_limits<Real>::denorm_min());
}

}  // namespace

Real NormalF(Real mean, Real sdev, Real x) {
  if (!NormalDomain(sdev)) return NormalCDF(mean, sdev, x);
  return BoostProbability([&] { return StandardNormalF(Standardized(mean, sdev, x)); });
}
Real NormalQ(Real mean, Real sdev, Real x) {
  if (!NormalDomain(sdev)) return 1 - NormalCDF(mean, sdev, x);
  return BoostProbability([&] { return StandardNormalF(-Standardized(mean, sdev, x)); });
}
Real NormalInvLower(Real mean, Real sdev, Real t) {
  if (!NormalDomain(sdev)) return InverseNormal(true, mean, sdev, t);
  return BoostCall(
      [&] { return Unstandardized(mean, sdev, -std::sqrt(Real(2)) * bm::erfc_inv(2 * t)); });
}
Real NormalInvUpper(Real mean, Real sdev, Real t) {
  if (!NormalDomain(sdev)) return InverseNormal(false, mean, sdev, t);
  return BoostCall(
      [&] { return Unstandardized(mean, sdev, std::sqrt(Real(2)) * bm::erfc_inv(2 * t)); });
}

Real NormalCentered(Real mean, Real sdev, Real x) {
  if (!NormalDomain(sdev)) return NormalCDF(mean, sdev, x) - 0.5L;
  return BoostCall([&] {
    const Real z = Standardized(mean, sdev, x);
    if (std::isinf(z)) return z > 0 ? 0.5L : -0.5L;
    return bm::erf(z / std::sqrt(Real(2))) / 2;
  });
}
Real NormalInvCentered(Real mean, Real sdev, Real c) {
  if (!NormalDomain(sdev)) return InverseNormal(true, mean, sdev, c + 0.5L);
  return BoostCall(
      [&] { return Unstandardized(mean, sdev, std::sqrt(Real(2)) * bm::erf_inv(2 * c)); });
}

// The exponential's tails straight from x / mean: Boost's takes the rate 1 / mean, which is
// infinite for a subnormal mean (and rounded for any other). The support starts at 0.
Real ExponentialF(Real mean, Real x) {
  if (!(mean > 0)) return ExponentialCDF(mean, x);
  if (x <= 0) return 0;
  return BoostProbability([&] { return -std::expm1(-(x / mean)); });
}
Real ExponentialQ(Real mean, Real x) {
  if (!(mean > 0)) return 1 - ExponentialCDF(mean, x);
  if (x <= 0) return 1;
  return BoostProbability([&] { return std::exp(-(x / mean)); });
}

Real StudentTF(std::int32_t df, Real x) {
  if (df < 1) return StudentTCDF(df, x);
  if (Real tail = 0; StudentTFarTail(df, x, tail)) return x < 0 ? tail : 1 - tail;
  return BoostProbability([&] { return bm::cdf(bm::students_t_distribution<Real>(df), x); });
}
Real StudentTQ(std::int32_t df, Real x) {
  if (df < 1) return 1 - StudentTCDF(df, x);
  if (Real tail = 0; StudentTFarTail(df, x, tail)) return x > 0 ? tail : 1 - tail;
  return BoostProbability(
      [&] { return bm::cdf(bm::complement(bm::students_t_distribution<Real>(df), x)); });
}
// F(x) - 1/2 is sign(x) I_w(1/2, df/2) / 2 with w = x^2 / (df + x^2). Within this distance of
// the centre x^2 would underflow; there it is x times the density at 0, to the last bit.
constexpr Real kCentreDistance = 1e-2000L;

Real StudentTDensityAtZero(std::int32_t df) {
  return 1 / (std::sqrt(Real(df)) * bm::beta(Real(df) / 2, Real(0.5)));
}

Real StudentTCentered(std::int32_t df, Real x) {
  if (df < 1) return StudentTCDF(df, x) - 0.5L;
  return BoostCall([&] {
    if (std::fabs(x) < kCentreDistance) return x * StudentTDensityAtZero(df);
    if (Real tail = 0; StudentTFarTail(df, x, tail)) return x > 0 ? 0.5L - tail : tail - 0.5L;
    const Real w = x * x / (Real(df) + x * x);
    const Real half = bm::ibeta(Real(0.5), Real(df) / 2, w) / 2;
    return x > 0 ? half : -half;
  });
}
// Below this F - 1/2, Boost's ibeta_inv may fail to converge (4 degrees of freedom at 1e-11);
// Newton's steps from c over the density at 0 take two or three steps there.
constexpr Real kSmallCentred = 1e-6L;
constexpr int kMaxCentredSteps = 8;

Real StudentTInvCentered(std::int32_t df, Real c) {
  if (df < 1) return InverseStudentTLower(df, c + 0.5L);
  return BoostCall([&] {
    const Real density = StudentTDensityAtZero(df);
    if (std::fabs(c) < kCentreDistance * density) return c / density;
    if (std::fabs(c) < kSmallCentred) {
      Real x = c / density;
      for (int step = 0; step < kMaxCentredSteps; ++step) {
        const Real delta = (StudentTCentered(df, x) - c) / StudentTDensity(df, x);
        x -= delta;
        if (std::fabs(delta) <= std::fabs(x) * LDBL_EPSILON) break;
      }
      return x;
    }
    const Real w = bm::ibeta_inv(Real(0.5), Real(df) / 2, 2 * std::fabs(c));
    const Real x = std::sqrt(Real(df) * w / (1 - w));
    return c > 0 ? x : -x;
  });
}

Real StudentTInvLower(std::int32_t df, Real t) {
  if (df < 1) return InverseStudentTLower(df, t);
  return BoostCall([&] { return bm::quantile(bm::students_t_distribution<Real>(df), t); });
}
Real StudentTInvUpper(std::int32_t df, Real t) {
  if (df < 1) return InverseStudentTUpper(df, t);
  return BoostCall(
      [&] { return bm::quantile(bm::complement(bm::students_t_distribution<Real>(df), t)); });
}

// A bound below 0 or fewer than one degree of freedom is the classic bad-parameter error.
Real ChiSquaredF(std::int32_t df, Real x) {
  if (df < 1 || x < 0) return 1 - ChiSquaredUpper(df, ToSingle(x));
  if (x < kTinyChiSquared) return TinyChiSquaredF(df, x);
  if (GammaLowerVanishes(Real(df) / 2, x / 2)) return 0;
  if (InLargeShapeZones(Real(df) / 2, x / 2)) {
    return BoostProbability([&] { return LargeShapeGammaTail(false, Real(df) / 2, x / 2); });
  }
  return BoostProbability([&] { return bm::cdf(bm::chi_squared_distribution<Real>(df), x); });
}
Real ChiSquaredQ(std::int32_t df, Real x) {
  if (df < 1 || x < 0) return ChiSquaredUpper(df, ToSingle(x));
  if (x < kTinyChiSquared) return 1 - TinyChiSquaredF(df, x);
  if (GammaLowerVanishes(Real(df) / 2, x / 2)) return 1;
  if (InLargeShapeZones(Real(df) / 2, x / 2)) {
    return BoostProbability([&] { return LargeShapeGammaTail(true, Real(df) / 2, x / 2); });
  }
  return BoostProbability(
      [&] { return bm::cdf(bm::complement(bm::chi_squared_distribution<Real>(df), x)); });
}
Real ChiSquaredInvLower(std::int32_t df, Real t) {
  if (df < 1) return InverseChiSquared(df, ToSingle(1 - t));
  if (Real(df) / 2 > kLargeGammaShape && t > 0 && t < 1) {
    return BoostCall([&] { return 2 * LargeShapeGammaRoot(false, Real(df) / 2, t); });
  }
  return BoostCall([&] { return bm::quantile(bm::chi_squared_distribution<Real>(df), t); });
}
Real ChiSquaredInvUpper(std::int32_t df, Real t) {
  if (df < 1) return InverseChiSquared(df, ToSingle(t));
  if (Real(df) / 2 > kLargeGammaShape && t > 0 && t < 1) {
    return BoostCall([&] { return 2 * LargeShapeGammaRoot(true, Real(df) / 2, t); });
  }
  return BoostCall(
      [&] { return bm::quantile(bm::complement(bm::chi_squared_distribution<Real>(df), t)); });
}

// A bound of 0 or below, or fewer than one degree of freedom, keeps the classic error text.
Real FDistF(std::int32_t df1, std::int32_t df2, Real x) {
  if (df1 < 1 || df2 < 1 || x <= 0) return FCDF(ToUnsignedDf(df1), ToUnsignedDf(df2), x);
  return BoostProbability([&] {
    if (df1 == 1 && df2 == 1) return OneOneFTail(x, false);
    const Real a = Real(df1) / 2, b = Real(df2) / 2;
    if (LargeShapesFApplies(a, b) && std::isfinite(x)) {
      if (Real tail = 0; FTailAtLimit(a, b, x, false, tail)) return tail;
      return LargeShapesFTail(a, b, x, false);
    }
    return bm::cdf(bm::fisher_f_distribution<Real>(df1, df2), x);
  });
}
Real FDistQ(std::int32_t df1, std::int32_t df2, Real x) {
  if (df1 < 1 || df2 < 1 || x <= 0) return 1 - FCDF(ToUnsignedDf(df1), ToUnsignedDf(df2), x);
  return BoostProbability([&] {
    if (df1 == 1 && df2 == 1) return OneOneFTail(x, true);
    const Real a = Real(df1) / 2, b = Real(df2) / 2;
    if (LargeShapesFApplies(a, b) && std::isfinite(x)) {
      if (Real tail = 0; FTailAtLimit(a, b, x, true, tail)) return tail;
      return LargeShapesFTail(a, b, x, true);
    }
    return bm::cdf(bm::complement(bm::fisher_f_distribution<Real>(df1, df2), x));
  });
}
Real FDistInvLower(std::int32_t df1, std::int32_t df2, Real t) {
  if (df1 < 1 || df2 < 1) return InverseF(df1, df2, ToSingle(1 - t));
  if (Real f = 0; BoostCall([&] { return TwoDegreesRoot(df1, df2, t, false, f) ? 1 : 0; }) != 0) {
    return f;
  }
  const Real a = Real(df1) / 2, b = Real(df2) / 2;
  if (SmallBetaRoot(a, b, t)) {
    return BoostCall([&] {
      const Real x = BetaRootFromSeries(a, b, t);
      return b * x / (a * (1 - x));
    });
  }
  // With the first shape the huge one (and the second not large as well), F's lower tail is
  // the upper tail of the beta(b, a) at y = 1 - x, whose second shape is then the huge one.
  if (!LargeShapesFApplies(a, b) && LargeSecondShape(b, a) && t > 0 && t < 1) {
    return BoostCall([&] {
      const Real y = BetaUpperRootFromGamma(b, a, t);
      return b * (1 - y) / (a * y);
    });
  }
  return BoostCall([&] {
    Real f = 0;
    if (LargeShapesFApplies(a, b) && LargeShapesFRoot(a, b, t, false, f)) return f;
    return bm::quantile(bm::fisher_f_distribution<Real>(df1, df2), t);
  });
}
Real FDistInvUpper(std::int32_t df1, std::int32_t df2, Real t) {
  if (df1 < 1 || df2 < 1) return InverseF(df1, df2, ToSingle(t));
  if (Real f = 0; BoostCall([&] { return TwoDegreesRoot(df1, df2, t, true, f) ? 1 : 0; }) != 0) {
    return f;
  }
  const Real a = Real(df1) / 2, b = Real(df2) / 2;
  // The upper tail of F(df1, df2) at f is the lower tail of the beta(b, a) at y = 1 - x.
  if (SmallBetaRoot(b, a, t)) {
    return BoostCall([&] {
      const Real y = BetaRootFromSeries(b, a, t);
      return b * (1 - y) / (a * y);
    });
  }
  if (LargeShapesFApplies(a, b) && t > 0 && t < 1) {
    Real f = 0;
    if (BoostCall([&] { return LargeShapesFRoot(a, b, t, true, f) ? 1 : 0; }) != 0) return f;
  }
  if (LargeSecondShape(a, b) && t > 0 && t < 1) {
    return BoostCall([&] {
      const Real x = BetaUpperRootFromGamma(a, b, t);
      return b * x / (a * (1 - x));
    });
  }
  return BoostCall(
      [&] { return bm::quantile(bm::complement(bm::fisher_f_distribution<Real>(df1, df2), t)); });
}

// A negative number of trials keeps the classic answer.
Real BinomialE(std::int32_t n, Real p, std::int64_t k) {
  if (n < 0) return BinomialProb(n, ToInt32(k), p);
  if (k < 0 || k > n) return 0;
  if (IsVanishing(p)) return k == 0 ? 1 : k == 1 ? n * p : 0;
  if (PoissonMassVanishes(n * p, k)) return 0;
  return BoostProbability(
      [&] { return bm::pdf(bm::binomial_distribution<Real>(n, p), static_cast<Real>(k)); });
}
Real BinomialL(std::int32_t n, Real p, std::int64_t k) {
  if (n < 0) return BinomialLess(n, ToInt32(k), p);
  if (k <= 0) return 0;
  if (k > n) return 1;
  if (IsVanishing(p) || PoissonMassVanishes(n * p, k)) return 1;
  return BoostProbability(
      [&] { return bm::cdf(bm::binomial_distribution<Real>(n, p), static_cast<Real>(k - 1)); });
}
Real BinomialG(std::int32_t n, Real p, std::int64_t k) {
  if (n < 0) return BinomialGreater(n, ToInt32(k), p);
  if (k < 0) return 1;
  if (k >= n) return 0;
  if (IsVanishing(p)) return k == 0 ? n * p : 0;
  if (PoissonMassVanishes(n * p, k + 1)) return 0;
  return BoostProbability([&] {
    return bm::cdf(bm::complement(bm::binomial_distribution<Real>(n, p), static_cast<Real>(k)));
  });
}

// A mean of 0 puts the whole mass at 0; a negative one keeps the classic answer.
Real PoissonE(Real lambda, std::int64_t k) {
  if (lambda < 0) return PoissonProb(ToInt32(k), lambda);
  if (k < 0) return 0;
  if (lambda == 0) return k == 0 ? 1 : 0;
  if (PoissonMassVanishes(lambda, k)) return 0;
  return BoostProbability(
      [&] { return bm::pdf(bm::poisson_distribution<Real>(lambda), static_cast<Real>(k)); });
}
Real PoissonL(Real lambda, std::int64_t k) {
  if (lambda < 0) return PoissonLess(ToInt32(k), lambda);
  if (k <= 0) return 0;
  if (lambda == 0) return 1;
  if (PoissonMassVanishes(lambda, k)) return 1;
  if (const Real a = static_cast<Real>(k); InLargeShapeZones(a, lambda)) {
    return BoostProbability([&] { return LargeShapeGammaTail(true, a, lambda); });
  }
  return BoostProbability(
      [&] { return bm::cdf(bm::poisson_distribution<Real>(lambda), static_cast<Real>(k - 1)); });
}
Real PoissonG(Real lambda, std::int64_t k) {
  if (lambda < 0) {
    return PoissonGreater(ToInt32(std::clamp<std::int64_t>(k, -1, INT32_MAX - 1)), lambda);
  }
  if (k < 0) return 1;
  if (lambda == 0) return 0;
  if (k < INT64_MAX && PoissonMassVanishes(lambda, k + 1)) return 0;
  if (const Real a = static_cast<Real>(k) + 1; InLargeShapeZones(a, lambda)) {
    return BoostProbability([&] { return LargeShapeGammaTail(false, a, lambda); });
  }
  return BoostProbability([&] {
    return bm::cdf(bm::complement(bm::poisson_distribution<Real>(lambda), static_cast<Real>(k)));
  });
}

}  // namespace zudira::precise
