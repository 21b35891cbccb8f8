#include "stats/precise/precise_distributions.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/quadrature/gauss.hpp>
#include <boost/math/special_functions/detail/ibeta_inverse.hpp>
#include <boost/math/special_functions/detail/igamma_inverse.hpp>
#include <boost/math/special_functions/detail/igamma_large.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/tools/roots.hpp>

#include "stats/binomial.h"
#include "stats/chi_squared.h"
#include "stats/exponential.h"
#include "stats/f_distribution.h"
#include "stats/negative_binomial.h"
#include "stats/normal.h"
#include "stats/poisson.h"
#include "stats/precise/boost_call.h"
#include "stats/precise/precise_densities.h"
#include "stats/student_t.h"

namespace zudira::precise {

namespace bm = boost::math;

namespace {

float ToSingle(Real x) {
  return static_cast<float>(std::clamp<Real>(x, -FLT_MAX, FLT_MAX));
}

std::int32_t ToInt32(std::int64_t k) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      k, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::uint32_t ToUnsignedDf(std::int32_t df) {
  return df < 0 ? 0u : static_cast<std::uint32_t>(df);
}

bool NormalDomain(Real sdev) {
  return sdev > 0 && std::isfinite(sdev);
}

// Boost 1.74's incomplete gamma picks its large-x series whenever x > 1000 and x > a - 50, even
// where a and x are so close that the series needs some 10^5 terms (a chi-squared tail at 10^9
// degrees of freedom: 0.3 ms). For a > 200 Temme's large-a expansion is called directly
// wherever |x - a| / a < 0.4, the zone in which Boost trusts its 64-bit form at smaller a: it
// gives the smaller tail, P(a, x) below a and Q(a, x) from a on. Boost itself keeps to tails
// above about 1e-6 there (((x - a) / a)^2 < 20 / a), because the expansion's leading erfc term
// magnifies the rounding of its argument as the tail shrinks; at a tail of 1e-300 that is still
// below 1e-15 relative, far inside the precise answers' 1e-12, and a lower far tail at 10^9
// degrees of freedom no longer takes Boost's series of some 10^4 terms.
constexpr int kExtendedBits = std::numeric_limits<Real>::digits;
static_assert(kExtendedBits == 64, "the 64-bit form of Temme's expansion is the one called");

constexpr Real kTemmeSigma = 0.4L;

bool InTemmeZone(Real a, Real x) {
  const Real sigma = (x - a) / a;
  return a > 200 && std::fabs(sigma) < kTemmeSigma;
}

// Past that zone above a, where Boost would take its continued fraction for Q but for the same
// large-x series, the fraction is called directly: a few dozen steps.
bool InFractionZone(Real a, Real x) {
  return a > 200 && std::isfinite(x) && x - 1 / (3 * x) >= a && !InTemmeZone(a, x);
}

// P(a, x) or Q(a, x) for a pair in one of the two zones.
Real LargeShapeGammaTail(bool upper, Real a, Real x) {
  const bm::policies::policy<> policy;
  if (InTemmeZone(a, x)) {
    const Real smaller = bm::detail::igamma_temme_large(
        a, x, policy, static_cast<const boost::integral_constant<int, kExtendedBits>*>(nullptr));
    return upper == (x >= a) ? smaller : 1 - smaller;
  }
  using Lanczos = bm::lanczos::lanczos<Real, bm::policies::policy<>>::type;
  Real q = bm::detail::regularised_gamma_prefix(a, x, policy, Lanczos());
  if (q != 0) {
    q *= bm::detail::upper_gamma_fraction(
        a, x, bm::policies::get_epsilon<Real, bm::policies::policy<>>());
  }
  return upper ? q : 1 - q;
}

// Poisson tails are incomplete gammas too, P(X < k) = Q(k, lambda) and P(X > k) =
// P(k + 1, lambda), and near the centre of a huge mean Boost takes the same long series there
// (2.5 ms at a mean of 2^31): they take the same two zones.
bool InLargeShapeZones(Real a, Real x) {
  return InTemmeZone(a, x) || InFractionZone(a, x);
}

// Boost's own inverse of the incomplete gamma evaluates its own tails at every Halley step, so
// at some 10^9 degrees of freedom it pays their long series each time (0.8 ms). For a large a
// the same start (Boost's find_inverse_gamma) and the same Halley step to the same digits run
// here on the tails above, which take a microsecond there.
constexpr Real kLargeGammaShape = 200;

struct GammaTailRoot {
  Real a, target;
  bool upper;
  std::tuple<Real, Real, Real> operator()(Real x) const {
    const bm::policies::policy<> policy;
    Real tail = 0;
    if (InTemmeZone(a, x) || InFractionZone(a, x)) {
      tail = LargeShapeGammaTail(upper, a, x);
    } else {
      tail = upper ? bm::gamma_q(a, x, policy) : bm::gamma_p(a, x, policy);
    }
    Real density = bm::gamma_p_derivative(a, x, policy);
    if (upper) density = -density;
    // The density's own derivative is density * ((a - 1) / x - 1).
    const Real slope = x > 0 ? density * ((a - 1) / x - 1) : 0;
    return {tail - target, density, slope};
  }
};

// The x with P(a, x) = t (or Q(a, x) = t for the upper tail), for a above kLargeGammaShape and t
// in (0, 1).
Real LargeShapeGammaRoot(bool upper, Real a, Real t) {
  // Above 1/2 the other tail's target 1 - t is exact, and its root is pinned to the last digit
  // where a tail near 1 would leave a band of roots that all round to t.
  if (t > 0.5L) {
    upper = !upper;
    t = 1 - t;
  }
  const bm::policies::policy<> policy;
  bool has_10_digits = false;
  const Real guess = bm::detail::find_inverse_gamma<Real>(a, upper ? 1 - t : t, upper ? t : 1 - t,
                                                          policy, &has_10_digits);
  std::uintmax_t iterations = bm::policies::get_max_root_iterations<bm::policies::policy<>>();
  const Real lower = bm::tools::min_value<Real>();
  const Real x =
      bm::tools::halley_iterate(GammaTailRoot{a, t, upper}, guess, lower,
                                bm::tools::max_value<Real>(), kExtendedBits / 2 - 1, iterations);
  bm::policies::check_root_iterations<Real>("boost::math::gamma_p_inv<%1%>(%1%, %1%)", iterations,
                                            policy);
  return x;
}

// Boost 1.74's ibeta_inv starts a far-tail target (F's 1e-100 tail) from one of Temme's
// expansions, far above the root, and its Halley steps then close in on a root of x^a by a
// near-constant factor: some 120 steps, 0.2 ms. Where the target meets Boost's own small-root
// test (t^(1/a) < 0.0025) the same Halley step, to the same digits, starts instead from the
// series' leading term (t a B(a, b))^(1/a), the guess Boost uses itself for small roots.
constexpr Real kSmallRootTest = 0.0025L;

// Only for shapes that reach Temme's expansions there (a + b > 5); Boost solves the halves and
// ones it treats apart (Student t, closed forms) well itself.
bool SmallBetaRoot(Real a, Real b, Real t) {
  const auto apart = [](Real s) { return s == 0.5L || s == 1; };
  return a + b > 5 && !apart(a) && !apart(b) && t > 0 && std::pow(t, 1 / a) < kSmallRootTest;
}

// The x with I_x(a, b) = t, for shapes and a target that pass SmallBetaRoot.
Real BetaRootFromSeries(Real a, Real b, Real t) {
  const bm::policies::policy<> policy;
  const Real lower = std::numeric_limits<Real>::min();
  Real x = std::max(std::pow(t * a * bm::beta(a, b, policy), 1 / a), lower);
  int digits = bm::policies::digits<Real, bm::policies::policy<>>() / 2;
  if (x < 1e-50L && (a < 1 || b < 1)) digits = digits * 3 / 2;
  std::uintmax_t iterations = bm::policies::get_max_root_iterations<bm::policies::policy<>>();
  x = bm::tools::halley_iterate(bm::detail::ibeta_roots<Real, bm::policies::policy<>>(a, b, t), x,
                                lower, Real(1), digits, iterations);
  bm::policies::check_root_iterations<Real>("boost::math::ibeta<%1%>(%1%, %1%, %1%)", iterations,
                                            policy);
  return x == lower ? 0 : x;
}

// Boost 1.74's ibeta_inv takes some 60 to 180 microseconds for a small a and a large b with a
// target far from 1/2 (F's upper tail with 3 and 10^6 degrees of freedom at 1e-10 and beyond),
// its Halley steps starting far from the root. For b that large the beta is nearly a gamma
// scaled by b: X = G_a / (G_a + G_b) with G_b close to b, so the root of Q(a, g) = t gives the
// start x = g / (b + g), within about 1/sqrt(b) of the root, and the same Halley step on the
// same function closes in from there in a few iterations.
constexpr Real kLargeBetaShape = 100000;

bool LargeSecondShape(Real a, Real b) {
  return b >= kLargeBetaShape && b >= 100 * a;
}

// The x with 1 - I_x(a, b) = t, for shapes that pass LargeSecondShape and t in (0, 1).
Real BetaUpperRootFromGamma(Real a, Real b, Real t) {
  const bm::policies::policy<> policy;
  const Real lower = std::numeric_limits<Real>::min();
  const Real g = bm::gamma_q_inv(a, t, policy);
  Real x = std::clamp(g / (b + g), lower, Real(1));
  std::uintmax_t iterations = bm::policies::get_max_root_iterations<bm::policies::policy<>>();
  x = bm::tools::halley_iterate(
      bm::detail::ibeta_roots<Real, bm::policies::policy<>>(a, b, t, true), x, lower, Real(1),
      bm::policies::digits<Real, bm::policies::policy<>>() / 2, iterations);
  bm::policies::check_root_iterations<Real>("boost::math::ibetac<%1%>(%1%, %1%, %1%)", iterations,
                                            policy);
  return x == lower ? 0 : x;
}

// Near the centre of a beta with both shapes large, Boost 1.74's ibeta runs its continued
// fraction for some sqrt(a) steps (25 us at a = 5e5, 330 us at 1e9), and its power terms there
// carry a rounding of about a * 2^-64 (3.6e-12 seen at shapes near 1e8; ibeta_derivative is off
// by up to 1.5e-11). Within three standard deviations of the mean a tail is instead the tail at
// eight deviations out, where ibeta is quick and its value negligible, plus the integral of the
// density from there, by Gauss-Legendre quadrature. The density at that far point is Loader's
// saddle-point binomial term (right to 1e-14 here), and at the nodes its exact ratio to it.
// The quadrature is the quicker once one shape reaches 2.5e5 and the other 1e4; below that
// Boost's ibeta is quick everywhere and right to 1e-15.
constexpr Real kCentralShape = 250000;
constexpr Real kCentralSmallerShape = 10000;
constexpr Real kCentralZone = 3;
constexpr Real kAnchorDeviations = 8;
// A Newton step on a tail this small (relative to the distance to the nearer end) leaves an
// error of its square.
constexpr Real kTailRootTolerance = 1e-13L;

// Away from the centre Boost's ibeta is quick, but the same rounding of its power terms stays
// (2.9e-11 seen in tails near 1e-57 at shapes near 1e9). Its tail divided by its own density
// at the same point keeps none of it, and times the saddle-point density the tail is right to
// 1e-14.
Real SaddlePointBetaDensity(Real a, Real b, Real x, Real y) {
  return NegativeBinomialTerm(a, b - 1, x, y) * (a + b - 1) / x;
}

// The mean, standard deviation and skewness of a beta(a, b).
Real BetaMean(Real a, Real b) {
  return a / (a + b);
}
Real BetaSd(Real a, Real b) {
  return std::sqrt(a * b / ((a + b) * (a + b) * (a + b + 1)));
}
Real BetaSkewness(Real a, Real b) {
  return 2 * (b - a) * std::sqrt(a + b + 1) / ((a + b + 2) * std::sqrt(a * b));
}

// A beta(a, b) with a <= b (its mean at most 1/2, so that the variable near it keeps its
// relative precision), on one side of its mean.
class CentralBeta {
 public:
  CentralBeta(Real a, Real b, bool upper)
      : a_(a), b_(b), mean_(BetaMean(a, b)), sd_(BetaSd(a, b)), sign_(upper ? -1 : 1) {
    // The far point on the tail's side, on a grid of 2^-64 so that 1 - x0 is exact.
    x0_ = std::ldexp(std::round(std::ldexp(mean_ - sign_ * kAnchorDeviations * sd_, 64)), -64);
    y0_ = 1 - x0_;
    const bm::policies::policy<> policy;
    tail0_ = upper ? bm::ibetac(a, b, x0_, policy) : bm::ibeta(a, b, x0_, policy);
    density0_ = SaddlePointBetaDensity(a, b, x0_, y0_);
  }

