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
