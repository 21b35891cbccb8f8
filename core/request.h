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
  // The kinds after the first eleven, below a separator line in the list. They have no classic
  // algorithms: both modes answer them with the precise functions.
  dkHypergeometric = 11,
  dkGeometric = 12,
  dkNegativeBinomial = 13,
  dkUniform = 14,
  dkInverseUniform = 15,
  dkInverseExponential = 16,
  dkGamma = 17,
  dkInverseGamma = 18,
  dkBeta = 19,
  dkInverseBeta = 20,
  dkLogNormal = 21,
  dkInverseLogNormal = 22,
  dkWeibull = 23,
  dkInverseWeibull = 24,
  dkLogistic = 25,
  dkInverseLogistic = 26,
  dkCauchy = 27,
  dkInverseCauchy = 28,
};
inline constexpr int kDistributionKindCount = 29;
// The first eleven kinds; the list shows a separator line after them.
inline constexpr int kFirstKindsCount = 11;

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
  FieldValue third =
      {};  // third parameter: shown only for the kinds that have one (hypergeometric)
};

}  // namespace zudira