  static bool Applies(Real a, Real b) {
    return std::max(a, b) >= kCentralShape && std::min(a, b) >= kCentralSmallerShape;
  }
  // The tail at distance e from the far point, towards the mean.
  Real TailAt(Real e) const {
    return tail0_ + bm::quadrature::gauss<Real, 30>::integrate([&](Real d) { return DensityAt(d); },
                                                               Real(0), e);
  }
  Real Tail(Real x) const { return TailAt(sign_ * (x - x0_)); }

  // The x whose tail is t, for t in the zone's range of tails: Newton's steps on the
  // distance from the far point, from the normal approximation.
  Real Root(Real t) const {
    // The tail's z, towards the mean negative, with the skewness correction of Cornish-Fisher
    // taken towards the tail's side.
    Real z = -std::sqrt(Real(2)) * bm::erfc_inv(2 * t, bm::policies::policy<>());
    z += sign_ * BetaSkewness(a_, b_) * (z * z - 1) / 6;
    Real e = (kAnchorDeviations + z) * sd_;
    for (int step = 0; step < kMaxSteps; ++step) {
      const Real delta = (TailAt(e) - t) / DensityAt(e);
      e -= delta;
      if (std::fabs(delta) <= kRootTolerance * e) break;
    }
    return x0_ + sign_ * e;
  }

