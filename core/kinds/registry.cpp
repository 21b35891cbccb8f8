// The kinds in the order of the distribution list. A new kind is its file and a line here.
#include "core/kinds/kind_spec.h"

namespace zudira {

extern const KindSpec kNormalKind;
extern const KindSpec kInverseNormalKind;
extern const KindSpec kBinomialKind;
extern const KindSpec kPoissonKind;
extern const KindSpec kExponentialKind;
extern const KindSpec kStudentTKind;
extern const KindSpec kInverseStudentTKind;
extern const KindSpec kChiSquaredKind;
extern const KindSpec kInverseChiSquaredKind;
extern const KindSpec kFKind;
extern const KindSpec kInverseFKind;

namespace {

const std::array<const KindSpec*, kDistributionKindCount> kKinds = {
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

const KindSpec* FindKindSpec(DistributionKind kind) {
  if (kind < 0 || kind >= kDistributionKindCount) return nullptr;
  return kKinds[static_cast<std::size_t>(kind)];
}

bool IsInverseKind(DistributionKind kind) {
  const KindSpec* spec = FindKindSpec(kind);
  return spec != nullptr && spec->inverse;
}

bool IsDiscreteKind(DistributionKind kind) {
  const KindSpec* spec = FindKindSpec(kind);
  return spec != nullptr && spec->discrete;
}

}  // namespace zudira
