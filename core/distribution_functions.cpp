#include "core/distribution_functions.h"

#include <algorithm>
#include <cfloat>
#include <limits>

#include "core/evaluate_request.h"
#include "core/inverse_targets.h"
#include "core/kinds/kind_record.h"
#include "stats/argument_narrowing.h"
#include "stats/binomial.h"
#include "stats/chi_squared.h"
#include "stats/exception.h"
#include "stats/exponential.h"
#include "stats/f_distribution.h"
#include "stats/normal.h"
#include "stats/poisson.h"
#include "stats/student_t.h"

namespace zudira {

namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// The single-precision inverses search for the upper-tail quantile of the target as rounded
// to float. Upper tail 1 is the support's finite end 0, which the library answers directly;
// upper tail 0 (or a target too small for a float) lies at infinity.
std::optional<float> SingleUpperTarget(Real t) {
  const float target = ToSingle(t);
  if (target > 0 && target <= 1) return target;
  return std::nullopt;
}

// Inside (0, 1) but rounding to 0 or 1 as a float: the single-precision search would answer an
// end of the support. An upper tail of 1 is the finite end 0 and stays answered, also when the
// extended-precision target misses 1 by a few rounding steps only.
const char* SingleTargetError(Real t) {
  const float target = ToSingle(t);
  const bool rounding_from_one = 1 - t <= 8 * LDBL_EPSILON;
  if (t > 0 && t < 1 && (target == 0 || (target == 1 && !rounding_from_one))) {
    return kClassicTargetLimitText;
  }
  return nullptr;
}

// Normal: mu and sigma are the real values of the two fields.
Real NormalF(const DistributionParameters& d, Real x) {
  return NormalCDF(d.first.real, d.second.real, x);
}
Real NormalQ(const DistributionParameters& d, Real x) {
  return 1 - NormalF(d, x);
}
std::optional<Real> NormalInvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return InverseNormal(true, d.first.real, d.second.real, t);
}
std::optional<Real> NormalInvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return InverseNormal(false, d.first.real, d.second.real, t);
}

// Exponential: the real mean; there is no inverse kind of it.
Real ExponentialF(const DistributionParameters& d, Real x) {
  return ExponentialCDF(d.first.real, x);
}
Real ExponentialQ(const DistributionParameters& d, Real x) {
  return 1 - ExponentialF(d, x);
}

// Student t: the whole degrees of freedom.
Real StudentTF(const DistributionParameters& d, Real x) {
  return StudentTCDF(d.first.whole, x);
}
Real StudentTQ(const DistributionParameters& d, Real x) {
  return 1 - StudentTF(d, x);
}
std::optional<Real> StudentTInvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return InverseStudentTLower(d.first.whole, t);
}
std::optional<Real> StudentTInvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return InverseStudentTUpper(d.first.whole, t);
}

// Chi-squared: the whole degrees of freedom; the library gives the upper tail and its
// quantile in single precision.
Real ChiSquaredQ(const DistributionParameters& d, Real x) {
  return ChiSquaredUpper(d.first.whole, ToSingle(x));
}
Real ChiSquaredF(const DistributionParameters& d, Real x) {
  return 1 - ChiSquaredQ(d, x);
}
std::optional<Real> ChiSquaredInvUpper(const DistributionParameters& d, Real t) {
  const std::optional<float> target = SingleUpperTarget(t);
  if (!target) return std::nullopt;
  return InverseChiSquared(d.first.whole, *target);
}
std::optional<Real> ChiSquaredInvLower(const DistributionParameters& d, Real t) {
  return ChiSquaredInvUpper(d, 1 - t);
}

// F: the whole degrees of freedom of both fields; the lower tail in extended precision, the
// quantile of the upper tail in single precision.
Real FDistF(const DistributionParameters& d, Real x) {
  return FCDF(ToUnsignedDf(d.first.whole), ToUnsignedDf(d.second.whole), x);
}
Real FDistQ(const DistributionParameters& d, Real x) {
  return 1 - FDistF(d, x);
}
std::optional<Real> FDistInvUpper(const DistributionParameters& d, Real t) {
  const std::optional<float> target = SingleUpperTarget(t);
  if (!target) return std::nullopt;
  return InverseF(d.first.whole, d.second.whole, *target);
}
std::optional<Real> FDistInvLower(const DistributionParameters& d, Real t) {
  return FDistInvUpper(d, 1 - t);
}

