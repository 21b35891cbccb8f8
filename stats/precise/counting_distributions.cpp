#include "stats/precise/counting_distributions.h"

#include <algorithm>
#include <cmath>

#include <boost/math/distributions/geometric.hpp>
#include <boost/math/distributions/negative_binomial.hpp>

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
// Near the mode that takes some 10 standard deviations of terms: 20 us at N = 1e6 with 30%
// drawn, 1 ms at N = 2e9 with half drawn (measured on the build machine).
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
    if (ratio < 1 && u * ratio <= NegligibleTail * s * (1 - ratio)) break;
  }
  return head * s;
}

// P(X <= last) for last below the mode, summed down towards the support's first count.
Real LowerSum(const Hypergeometric& h, std::int64_t last) {
  const Real n = h.draws, big_k = h.successes, rest = Real(h.population) - h.successes;
  return SumOfTerms(Mass(h, last), static_cast<Real>(last), -1, last - h.First(),
                    [&](Real x, Real& a, Real& b) {
                      a = x * (rest - n + x);
                      b = (n - x + 1) * (big_k - x + 1);
                    });
}

// P(X >= first) for first above the mode, the mirror of LowerSum.
Real UpperSum(const Hypergeometric& h, std::int64_t first) {
  const Real n = h.draws, big_k = h.successes, rest = Real(h.population) - h.successes;
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
