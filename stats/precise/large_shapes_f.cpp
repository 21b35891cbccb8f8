// F with both counts large. It calls only Boost.Math's public functions (ibeta, ibetac,
// ibeta_derivative, erfc_inv, Gauss-Legendre quadrature), but its zones and corrections were
// chosen against the speed and rounding measured on Boost 1.74 (Debian 12's libboost-math-dev
// 1.74.0.3). The route's tests pin it against Boost's own cdf and quantile where those are right.
#include "stats/precise/large_shapes_f.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include <boost/math/quadrature/gauss.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/erf.hpp>

#include "stats/negative_binomial.h"

namespace zudira::precise {

namespace bm = boost::math;

namespace {

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

}  // namespace

bool LargeShapesFApplies(Real a, Real b) {
  return CentralBeta::Applies(a, b);
}

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

namespace {

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

}  // namespace

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

}  // namespace zudira::precise
