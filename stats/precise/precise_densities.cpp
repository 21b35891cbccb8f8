#include "stats/precise/precise_densities.h"

#include <cmath>
#include <limits>

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/exponential.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

#include "stats/precise/boost_call.h"

namespace zudira::precise {

namespace bm = boost::math;

namespace {

constexpr Real kInfinity = std::numeric_limits<Real>::infinity();

// At x = 0 a gamma-like density is infinite below shape 1, finite at 1 and 0 above; Boost
// reports the infinite case as an overflow, so the end is answered here.
Real AtZero(Real shape_minus_one, Real value_at_one) {
  if (shape_minus_one < 0) return kInfinity;
  return shape_minus_one == 0 ? value_at_one : 0;
}

}  // namespace

// Formed here rather than by Boost, whose pdf squares sdev: for one near the largest extended
// number that overflows and the density comes out as infinity over infinity.
Real NormalDensity(Real mean, Real sdev, Real x) {
  return BoostCall([&] {
    const Real difference = x - mean;
    const Real z = std::isfinite(difference) ? difference / sdev : x / sdev - mean / sdev;
    return std::exp(-z * z / 2) / std::sqrt(2 * bm::constants::pi<Real>()) / sdev;
  });
}

Real ExponentialDensity(Real mean, Real x) {
  if (x < 0) return 0;
  return BoostCall([&] { return bm::pdf(bm::exponential_distribution<Real>(1 / mean), x); });
}

Real StudentTDensity(std::int32_t df, Real x) {
  return BoostCall(
      [&] { return bm::pdf(bm::students_t_distribution<Real>(static_cast<Real>(df)), x); });
}

Real ChiSquaredDensity(std::int32_t df, Real x) {
  if (x < 0) return 0;
  if (x == 0) return AtZero(df - 2, 0.5L);
  return BoostCall(
      [&] { return bm::pdf(bm::chi_squared_distribution<Real>(static_cast<Real>(df)), x); });
}

Real FDistDensity(std::int32_t df1, std::int32_t df2, Real x) {
  if (x < 0) return 0;
  if (x == 0) return AtZero(df1 - 2, 1);
  return BoostCall([&] {
    return bm::pdf(bm::fisher_f_distribution<Real>(static_cast<Real>(df1), static_cast<Real>(df2)),
                   x);
  });
}

}  // namespace zudira::precise
