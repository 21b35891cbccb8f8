#include "stats/precise/precise_distributions.h"

#include <algorithm>
#include <cfloat>
#include <limits>

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/exponential.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <boost/math/distributions/students_t.hpp>

#include "stats/binomial.h"
#include "stats/chi_squared.h"
#include "stats/exponential.h"
#include "stats/f_distribution.h"
#include "stats/normal.h"
#include "stats/poisson.h"
#include "stats/precise/boost_call.h"
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

bm::normal_distribution<Real> Normal(Real mean, Real sdev) {
  return bm::normal_distribution<Real>(mean, sdev);
}

}  // namespace

Real NormalF(Real mean, Real sdev, Real x) {
  if (!NormalDomain(sdev)) return NormalCDF(mean, sdev, x);
  return BoostProbability([&] { return bm::cdf(Normal(mean, sdev), x); });
}
Real NormalQ(Real mean, Real sdev, Real x) {
  if (!NormalDomain(sdev)) return 1 - NormalCDF(mean, sdev, x);
  return BoostProbability([&] { return bm::cdf(bm::complement(Normal(mean, sdev), x)); });
}
Real NormalInvLower(Real mean, Real sdev, Real t) {
  if (!NormalDomain(sdev)) return InverseNormal(true, mean, sdev, t);
  return BoostCall([&] { return bm::quantile(Normal(mean, sdev), t); });
}
Real NormalInvUpper(Real mean, Real sdev, Real t) {
  if (!NormalDomain(sdev)) return InverseNormal(false, mean, sdev, t);
  return BoostCall([&] { return bm::quantile(bm::complement(Normal(mean, sdev), t)); });
}

// Boost's exponential takes the rate; the support starts at 0.
Real ExponentialF(Real mean, Real x) {
  if (!(mean > 0)) return ExponentialCDF(mean, x);
  if (x <= 0) return 0;
  return BoostProbability(
      [&] { return bm::cdf(bm::exponential_distribution<Real>(1 / mean), x); });
}
Real ExponentialQ(Real mean, Real x) {
  if (!(mean > 0)) return 1 - ExponentialCDF(mean, x);
  if (x <= 0) return 1;
  return BoostProbability([&] {
    return bm::cdf(bm::complement(bm::exponential_distribution<Real>(1 / mean), x));
  });
}

Real StudentTF(std::int32_t df, Real x) {
  if (df < 1) return StudentTCDF(df, x);
  return BoostProbability([&] { return bm::cdf(bm::students_t_distribution<Real>(df), x); });
}
Real StudentTQ(std::int32_t df, Real x) {
  if (df < 1) return 1 - StudentTCDF(df, x);
  return BoostProbability(
      [&] { return bm::cdf(bm::complement(bm::students_t_distribution<Real>(df), x)); });
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
  return BoostProbability([&] { return bm::cdf(bm::chi_squared_distribution<Real>(df), x); });
}
Real ChiSquaredQ(std::int32_t df, Real x) {
  if (df < 1 || x < 0) return ChiSquaredUpper(df, ToSingle(x));
  return BoostProbability(
      [&] { return bm::cdf(bm::complement(bm::chi_squared_distribution<Real>(df), x)); });
}
Real ChiSquaredInvLower(std::int32_t df, Real t) {
  if (df < 1) return InverseChiSquared(df, ToSingle(1 - t));
  return BoostCall([&] { return bm::quantile(bm::chi_squared_distribution<Real>(df), t); });
}
Real ChiSquaredInvUpper(std::int32_t df, Real t) {
  if (df < 1) return InverseChiSquared(df, ToSingle(t));
  return BoostCall(
      [&] { return bm::quantile(bm::complement(bm::chi_squared_distribution<Real>(df), t)); });
}

// A bound of 0 or below, or fewer than one degree of freedom, keeps the classic error text.
Real FDistF(std::int32_t df1, std::int32_t df2, Real x) {
  if (df1 < 1 || df2 < 1 || x <= 0) return FCDF(ToUnsignedDf(df1), ToUnsignedDf(df2), x);
  return BoostProbability(
      [&] { return bm::cdf(bm::fisher_f_distribution<Real>(df1, df2), x); });
}
Real FDistQ(std::int32_t df1, std::int32_t df2, Real x) {
  if (df1 < 1 || df2 < 1 || x <= 0) return 1 - FCDF(ToUnsignedDf(df1), ToUnsignedDf(df2), x);
  return BoostProbability(
      [&] { return bm::cdf(bm::complement(bm::fisher_f_distribution<Real>(df1, df2), x)); });
}
Real FDistInvLower(std::int32_t df1, std::int32_t df2, Real t) {
  if (df1 < 1 || df2 < 1) return InverseF(df1, df2, ToSingle(1 - t));
  return BoostCall(
      [&] { return bm::quantile(bm::fisher_f_distribution<Real>(df1, df2), t); });
}
Real FDistInvUpper(std::int32_t df1, std::int32_t df2, Real t) {
  if (df1 < 1 || df2 < 1) return InverseF(df1, df2, ToSingle(t));
  return BoostCall([&] {
    return bm::quantile(bm::complement(bm::fisher_f_distribution<Real>(df1, df2), t));
  });
}

// A negative number of trials keeps the classic answer.
Real BinomialE(std::int32_t n, Real p, std::int64_t k) {
  if (n < 0) return BinomialProb(n, ToInt32(k), p);
  if (k < 0 || k > n) return 0;
  return BoostProbability([&] {
    return bm::pdf(bm::binomial_distribution<Real>(n, p), static_cast<Real>(k));
  });
}
Real BinomialL(std::int32_t n, Real p, std::int64_t k) {
  if (n < 0) return BinomialLess(n, ToInt32(k), p);
  if (k <= 0) return 0;
  if (k > n) return 1;
  return BoostProbability([&] {
    return bm::cdf(bm::binomial_distribution<Real>(n, p), static_cast<Real>(k - 1));
  });
}
Real BinomialG(std::int32_t n, Real p, std::int64_t k) {
  if (n < 0) return BinomialGreater(n, ToInt32(k), p);
  if (k < 0) return 1;
  if (k >= n) return 0;
  return BoostProbability([&] {
    return bm::cdf(bm::complement(bm::binomial_distribution<Real>(n, p), static_cast<Real>(k)));
  });
}

// A mean of 0 puts the whole mass at 0; a negative one keeps the classic answer.
Real PoissonE(Real lambda, std::int64_t k) {
  if (lambda < 0) return PoissonProb(ToInt32(k), lambda);
  if (k < 0) return 0;
  if (lambda == 0) return k == 0 ? 1 : 0;
  return BoostProbability([&] {
    return bm::pdf(bm::poisson_distribution<Real>(lambda), static_cast<Real>(k));
  });
}
Real PoissonL(Real lambda, std::int64_t k) {
  if (lambda < 0) return PoissonLess(ToInt32(k), lambda);
  if (k <= 0) return 0;
  if (lambda == 0) return 1;
  return BoostProbability([&] {
    return bm::cdf(bm::poisson_distribution<Real>(lambda), static_cast<Real>(k - 1));
  });
}
Real PoissonG(Real lambda, std::int64_t k) {
  if (lambda < 0) {
    return PoissonGreater(ToInt32(std::clamp<std::int64_t>(k, -1, INT32_MAX - 1)), lambda);
  }
  if (k < 0) return 1;
  if (lambda == 0) return 0;
  return BoostProbability([&] {
    return bm::cdf(bm::complement(bm::poisson_distribution<Real>(lambda), static_cast<Real>(k)));
  });
}

}  // namespace zudira::precise
