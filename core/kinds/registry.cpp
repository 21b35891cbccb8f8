// The kinds in the order of the distribution list. A new kind is its file and a line here.
#include "core/kinds/kind_record.h"

namespace zudira {

extern const KindRecord kNormalKind;
extern const KindRecord kInverseNormalKind;
extern const KindRecord kBinomialKind;
extern const KindRecord kPoissonKind;
extern const KindRecord kExponentialKind;
extern const KindRecord kStudentTKind;
extern const KindRecord kInverseStudentTKind;
extern const KindRecord kChiSquaredKind;
extern const KindRecord kInverseChiSquaredKind;
extern const KindRecord kFKind;
extern const KindRecord kInverseFKind;
extern const KindRecord kHypergeometricKind;
extern const KindRecord kGeometricKind;
extern const KindRecord kNegativeBinomialKind;
extern const KindRecord kUniformKind;
extern const KindRecord kInverseUniformKind;
extern const KindRecord kInverseExponentialKind;
extern const KindRecord kGammaKind;
extern const KindRecord kInverseGammaKind;
extern const KindRecord kBetaKind;
extern const KindRecord kInverseBetaKind;
extern const KindRecord kLogNormalKind;
extern const KindRecord kInverseLogNormalKind;
extern const KindRecord kWeibullKind;
extern const KindRecord kInverseWeibullKind;
extern const KindRecord kLogisticKind;
extern const KindRecord kInverseLogisticKind;
extern const KindRecord kCauchyKind;
extern const KindRecord kInverseCauchyKind;

namespace {

const std::array<const KindRecord*, kDistributionKindCount> kKinds = {
    &kNormalKind,
    &kInverseNormalKind,
    &kBinomialKind,
    &kPoissonKind,
    &kExponentialKind,
    &kStudentTKind,
    &kInverseStudentTKind,
    &kChiSquaredKind,
    &kInverseChiSquaredKind,
    &kFKind,
    &kInverseFKind,
    &kHypergeometricKind,
    &kGeometricKind,
    &kNegativeBinomialKind,
    &kUniformKind,
    &kInverseUniformKind,
    &kInverseExponentialKind,
    &kGammaKind,
    &kInverseGammaKind,
    &kBetaKind,
    &kInverseBetaKind,
    &kLogNormalKind,
    &kInverseLogNormalKind,
    &kWeibullKind,
    &kInverseWeibullKind,
    &kLogisticKind,
    &kInverseLogisticKind,
    &kCauchyKind,
    &kInverseCauchyKind,
};

}  // namespace

const KindRecord* FindKindRecord(DistributionKind kind) {
  if (kind < 0 || kind >= kDistributionKindCount) return nullptr;
  return kKinds[static_cast<std::size_t>(kind)];
}

bool IsInverseKind(DistributionKind kind) {
  const KindRecord* record = FindKindRecord(kind);
  return record != nullptr && record->inverse;
}

bool IsDiscreteKind(DistributionKind kind) {
  const KindRecord* record = FindKindRecord(kind);
  return record != nullptr && record->discrete;
}

}  // namespace zudira
