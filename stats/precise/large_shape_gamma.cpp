// The large-shape route of the incomplete gamma. It calls Boost.Math's internal functions
// (boost::math::detail: igamma_temme_large, regularised_gamma_prefix, upper_gamma_fraction,
// find_inverse_gamma), which are not Boost's public interface; the zones and timings below were
// measured on Boost 1.74 (Debian 12's libboost-math-dev 1.74.0.3). The route's tests pin it
// against gamma_p, gamma_q and their inverses, so an upgrade that changes those internals fails
// them.
#include "stats/precise/large_shape_gamma.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>

#include <boost/math/special_functions/detail/igamma_inverse.hpp>
#include <boost/math/special_functions/detail/igamma_large.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/tools/roots.hpp>

namespace zudira::precise {

namespace bm = boost::math;

namespace {

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

}  // namespace

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
namespace {

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

}  // namespace

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

}  // namespace zudira::precise
