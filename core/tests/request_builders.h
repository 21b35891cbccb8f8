// Short ways to write the requests of the core tests, and to read their answers.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "core/evaluate_request.h"
#include "core/request.h"
#include "testsupport/field_values.h"

namespace zudira::testing {

inline ProbabilityRequest BinomialRequest(RangeType range, Real p, std::int32_t n, std::int32_t a,
                                          std::int32_t b = 0) {
  return {dkBinomial, range, feFixA, RealField(p), WholeField(n), WholeField(a), WholeField(b)};
}

inline ProbabilityRequest PoissonRequest(RangeType range, Real lambda, std::int32_t a,
                                         std::int32_t b = 0) {
  return {dkPoisson, range, feFixA, RealField(lambda), WholeField(0), WholeField(a), WholeField(b)};
}

// A continuous forward or inverse kind; for the inverse kinds a is the probability and b the
// fixed bound.
inline ProbabilityRequest ContinuousRequest(DistributionKind kind, RangeType range,
                                            FieldValue first, FieldValue second, Real a, Real b = 0,
                                            FixEnd fixed_end = feFixA) {
  return {kind, range, fixed_end, first, second, RealField(a), RealField(b)};
}

// The answer of a request that must not end in an input error (NaN after a failure).
inline Real AnswerOf(const ProbabilityRequest& request) {
  const EvaluationOutcome outcome = EvaluateRequest(request);
  if (outcome.IsInputError()) {
    ADD_FAILURE() << "unexpected input error: " << outcome.ErrorText();
    return std::numeric_limits<Real>::quiet_NaN();
  }
  return outcome.Value();
}

}  // namespace zudira::testing
