// The probability request that one Calculate reads: kind, range type, fixed end and the
// real and whole values of the four input fields.
#pragma once

#include <cstdint>

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

// Item index of the range-type radio group; 0 is the top item.
enum RangeType : int {
  rtEqualA = 0,
  rtBelowA = 1,
  rtAtMostA = 2,
  rtAboveA = 3,
  rtAtLeastA = 4,
  rtInsideOO = 5,
  rtInsideOC = 6,
  rtInsideCO = 7,
  rtInsideCC = 8,
  rtOutsideOO = 9,
  rtOutsideOC = 10,
  rtOutsideCO = 11,
  rtOutsideCC = 12,
};
inline constexpr int kRangeTypeCount = 13;

// Numbered 0 to 4 in this order; the number also selects the family picture.
enum RangeFamily : int {
  rfPoint = 0,
  rfLower = 1,
  rfUpper = 2,
  rfInside = 3,
  rfOutside = 4,
};

enum FixEnd : int {
  feFixA = 0,
  feFixB = 1,
};

constexpr bool IsInverseKind(DistributionKind kind) {
  return kind == dkInverseNormal || kind == dkInverseStudentT || kind == dkInverseChiSquared ||
         kind == dkInverseF;
}

constexpr bool IsDiscreteKind(DistributionKind kind) {
  return kind == dkBinomial || kind == dkPoisson;
}

// Range types 5 to 12 use both bounds.
constexpr bool IsTwoBound(RangeType range) { return range >= rtInsideOO; }

constexpr RangeFamily FamilyOf(RangeType range) {
  if (range == rtEqualA) return rfPoint;
  if (range <= rtAtMostA) return rfLower;
  if (range <= rtAtLeastA) return rfUpper;
  if (range <= rtInsideCC) return rfInside;
  return rfOutside;
}

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
