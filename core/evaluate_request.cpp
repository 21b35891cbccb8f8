#include "core/evaluate_request.h"

#include "core/continuous_range.h"
#include "core/discrete_range.h"
#include "core/distribution_functions.h"
#include "core/inverse_solving.h"

namespace zudira {

EvaluationOutcome EvaluateRequest(const ProbabilityRequest& request, CalculationMode mode) {
  const DistributionParameters parameters{request.mean, request.sdev};
  if (IsDiscreteKind(request.kind)) {
    return EvaluateDiscreteRange(DiscreteFunctionsOf(request.kind, mode), parameters, request.range,
                                 request.a.whole, request.b.whole);
  }
  const ContinuousFunctions& functions = ContinuousFunctionsOf(request.kind, mode);
  if (IsInverseKind(request.kind)) {
    // The A field holds the probability and the B field the fixed bound.
    return SolveInverse(functions, parameters, request.range, request.fixed_end, request.a.real,
                        request.b.real);
  }
  if (mode == CalculationMode::kPrecise) {
    return EvaluatePreciseContinuousRange(functions, parameters, request.range, request.a.real,
                                          request.b.real);
  }
  return EvaluateContinuousRange(functions, parameters, request.range, request.a.real,
                                 request.b.real);
}

}  // namespace zudira
