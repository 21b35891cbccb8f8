// The precise table set: the same per-kind tables as the classic one, filled from
// stats/precise. The inverses solve any target inside (0, 1); the finite end 0 of the
// chi-squared and F supports answers its own tail of 1.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "core/distribution_functions.h"
#include "core/evaluate_request.h"
#include "core/inverse_targets.h"
#include "core/tail_search.h"
#include "stats/arithmetic_fault.h"
#include "stats/exception.h"
#include "stats/precise/precise_densities.h"
#include "stats/precise/precise_distributions.h"

namespace zudira {

namespace {

namespace pr = precise;

Real NormalF(const DistributionParameters& d, Real x) {
  return pr::NormalF(d.first.real, d.second.real, x);
}
Real NormalQ(const DistributionParameters& d, Real x) {
  return pr::NormalQ(d.first.real, d.second.real, x);
}
std::optional<Real> NormalInvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::NormalInvLower(d.first.real, d.second.real, t); }, NormalF,
                   NormalQ, d, false, t, -kLargest, kLargest);
}
std::optional<Real> NormalInvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::NormalInvUpper(d.first.real, d.second.real, t); }, NormalF,
                   NormalQ, d, true, t, -kLargest, kLargest);
}

Real NormalCentered(const DistributionParameters& d, Real x) {
  return pr::NormalCentered(d.first.real, d.second.real, x);
}
std::optional<Real> NormalInvCentered(const DistributionParameters& d, Real c) {
  if (!(c > -0.5L && c < 0.5L)) return std::nullopt;
  return pr::NormalInvCentered(d.first.real, d.second.real, c);
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
Real StudentTCentered(const DistributionParameters& d, Real x) {
  return pr::StudentTCentered(d.first.whole, x);
}
std::optional<Real> StudentTInvCentered(const DistributionParameters& d, Real c) {
  if (!(c > -0.5L && c < 0.5L)) return std::nullopt;
  return pr::StudentTInvCentered(d.first.whole, c);
}
std::optional<Real> StudentTInvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (d.first.whole < 1) return pr::StudentTInvLower(d.first.whole, t);
  return SolveTail([&] { return pr::StudentTInvLower(d.first.whole, t); }, StudentTF, StudentTQ, d,
                   false, t, -kLargest, kLargest);
}
std::optional<Real> StudentTInvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (d.first.whole < 1) return pr::StudentTInvUpper(d.first.whole, t);
  return SolveTail([&] { return pr::StudentTInvUpper(d.first.whole, t); }, StudentTF, StudentTQ, d,
                   true, t, -kLargest, kLargest);
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
  if (d.first.whole < 1) return pr::ChiSquaredInvLower(d.first.whole, t);
  return SolveTail([&] { return pr::ChiSquaredInvLower(d.first.whole, t); }, ChiSquaredF,
                   ChiSquaredQ, d, false, t, kSmallest, kLargest);
}
std::optional<Real> ChiSquaredInvUpper(const DistributionParameters& d, Real t) {
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (d.first.whole < 1) return pr::ChiSquaredInvUpper(d.first.whole, t);
  return SolveTail([&] { return pr::ChiSquaredInvUpper(d.first.whole, t); }, ChiSquaredF,
                   ChiSquaredQ, d, true, t, kSmallest, kLargest);
}

Real FDistF(const DistributionParameters& d, Real x) {
  return pr::FDistF(d.first.whole, d.second.whole, x);
}
Real FDistQ(const DistributionParameters& d, Real x) {
  return pr::FDistQ(d.first.whole, d.second.whole, x);
}
bool FDegreesValid(const DistributionParameters& d) {
  return d.first.whole >= 1 && d.second.whole >= 1;
}
// With 2 degrees of freedom on either side the inverse is a closed form, right at any target.
PrimaryKind FInverseKind(const DistributionParameters& d) {
  return d.first.whole == 2 || d.second.whole == 2 ? PrimaryKind::kClosedForm
                                                   : PrimaryKind::kIterative;
}
std::optional<Real> FDistInvLower(const DistributionParameters& d, Real t) {
  if (t == 0) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (!FDegreesValid(d)) return pr::FDistInvLower(d.first.whole, d.second.whole, t);
  return SolveTail([&] { return pr::FDistInvLower(d.first.whole, d.second.whole, t); }, FDistF,
                   FDistQ, d, false, t, kSmallest, kLargest, FInverseKind(d));
}
std::optional<Real> FDistInvUpper(const DistributionParameters& d, Real t) {
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (!FDegreesValid(d)) return pr::FDistInvUpper(d.first.whole, d.second.whole, t);
  return SolveTail([&] { return pr::FDistInvUpper(d.first.whole, d.second.whole, t); }, FDistF,
                   FDistQ, d, true, t, kSmallest, kLargest, FInverseKind(d));
}

Real NormalDensity(const DistributionParameters& d, Real x) {
  return pr::NormalDensity(d.first.real, d.second.real, x);
}
Real StudentTDensity(const DistributionParameters& d, Real x) {
  return pr::StudentTDensity(d.first.whole, x);
}
Real ChiSquaredDensity(const DistributionParameters& d, Real x) {
  return pr::ChiSquaredDensity(d.first.whole, x);
}
Real FDistDensity(const DistributionParameters& d, Real x) {
  return pr::FDistDensity(d.first.whole, d.second.whole, x);
}

constexpr ContinuousFunctions kNormal{NormalF,        NormalQ,           NormalInvLower,
                                      NormalInvUpper, PreciseTargets,    nullptr,
                                      NormalCentered, NormalInvCentered, NormalDensity};
constexpr ContinuousFunctions kExponential{ExponentialF, ExponentialQ, nullptr, nullptr, nullptr,
                                           nullptr,      nullptr,      nullptr, nullptr};
constexpr ContinuousFunctions kStudentT{StudentTF,        StudentTQ,           StudentTInvLower,
                                        StudentTInvUpper, PreciseTargets,      nullptr,
                                        StudentTCentered, StudentTInvCentered, StudentTDensity};
constexpr ContinuousFunctions kChiSquared{
    ChiSquaredF, ChiSquaredQ, ChiSquaredInvLower, ChiSquaredInvUpper, PreciseTargets, nullptr,
    nullptr,     nullptr,     ChiSquaredDensity};
constexpr ContinuousFunctions kFDist{FDistF,  FDistQ,  FDistInvLower, FDistInvUpper, PreciseTargets,
                                     nullptr, nullptr, nullptr,       FDistDensity};

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
