// The precise table set: the same per-kind tables as the classic one, filled from
// stats/precise. The inverses solve any target inside (0, 1); the finite end 0 of the
// chi-squared and F supports answers its own tail of 1.
#include <limits>

#include "core/distribution_functions.h"
#include "core/evaluate_request.h"
#include "core/inverse_targets.h"
#include "stats/exception.h"
#include "stats/precise/precise_distributions.h"

namespace zudira {

namespace {

namespace pr = precise;

bool InsideOpenUnit(Real t) {
  return t > 0 && t < 1;
}

Real NormalF(const DistributionParameters& d, Real x) {
  return pr::NormalF(d.first.real, d.second.real, x);
}
Real NormalQ(const DistributionParameters& d, Real x) {
  return pr::NormalQ(d.first.real, d.second.real, x);
}
std::optional<Real> NormalInvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return pr::NormalInvLower(d.first.real, d.second.real, t);
}
std::optional<Real> NormalInvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return pr::NormalInvUpper(d.first.real, d.second.real, t);
}

Real ExponentialF(const DistributionParameters& d, Real x) {
  return pr::ExponentialF(d.first.real, x);
}
Real ExponentialQ(const DistributionParameters& d, Real x) {
  return pr::ExponentialQ(d.first.real, x);
}

Real StudentTF(const DistributionParameters& d, Real x) {
  return pr::StudentTF(d.first.whole, x);
}
Real StudentTQ(const DistributionParameters& d, Real x) {
  return pr::StudentTQ(d.first.whole, x);
}
std::optional<Real> StudentTInvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return pr::StudentTInvLower(d.first.whole, t);
}
std::optional<Real> StudentTInvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return pr::StudentTInvUpper(d.first.whole, t);
}

Real ChiSquaredF(const DistributionParameters& d, Real x) {
  return pr::ChiSquaredF(d.first.whole, x);
}
Real ChiSquaredQ(const DistributionParameters& d, Real x) {
  return pr::ChiSquaredQ(d.first.whole, x);
}
std::optional<Real> ChiSquaredInvLower(const DistributionParameters& d, Real t) {
  if (t == 0) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  return pr::ChiSquaredInvLower(d.first.whole, t);
}
std::optional<Real> ChiSquaredInvUpper(const DistributionParameters& d, Real t) {
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  return pr::ChiSquaredInvUpper(d.first.whole, t);
}

Real FDistF(const DistributionParameters& d, Real x) {
  return pr::FDistF(d.first.whole, d.second.whole, x);
}
Real FDistQ(const DistributionParameters& d, Real x) {
  return pr::FDistQ(d.first.whole, d.second.whole, x);
}
std::optional<Real> FDistInvLower(const DistributionParameters& d, Real t) {
  if (t == 0) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  return pr::FDistInvLower(d.first.whole, d.second.whole, t);
}
std::optional<Real> FDistInvUpper(const DistributionParameters& d, Real t) {
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  return pr::FDistInvUpper(d.first.whole, d.second.whole, t);
}

constexpr ContinuousFunctions kNormal{NormalF, NormalQ, NormalInvLower, NormalInvUpper,
                                      PreciseTargets, nullptr};
constexpr ContinuousFunctions kExponential{ExponentialF, ExponentialQ, nullptr, nullptr, nullptr,
                                           nullptr};
constexpr ContinuousFunctions kStudentT{StudentTF,        StudentTQ,      StudentTInvLower,
                                        StudentTInvUpper, PreciseTargets, nullptr};
constexpr ContinuousFunctions kChiSquared{ChiSquaredF,        ChiSquaredQ,    ChiSquaredInvLower,
                                          ChiSquaredInvUpper, PreciseTargets, nullptr};
constexpr ContinuousFunctions kFDist{FDistF,        FDistQ,         FDistInvLower,
                                     FDistInvUpper, PreciseTargets, nullptr};

const char* BinomialCheck(const DistributionParameters& d) {
  const Real p = d.first.real;
  return p >= 0 && p <= 1 ? nullptr : kProbabilityRangeText;
}
Real BinomialE(const DistributionParameters& d, std::int64_t k) {
  return pr::BinomialE(d.second.whole, d.first.real, k);
}
Real BinomialL(const DistributionParameters& d, std::int64_t k) {
  return pr::BinomialL(d.second.whole, d.first.real, k);
}
Real BinomialG(const DistributionParameters& d, std::int64_t k) {
  return pr::BinomialG(d.second.whole, d.first.real, k);
}
Real PoissonE(const DistributionParameters& d, std::int64_t k) {
  return pr::PoissonE(d.first.real, k);
}
Real PoissonL(const DistributionParameters& d, std::int64_t k) {
  return pr::PoissonL(d.first.real, k);
}
Real PoissonG(const DistributionParameters& d, std::int64_t k) {
  return pr::PoissonG(d.first.real, k);
}

constexpr DiscreteFunctions kBinomial{BinomialCheck, BinomialE, BinomialL, BinomialG};
constexpr DiscreteFunctions kPoisson{nullptr, PoissonE, PoissonL, PoissonG};

}  // namespace

const KindTables& PreciseKindTables() {
  static constexpr KindTables kTables{&kNormal, &kExponential, &kStudentT, &kChiSquared,
                                      &kFDist,  &kBinomial,    &kPoisson};
  return kTables;
}

}  // namespace zudira