 private:
  static constexpr int kMaxSteps = 20;
  // A step this small leaves an error of its square; smaller ones only chase the rounding of
  // the quadrature (about 1e-16 of the distance).
  static constexpr Real kRootTolerance = 1e-13L;

  Real DensityAt(Real d) const {
    const Real step = sign_ * d;
    return density0_ *
           std::exp((a_ - 1) * std::log1p(step / x0_) + (b_ - 1) * std::log1p(-step / y0_));
  }

  Real a_, b_, mean_, sd_;
  Real sign_;
  Real x0_ = 0, y0_ = 0, tail0_ = 0, density0_ = 0;
};

// The `upper` tail of beta(a, b) at x (with y = 1 - x formed apart), and the tail over the
// density there, for Newton's steps.
struct TailAndScale {
  Real tail, tail_over_density;
};

TailAndScale CorrectedBetaTail(Real a, Real b, Real x, Real y, bool upper) {
  const bm::policies::policy<> policy;
  const Real tail = upper ? bm::ibetac(a, b, x, policy) : bm::ibeta(a, b, x, policy);
  const Real density = bm::ibeta_derivative(a, b, x, policy);
  if (!(density > 0) || !(tail > 0)) return {tail, 0};
  const Real scale = tail / density;
  return {scale * SaddlePointBetaDensity(a, b, x, y), scale};
}

// F with both shapes large, as a beta with its mean at most 1/2: with v = df1 f the beta(a, b)
// variable is v / (df2 + v), and when a > b the beta(b, a) variable df2 / (df2 + v) is taken,
// on which the tails swap.
struct LargeShapesF {
  LargeShapesF(Real a, Real b) : mirrored(a > b), p(mirrored ? b : a), q(mirrored ? a : b) {}
  // The beta tail that is F's `upper` tail.
  bool BetaUpper(bool upper) const { return upper != mirrored; }
  bool mirrored;
  Real p, q;
};

// Answers `upper` of F at f, for shapes that CentralBeta::Applies to.
Real LargeShapesFTail(Real a, Real b, Real f, bool upper) {
  const LargeShapesF shape(a, b);
  const Real v = 2 * a * f;
  const Real df2 = 2 * b;
  const Real x = shape.mirrored ? df2 / (df2 + v) : v / (df2 + v);
  const Real y = shape.mirrored ? v / (df2 + v) : df2 / (df2 + v);
  const Real mean = BetaMean(shape.p, shape.q);
  // The smaller tail, on the side of x, is formed; the other is its complement.
  const bool side_upper = x > mean;
  const Real near = std::fabs(x - mean) < kCentralZone * BetaSd(shape.p, shape.q)
                        ? CentralBeta(shape.p, shape.q, side_upper).Tail(x)
                        : CorrectedBetaTail(shape.p, shape.q, x, y, side_upper).tail;
  return shape.BetaUpper(upper) == side_upper ? near : 1 - near;
}

// Boost's own quantile for shapes this large takes up to 300 us (its Halley steps from its
// start for unequal shapes). Outside the zone the root is found by Newton's steps on the
// logarithm of the corrected tail, from the normal quantile with its skewness correction.
// Below this target the tail leaves Boost's ibeta nothing to work with.
constexpr Real kSmallestNewtonTarget = 1e-4000L;
constexpr int kMaxTailSteps = 60;

Real FarTailBetaRoot(Real p, Real q, Real t, bool upper) {
  const Real mean = BetaMean(p, q);
  const bm::policies::policy<> policy;
  // The z of the tail, towards the tail's side, corrected for skewness (Cornish-Fisher).
  Real z = std::sqrt(Real(2)) * bm::erfc_inv(2 * t, policy);
  if (!upper) z = -z;
  z += BetaSkewness(p, q) * (z * z - 1) / 6;
  Real x =
      std::clamp(mean + z * BetaSd(p, q), std::numeric_limits<Real>::min(), Real(1) - LDBL_EPSILON);
  const Real log_t = std::log(t);
  for (int step = 0; step < kMaxTailSteps; ++step) {
    const TailAndScale at = CorrectedBetaTail(p, q, x, 1 - x, upper);
    if (!(at.tail > 0) || !(at.tail_over_density > 0)) break;
    // d ln T / dx is -density / T on the upper side and density / T on the lower one.
    Real delta = (std::log(at.tail) - log_t) * at.tail_over_density;
    if (!upper) delta = -delta;
    // A step never leaves the unit interval, nor crosses the mean.
    const Real next = std::clamp(x + delta, upper ? mean : x / 2, upper ? (1 + x) / 2 : mean);
    const bool done = std::fabs(next - x) <= kTailRootTolerance * std::min(x, 1 - x);
    x = next;
    if (done) break;
  }
  return x;
}

// The f whose `upper` tail is t, for shapes that CentralBeta::Applies to; false when Boost's
// quantile is left to answer.
bool LargeShapesFRoot(Real a, Real b, Real t, bool upper, Real& f) {
  const LargeShapesF shape(a, b);
  // The smaller of the two tails is solved, on its side.
  const bool beta_upper = shape.BetaUpper(upper);
  const bool side_upper = t <= 0.5L ? beta_upper : !beta_upper;
  const Real target = t <= 0.5L ? t : 1 - t;
  if (!(target >= kSmallestNewtonTarget)) return false;
  // Phi(-3): tails above it have their roots in the zone.
  constexpr Real kZoneTail = 0.0013498980316300946L;
  const Real x = target > kZoneTail ? CentralBeta(shape.p, shape.q, side_upper).Root(target)
                                    : FarTailBetaRoot(shape.p, shape.q, target, side_upper);
  f = shape.mirrored ? b * (1 - x) / (a * x) : b * x / (a * (1 - x));
  return true;
}

// With 2 degrees of freedom on either side F's tails have closed forms, and Boost's quantile
// loses them: with 2 and 2 its upper quantile at 1e-19 comes out 8 % low, and below 1e-20 it
// overflows. With df1 = 2 the upper tail is (1 + 2 f / df2)^(-df2 / 2); with df2 = 2 the lower
// tail is (1 + 2 / (df1 f))^(-df1 / 2). Each is solved through its logarithm, the tail's or its
// complement's by log1p, so neither side loses digits. Sets f and answers true when finite.
bool TwoDegreesRoot(std::int32_t df1, std::int32_t df2, Real t, bool upper, Real& f) {
  if (!(t > 0 && t < 1) || (df1 != 2 && df2 != 2)) return false;
  // Below this y, expm1(y) is y (1 + y / 2) to the last bit, and the form keeps the digits
  // that a subnormal y would lose.
  constexpr Real kTinyExponent = 1e-20L;
  if (df1 == 2) {
    const Real log_upper = upper ? std::log(t) : std::log1p(-t);
    const Real n = df2;
    const Real y = -2 / n * log_upper;
    f = std::fabs(y) < kTinyExponent ? -log_upper * (1 + y / 2) : n / 2 * std::expm1(y);
  } else {
    const Real log_lower = upper ? std::log1p(-t) : std::log(t);
    const Real m = df1;
    const Real y = -2 / m * log_lower;
    f = std::fabs(y) < kTinyExponent ? -1 / (log_lower * (1 + y / 2)) : 2 / (m * std::expm1(y));
  }
  return std::isfinite(f) && f > 0;
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
  if (InTemmeZone(Real(df) / 2, x / 2) || InFractionZone(Real(df) / 2, x / 2)) {
    return BoostProbability([&] { return LargeShapeGammaTail(false, Real(df) / 2, x / 2); });
  }
  return BoostProbability([&] { return bm::cdf(bm::chi_squared_distribution<Real>(df), x); });
}
Real ChiSquaredQ(std::int32_t df, Real x) {
  if (df < 1 || x < 0) return ChiSquaredUpper(df, ToSingle(x));
  if (x < kTinyChiSquared) return 1 - TinyChiSquaredF(df, x);
  if (GammaLowerVanishes(Real(df) / 2, x / 2)) return 1;
  if (InTemmeZone(Real(df) / 2, x / 2) || InFractionZone(Real(df) / 2, x / 2)) {
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
    if (CentralBeta::Applies(a, b) && std::isfinite(x)) {
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
    if (CentralBeta::Applies(a, b) && std::isfinite(x)) {
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
  if (!CentralBeta::Applies(a, b) && LargeSecondShape(b, a) && t > 0 && t < 1) {
    return BoostCall([&] {
      const Real y = BetaUpperRootFromGamma(b, a, t);
      return b * (1 - y) / (a * y);
    });
  }
  return BoostCall([&] {
    Real f = 0;
    if (CentralBeta::Applies(a, b) && LargeShapesFRoot(a, b, t, false, f)) return f;
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
  if (CentralBeta::Applies(a, b) && t > 0 && t < 1) {
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
