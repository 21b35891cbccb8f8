#include "core/parameter_checks.h"

#include <cmath>

#include "core/kinds/kind_checks.h"
#include "core/kinds/kind_record.h"

namespace zudira {
namespace {

const char* CheckBounds(const ProbabilityRequest& r) {
  if (const char* e = CheckFinite(r.a.real, "A is not a number", "A must be finite")) return e;
  if (IsTwoBound(r.range)) {
    if (const char* e = CheckFinite(r.b.real, "B is not a number", "B must be finite")) return e;
  }
  return nullptr;
}

}  // namespace

const char* CheckRequestParameters(const ProbabilityRequest& r) {
  if (const KindRecord* record = FindKindRecord(r.kind)) {
    if (const char* e = record->check(r)) return e;
    if (record->discrete) return nullptr;  // the bounds are whole numbers
  }
  if (IsInverseKind(r.kind)) {
    // A holds the probability; B is the fixed bound of a two-bound range.
    if (std::isnan(r.a.real)) return "The probability is not a number";
    if (IsTwoBound(r.range)) {
      if (const char* e = CheckFinite(r.b.real, "B is not a number", "B must be finite")) return e;
    }
    return nullptr;
  }
  return CheckBounds(r);
}

}  // namespace zudira
