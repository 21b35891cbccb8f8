#include "core/evaluate_request.h"

#include "core/continuous_range.h"
#include "core/discrete_range.h"
#include "core/distribution_functions.h"
#include "core/inverse_solving.h"
#include "core/kinds/kind_record.h"
#include "core/parameter_checks.h"

namespace zudira {
namespace {

// A sum or difference of tails can come out a few ulps outside [0, 1]; a probability never does.
EvaluationOutcome HeldInUnitInterval(EvaluationOutcome outcome) {
  if (outcome.IsAnswer() && outcome.Value() < 0) return EvaluationOutcome::WithAnswer(0);
  if (outcome.IsAnswer() && outcome.Value() > 1) return EvaluationOutcome::WithAnswer(1);
  return outcome;
}

}  // namespace

EvaluationOutcome EvaluateRequest(const ProbabilityRequest& request, CalculationMode mode) {
  // A kind without classic algorithms answers as the precise mode does in both modes; the
  // classic range forms (1 - F for an upper tail) would lose its small tails.
  if (const KindRecord* record = FindKindRecord(request.kind);
      record != nullptr && !HasClassicAlgorithms(*record)) {
    mode = CalculationMode::kPrecise;
  }
  if (const char* error = CheckRequestParameters(request))
    return EvaluationOutcome::WithInputError(error);
  // A kind without classic algorithms answers with its precise table in both modes.
  if (const KindRecord* record = FindKindRecord(request.kind);
      record != nullptr && !HasClassicAlgorithms(*record)) {
    mode = CalculationMode::kPrecise;
  }
  const DistributionParameters parameters{request.mean, request.sdev, request.third};
  if (IsDiscreteKind(request.kind)) {
    const DiscreteFunctions& functions = DiscreteFunctionsOf(request.kind, mode);
    return HeldInUnitInterval(mode == CalculationMode::kPrecise
                                  ? EvaluatePreciseDiscreteRange(functions, parameters,
                                                                 request.range, request.a.whole,
                                                                 request.b.whole)
                                  : EvaluateDiscreteRange(functions, parameters, request.range,
                                                          request.a.whole, request.b.whole));
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
  return HeldInUnitInterval(EvaluateContinuousRange(functions, parameters, request.range,
                                                    request.a.real, request.b.real));
}

}  // namespace zudira