constexpr ContinuousFunctions kNormal{NormalF,        NormalQ,        NormalInvLower,
                                      NormalInvUpper, TwoTailTargets, nullptr,
                                      nullptr,        nullptr,        nullptr};
constexpr ContinuousFunctions kExponential{ExponentialF, ExponentialQ, nullptr, nullptr, nullptr,
                                           nullptr,      nullptr,      nullptr, nullptr};
constexpr ContinuousFunctions kStudentT{StudentTF,        StudentTQ,      StudentTInvLower,
                                        StudentTInvUpper, TwoTailTargets, nullptr,
                                        nullptr,          nullptr,        nullptr};
constexpr ContinuousFunctions kChiSquared{ChiSquaredF,
                                          ChiSquaredQ,
                                          ChiSquaredInvLower,
                                          ChiSquaredInvUpper,
                                          ChiSquaredTargets,
                                          SingleTargetError,
                                          nullptr,
                                          nullptr,
                                          nullptr};
constexpr ContinuousFunctions kFDist{FDistF,        FDistQ,   FDistInvLower,
                                     FDistInvUpper, FTargets, SingleTargetError,
                                     nullptr,       nullptr,  nullptr};

Real BinomialE(const DistributionParameters& d, std::int64_t k) {
  return BinomialProb(d.second.whole, ToInt32(k), d.first.real);
}
// P(X < k) is the whole support for every k past n + 1, the library's own cut-off.
Real BinomialL(const DistributionParameters& d, std::int64_t k) {
  const std::int64_t n = d.second.whole;
  return BinomialLess(d.second.whole, ToInt32(std::min(k, n + 1)), d.first.real);
}
// P(X > k) is the whole support for every k below -1.
Real BinomialG(const DistributionParameters& d, std::int64_t k) {
  return BinomialGreater(d.second.whole, ToInt32(std::max<std::int64_t>(k, -1)), d.first.real);
}

// Poisson: the real mean. The library forms P(X > k) from P(X < k + 1), so k stays below the
// largest 32-bit count; any count that high is past the factorial limit either way.
Real PoissonE(const DistributionParameters& d, std::int64_t k) {
  return PoissonProb(ToInt32(k), d.first.real);
}
Real PoissonL(const DistributionParameters& d, std::int64_t k) {
  return PoissonLess(ToInt32(k), d.first.real);
}
Real PoissonG(const DistributionParameters& d, std::int64_t k) {
  return PoissonGreater(ToInt32(std::clamp<std::int64_t>(k, -1, kInt32Max - 1)), d.first.real);
}

constexpr DiscreteFunctions kBinomial{BinomialCheck, BinomialE, BinomialL, BinomialG};
constexpr DiscreteFunctions kPoisson{nullptr, PoissonE, PoissonL, PoissonG};

}  // namespace

const KindTables& ClassicKindTables() {
  static constexpr KindTables kClassic{&kNormal, &kExponential, &kStudentT, &kChiSquared,
                                       &kFDist,  &kBinomial,    &kPoisson};
  return kClassic;
}

namespace {

const KindTables& TablesOf(CalculationMode mode) {
  return mode == CalculationMode::kPrecise ? PreciseKindTables() : ClassicKindTables();
}

}  // namespace

const ContinuousFunctions& ContinuousFunctionsOf(DistributionKind kind, CalculationMode mode) {
  const KindRecord* record = FindKindRecord(kind);
  if (record != nullptr && record->continuous_both_modes != nullptr)
    return *record->continuous_both_modes;
  if (record == nullptr || record->continuous == nullptr)
    throw Exception("Not a continuous distribution kind");
  return *(TablesOf(mode).*(record->continuous));
}

const DiscreteFunctions& DiscreteFunctionsOf(DistributionKind kind, CalculationMode mode) {
  const KindRecord* record = FindKindRecord(kind);
  if (record != nullptr && record->discrete_both_modes != nullptr)
    return *record->discrete_both_modes;
  if (record == nullptr || record->discrete_table == nullptr)
    throw Exception("Not a discrete distribution kind");
  return *(TablesOf(mode).*(record->discrete_table));
}

const char* BinomialCheck(const DistributionParameters& d) {
  const Real p = d.first.real;
  return p >= 0 && p <= 1 ? nullptr : kProbabilityRangeText;
}

}  // namespace zudira
