#include "core/distribution_functions.h"

#include "core/kinds/kind_record.h"
#include "stats/exception.h"

namespace zudira {

// A kind without classic algorithms answers with its precise table in both modes.
const ContinuousFunctions& ContinuousFunctionsOf(DistributionKind kind, CalculationMode mode) {
  const KindRecord* record = FindKindRecord(kind);
  if (record == nullptr || record->precise_continuous == nullptr)
    throw Exception("Not a continuous distribution kind");
  if (mode == CalculationMode::kClassic && record->classic_continuous != nullptr)
    return *record->classic_continuous;
  return *record->precise_continuous;
}

const DiscreteFunctions& DiscreteFunctionsOf(DistributionKind kind, CalculationMode mode) {
  const KindRecord* record = FindKindRecord(kind);
  if (record == nullptr || record->precise_discrete == nullptr)
    throw Exception("Not a discrete distribution kind");
  if (mode == CalculationMode::kClassic && record->classic_discrete != nullptr)
    return *record->classic_discrete;
  return *record->precise_discrete;
}

}  // namespace zudira
