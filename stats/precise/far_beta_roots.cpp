// Far-tail roots of the incomplete beta. They call Boost.Math's internal Halley function
// (boost::math::detail::ibeta_roots), which is not Boost's public interface; the starts and
// timings below were measured on Boost 1.74 (Debian 12's libboost-math-dev 1.74.0.3). The
// route's tests pin it against ibeta_inv and ibetac_inv, so an upgrade that changes that
// internal fails them.
#include "stats/precise/far_beta_roots.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/detail/ibeta_inverse.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/tools/roots.hpp>

namespace zudira::precise {

namespace bm = boost::math;

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

}  // namespace zudira::precise
