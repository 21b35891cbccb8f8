#include "stats/precise/counting_distributions.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <boost/math/distributions/geometric.hpp>
#include <boost/math/distributions/negative_binomial.hpp>
#include <boost/math/quadrature/gauss.hpp>
#include <boost/math/special_functions/digamma.hpp>
#include <boost/math/special_functions/trigamma.hpp>

#include "stats/negative_binomial.h"
#include "stats/precise/boost_call.h"
#include "stats/precise/large_shapes_f.h"
#include "stats/unimodal_sum.h"

namespace zudira::precise {

namespace bm = boost::math;

std::int64_t Hypergeometric::First() const {
  return std::max<std::int64_t>(0, std::int64_t{draws} + successes - population);
}
std::int64_t Hypergeometric::Last() const {
  return std::min(draws, successes);
}

// Boost 1.74's hypergeometric forms its mass from factorials or prime factors (65 us at
// N = 1000, 20 ms at N = 1e8) and its tails call it again, seconds at N = 2e9. The mass here is
// R's dhyper form b(k; K, p) b(n - k; N - K, p) / b(n; N, p) with p = n / N, each binomial
// term in Loader's saddle-point form (right to about 1e-17). A tail is summed from its bound
// away from the mode by the ratio of neighbouring terms, as Boost's cdf does: the side that
// holds no mode is summed and the other is 1 minus it, so the small tail keeps its digits.
// Near the mode that takes some 10 standard deviations of terms (20 us at N = 1e6, 1 ms at
// N = 2e9 with half drawn), so where the standard deviation is large and the terms at the bound
// still change slowly the tail is taken by Euler-Maclaurin instead (EulerMaclaurinSum).
namespace {

// b(x; m, p) = C(m, x) p^x q^(m - x) for 0 <= x <= m, q = 1 - p given apart.
Real BinomialTerm(Real m, Real x, Real p, Real q) {
  if (x == 0) return NegativeBinomialTerm(m, 0, q, p);
  return m / x * NegativeBinomialTerm(x, m - x, p, q);
}

Real Mass(const Hypergeometric& h, std::int64_t k) {
  const Real population = h.population;
  const Real successes = h.successes;
  const Real draws = h.draws;
  const Real p = draws / population;
  const Real q = (population - draws) / population;
  const Real x = static_cast<Real>(k);
  return BinomialTerm(successes, x, p, q) * BinomialTerm(population - successes, draws - x, p, q) /
         BinomialTerm(population, draws, p, q);
}

std::int64_t Mode(const Hypergeometric& h) {
  return static_cast<std::int64_t>((Real(h.draws) + 1) * (Real(h.successes) + 1) /
                                   (Real(h.population) + 2));
}

// head (1 + r_1 + r_1 r_2 + ...) over `steps` ratios r_i = a_i / b_i of neighbouring terms,
// from the term at x0 moving by `step`; a and b are whole numbers below 2^64, exact here. The
// terms are kept as fractions u / v and their sum as s / v, so that a step takes products
// alone (a division per term took four times as long); every kBlock steps the fractions are
// reduced and the sum stops once its ratios fall below 1 and the rest is below
// u r / (1 - r).
template <class Factors>
Real SumOfTerms(Real head, Real x0, int step, std::int64_t steps, Factors factors) {
  constexpr std::int64_t kBlock = 64;
  Real u = 1, v = 1, s = 1, a = 0, b = 0;
  Real x = x0;
  for (std::int64_t i = 0; i < steps;) {
    for (const std::int64_t end = std::min(steps, i + kBlock); i < end; ++i, x += step) {
      factors(x, a, b);
      u *= a;
      v *= b;
      s = s * b + u;
    }
    u /= v;
    s /= v;
    v = 1;
    if (i >= steps || !(u > 0)) break;
    factors(x, a, b);
    const Real ratio = a / b;
    if (ratio < 1 && u * ratio <= kNegligibleTail * s * (1 - ratio)) break;
  }
  return head * s;
}

// Euler-Maclaurin applies above this standard deviation, while the terms at the bound shrink
// by less than this logarithm per step (else they die out within some 200 steps anyway).
constexpr Real kEulerMaclaurinDeviation = 300;
constexpr Real kEulerMaclaurinSlope = 0.25L;

Real Variance(const Hypergeometric& h) {
  const Real population = h.population;
  const Real p = Real(h.successes) / population;
  const Real drawn = Real(h.draws) / population;
  return Real(h.draws) * p * (1 - p) * (1 - drawn) * population / (population - 1);
}

// ln Gamma(z) - (z - 1/2) ln z + z - ln(2 pi) / 2 for z >= 1000 (next term below 1e-30).
Real GammaStirlingError(Real z) {
  const Real zz = z * z;
  return (1.0L / 12 -
          (1.0L / 360 - (1.0L / 1260 - (1.0L / 1680 - 1.0L / (1188 * zz)) / zz) / zz) / zz) /
         z;
}

// (a + t) ln(1 + t / a) - t for |t| <= a / 20, by the series in v = t / (2a + t), which keeps
// the digits that the direct form cancels.
Real ShiftDeviance(Real a, Real t) {
  const Real v = t / (2 * a + t);
  Real sum = t * v;
  Real term = 2 * (a + t) * v;
  for (int j = 1; j < 60; ++j) {
    term *= v * v;
    const Real next = sum + term / (2 * j + 1);
    if (next == sum) break;
    sum = next;
  }
  return sum;
}

constexpr int kOrders = 11;  // the Euler-Maclaurin corrections up to B_12

// Where the mass at x0 + step d for real d >= 0 is the mass at x0 times exp(l(d)), with
// l(d) = -sum_i [ln Gamma(a_i + s_i d) - ln Gamma(a_i)] over the four factorials of
// C(K, x) C(N - K, n - x) / C(N, n), s_i = +-1.
struct FactorialSteps {
  Real a[4];
  Real sign[4];
};

// Derivatives of l at 0, from -sum_i s_i^m psi^(m-1)(a_i); beyond the fourth they are below
// 1e-11 for factorials this large and enter the corrections below another 1e-4. The second
// and third polygamma by their asymptotic series (Boost's polygamma takes one or two
// microseconds for each).
void LogMassDerivatives(const FactorialSteps& f, Real (&dl)[kOrders + 1]) {
  for (int i = 0; i < 4; ++i) {
    const Real r = 1 / f.a[i];
    const Real rr = r * r;
    const Real tetragamma = -rr * (1 + r * (1 + r * (0.5L - rr * (1.0L / 6 - rr / 6))));
    const Real pentagamma = rr * r * (2 + r * (3 + r * (2 - rr * (1 - rr * 4 / 3))));
    dl[1] -= f.sign[i] * boost::math::digamma(f.a[i]);
    dl[2] -= boost::math::trigamma(f.a[i]);
    dl[3] -= f.sign[i] * tetragamma;
    dl[4] -= pentagamma;
  }
}

// The quadratic model -l ~ c d + w d^2 / 2 places the integral's panels; At(level) solves it.
struct PanelScale {
  Real c;
  Real w;
  Real At(Real level) const { return 2 * level / (c + std::sqrt(c * c + 2 * w * level)); }
};
constexpr Real kPanelFall = 20;
constexpr int kPanels = 3;  // exp(-60) of the start is past the last digit

// The integral of exp(l) over d >= 0 by Gauss-Legendre panels, each spanning a fall of 20 in l.
Real RelativeMassIntegral(const FactorialSteps& f, const PanelScale& scale) {
  const Real* a = f.a;
  const Real* sign = f.sign;
  // sum s_i ln a_i as one logarithm of a quotient of exact products (each below 2^63).
  const Real up = (sign[0] > 0 ? a[0] * a[3] : a[1] * a[2]);
  const Real down = (sign[0] > 0 ? a[1] * a[2] : a[0] * a[3]);
  const Real slope = std::log(up / down);
  Real stirling[4];
  for (int i = 0; i < 4; ++i) stirling[i] = GammaStirlingError(a[i]);
  auto relative_mass = [&](Real d) {
    Real l = -d * slope;
    Real growth = 1;  // prod (1 + t_i / a_i), within 20% of 1: one logarithm for the four
    for (int i = 0; i < 4; ++i) {
      const Real t = sign[i] * d;
      l -= ShiftDeviance(a[i], t) + GammaStirlingError(a[i] + t) - stirling[i];
      growth *= 1 + t / a[i];
    }
    return std::exp(l + std::log(growth) / 2);
  };
  Real integral = 0;
  for (int panel = 0; panel < kPanels; ++panel) {
    integral += boost::math::quadrature::gauss<Real, 20>::integrate(
        relative_mass, scale.At(kPanelFall * panel), scale.At(kPanelFall * (panel + 1)));
  }
  return integral;
}

// `sum` less sum_j B_2j / (2j)! (exp(l))^(2j-1)(0), with y_m = (exp(l))^(m)(0) by
// y_(m+1) = sum_i C(m, i) l^(i+1) y_(m-i).
Real LessEndCorrections(Real sum, const Real (&dl)[kOrders + 1]) {
  Real y[kOrders + 1] = {1};
  for (int m = 0; m < kOrders; ++m) {
    Real binomial = 1;
    for (int i = 0; i <= m; ++i) {
      y[m + 1] += binomial * dl[i + 1] * y[m - i];
      binomial = binomial * (m - i) / (i + 1);
    }
  }
  constexpr Real kBernoulliOverFactorial[] = {1.0L / 12,       -1.0L / 720,
                                              1.0L / 30240,    -1.0L / 1209600,
                                              1.0L / 47900160, -691.0L / 1307674368000};
  for (int j = 0; j < 6; ++j) sum -= kBernoulliOverFactorial[j] * y[2 * j + 1];
  return sum;
}

// The sum S of the masses at x0, x0 + step, x0 + 2 step, ... relative to the mass at x0:
//   S = integral_0^inf exp(l) + 1/2 - sum_j B_2j / (2j)! (exp(l))^(2j-1)(0).
// Returns S, or NaN where this does not apply: a small standard deviation, a steep start, or
// factorials near 0 within reach.
Real EulerMaclaurinSum(const Hypergeometric& h, std::int64_t x0, int step, Real start_ratio) {
  const Real variance = Variance(h);
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  if (!(variance > kEulerMaclaurinDeviation * kEulerMaclaurinDeviation) ||
      !(start_ratio > std::exp(-kEulerMaclaurinSlope))) {
    return nan;
  }
  const Real x = static_cast<Real>(x0);
  const Real n = h.draws, big_k = h.successes, rest = Real(h.population) - h.successes;
  const Real s = step;
  const FactorialSteps f{{x + 1, big_k - x + 1, n - x + 1, rest - n + x + 1}, {s, -s, -s, s}};
  Real dl[kOrders + 1] = {};
  LogMassDerivatives(f, dl);
  const PanelScale scale{-dl[1], -dl[2]};
  const Real reach = scale.At(kPanelFall * kPanels);
  for (const Real ai : f.a) {
    if (!(ai >= 1000 && reach <= ai / 20)) return nan;
  }
  return LessEndCorrections(RelativeMassIntegral(f, scale) + 0.5L, dl);
}

// P(X <= last) for last below the mode, summed down towards the support's first count.
Real LowerSum(const Hypergeometric& h, std::int64_t last) {
  const Real n = h.draws, big_k = h.successes, rest = Real(h.population) - h.successes;
  const Real top = static_cast<Real>(last);
  const Real ratio = top * (rest - n + top) / ((n - top + 1) * (big_k - top + 1));
  if (const Real sum = EulerMaclaurinSum(h, last, -1, ratio); !std::isnan(sum)) {
    return Mass(h, last) * sum;
  }
  return SumOfTerms(Mass(h, last), static_cast<Real>(last), -1, last - h.First(),
                    [&](Real x, Real& a, Real& b) {
                      a = x * (rest - n + x);
                      b = (n - x + 1) * (big_k - x + 1);
                    });
}

// P(X >= first) for first above the mode, the mirror of LowerSum.
Real UpperSum(const Hypergeometric& h, std::int64_t first) {
  const Real n = h.draws, big_k = h.successes, rest = Real(h.population) - h.successes;
  const Real bottom = static_cast<Real>(first);
  const Real ratio = (n - bottom) * (big_k - bottom) / ((bottom + 1) * (rest - n + bottom + 1));
  if (const Real sum = EulerMaclaurinSum(h, first, 1, ratio); !std::isnan(sum)) {
    return Mass(h, first) * sum;
  }
  return SumOfTerms(Mass(h, first), static_cast<Real>(first), 1, h.Last() - first,
                    [&](Real x, Real& a, Real& b) {
                      a = (n - x) * (big_k - x);
                      b = (x + 1) * (rest - n + x + 1);
                    });
}

// P(X <= last) for a last inside the support, not at its end.
Real LowerTail(const Hypergeometric& h, std::int64_t last) {
  return last < Mode(h) ? LowerSum(h, last) : 1 - UpperSum(h, last + 1);
}
Real UpperTail(const Hypergeometric& h, std::int64_t last) {
  return last < Mode(h) ? 1 - LowerSum(h, last) : UpperSum(h, last + 1);
}

}  // namespace

Real HypergeometricE(const Hypergeometric& h, std::int64_t k) {
  if (k < h.First() || k > h.Last()) return 0;
  if (h.First() == h.Last()) return 1;
  return BoostProbability([&] { return Mass(h, k); });
}
Real HypergeometricL(const Hypergeometric& h, std::int64_t k) {
  if (k <= h.First()) return 0;
  if (k > h.Last()) return 1;
  return BoostProbability([&] { return LowerTail(h, k - 1); });
}
Real HypergeometricG(const Hypergeometric& h, std::int64_t k) {
  if (k < h.First()) return 1;
  if (k >= h.Last()) return 0;
  return BoostProbability([&] { return UpperTail(h, k); });
}

// Boost counts the failures before the first success, k - 1 here. Its tails are formed
// through log1p(-p); its mass multiplies by pow(1 - p, k), which loses a digit per decade of
// k for a small p, so the mass is p times the tail beyond k - 1 trials instead. With p = 1
// the first trial succeeds for certain (Boost's log1p(-1) is a pole).
Real GeometricE(Real p, std::int64_t k) {
  if (k < 1) return 0;
  if (k == 1) return p;
  return p * GeometricG(p, k - 1);
}
Real GeometricL(Real p, std::int64_t k) {
  if (k <= 1) return 0;
  if (p == 1) return 1;
  return BoostProbability(
      [&] { return bm::cdf(bm::geometric_distribution<Real>(p), static_cast<Real>(k - 2)); });
}
Real GeometricG(Real p, std::int64_t k) {
  if (k < 1) return 1;
  if (p == 1) return 0;
  return BoostProbability([&] {
    return bm::cdf(bm::complement(bm::geometric_distribution<Real>(p), static_cast<Real>(k - 1)));
  });
}

// Boost's tails are I_p(r, k + 1) and its complement; with p = 1 no failure comes before the
// r-th success. With both shapes large Boost's ibeta slows near the centre (40 us at 1e6,
// 500 us at 2e9) and its mass (ibeta_derivative) rounds to 1e-11; there the tails take the
// F route of the same beta, f = (k + 1) p / (r q), and the mass Loader's term. Far out, where
// that route's saddle-point forms would meet the ends of the extended range, Boost is quick.
namespace {

constexpr Real kFRouteDeviations = 30;

bool LargeShapes(std::int32_t r, Real p, std::int64_t k) {
  const Real a = r;
  const Real b = static_cast<Real>(k) + 1;
  if (!LargeShapesFApplies(a, b)) return false;
  const Real sd = std::sqrt(a * b / (a + b + 1)) / (a + b);
  return std::fabs(p - a / (a + b)) <= kFRouteDeviations * sd;
}
Real NegativeBinomialFTail(std::int32_t r, Real p, std::int64_t k, bool upper) {
  const Real b = static_cast<Real>(k) + 1;
  return LargeShapesFTail(Real(r), b, b * p / (Real(r) * (1 - p)), upper);
}

// Boost's negative binomial overflows for p near the smallest extended number. Below this p,
// C(r + k - 1, k) p^r (1 - p)^k is p to the last bit for r = 1 (k p is far below the rounding
// of 1 for every 64-bit k), and below the smallest extended number for r >= 2.
constexpr Real kVanishingProbability = 1e-4000L;

bool IsVanishing(Real p) {
  return p < kVanishingProbability;
}

}  // namespace

Real NegativeBinomialE(std::int32_t r, Real p, std::int64_t k) {
  if (k < 0) return 0;
  if (p == 1) return k == 0 ? 1 : 0;
  if (IsVanishing(p)) return r == 1 ? p : 0;
  if (LargeShapes(r, p, k)) {
    return BoostProbability(
        [&] { return NegativeBinomialTerm(Real(r), static_cast<Real>(k), p, 1 - p); });
  }
  return BoostProbability([&] {
    return bm::pdf(bm::negative_binomial_distribution<Real>(r, p), static_cast<Real>(k));
  });
}
Real NegativeBinomialL(std::int32_t r, Real p, std::int64_t k) {
  if (k <= 0) return 0;
  if (p == 1) return 1;
  if (IsVanishing(p)) return r == 1 ? static_cast<Real>(k) * p : 0;
  if (LargeShapes(r, p, k - 1)) {
    return BoostProbability([&] { return NegativeBinomialFTail(r, p, k - 1, false); });
  }
  return BoostProbability([&] {
    return bm::cdf(bm::negative_binomial_distribution<Real>(r, p), static_cast<Real>(k - 1));
  });
}
Real NegativeBinomialG(std::int32_t r, Real p, std::int64_t k) {
  if (k < 0) return 1;
  if (p == 1) return 0;
  if (IsVanishing(p)) return 1;
  if (LargeShapes(r, p, k)) {
    return BoostProbability([&] { return NegativeBinomialFTail(r, p, k, true); });
  }
  return BoostProbability([&] {
    return bm::cdf(
        bm::complement(bm::negative_binomial_distribution<Real>(r, p), static_cast<Real>(k)));
  });
}

}  // namespace zudira::precise
