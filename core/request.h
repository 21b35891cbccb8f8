// The probability request that one Calculate reads: kind, range type, fixed end and the
// real and whole values of the four input fields.
#pragma once

#include <cstdint>

#include "core/range_type.h"
#include "stats/real.h"

namespace zudira {

// Item index of the distribution list.
enum DistributionKind : int {
  dkNormal = 0,
  dkInverseNormal = 1,
  dkBinomial = 2,
  dkPoisson = 3,
  dkExponential = 4,
  dkStudentT = 5,
  dkInverseStudentT = 6,
  dkChiSquared = 7,
  dkInverseChiSquared = 8,
  dkF = 9,
  dkInverseF = 10,
};
inline constexpr int kDistributionKindCount = 11;

enum FixEnd : int {
  feFixA = 0,
  feFixB = 1,
};

// From the kind's record; false for a number that is no kind.
bool IsInverseKind(DistributionKind kind);
bool IsDiscreteKind(DistributionKind kind);

// The held values of one input field: what its real and whole readings give.
struct FieldValue {
  Real real = 0;
  std::int32_t whole = 0;
};

struct ProbabilityRequest {
  DistributionKind kind = dkNormal;
  RangeType range = rtEqualA;
  FixEnd fixed_end = feFixA;
  FieldValue mean;  // first parameter
  FieldValue sdev;  // second parameter
  FieldValue a;
  FieldValue b;
};

}  // namespace zudira
