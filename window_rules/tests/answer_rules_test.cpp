#include "window_rules/answer_rules.h"

#include <gtest/gtest.h>

namespace zudira {
namespace {

TEST(AnswerRules, OnlyNonZeroPointTargetsOfInverseKindsAreRefused) {
  const struct {
    DistributionKind kind;
    RangeType range;
    Real p;
    bool refused;
  } rows[] = {
      {dkInverseNormal, rtEqualA, 0.3L, true}, {dkInverseF, rtEqualA, 1, true},
      {dkInverseStudentT, rtEqualA, 0, false}, {dkInverseChiSquared, rtBelowA, 0.3L, false},
      {dkNormal, rtEqualA, 0.3L, false},       {dkBinomial, rtEqualA, 0.3L, false},
  };
  for (const auto& row : rows) {
    ProbabilityRequest request;
    request.kind = row.kind;
    request.range = row.range;
    request.a.real = row.p;
    EXPECT_EQ(PointTargetRefusal(request).has_value(), row.refused) << row.kind << " " << row.range;
  }
}

}  // namespace
}  // namespace zudira
