#include "window_rules/answer_rules.h"

#include "core/evaluate_request.h"
#include "core/kinds/kind_record.h"

namespace zudira {

std::optional<std::string> PointTargetRefusal(const ProbabilityRequest& request) {
  if (!IsInverseKind(request.kind) || request.range != rtEqualA) return std::nullopt;
  if (request.a.real == 0) return std::nullopt;
  return std::string(
      "No bound gives this probability: for a continuous distribution P(X = A) is 0 for "
      "every A");
}

std::optional<Real> PreciseCounterpart(const ProbabilityRequest& request, CalculationMode mode) {
  if (mode != CalculationMode::kClassic) return std::nullopt;
  // A kind without classic algorithms answers classic mode with the precise ones already.
  const KindRecord* record = FindKindRecord(request.kind);
  if (record == nullptr || !HasClassicAlgorithms(*record)) return std::nullopt;
  try {
    const EvaluationOutcome precise = EvaluateRequest(request, CalculationMode::kPrecise);
    if (precise.IsAnswer()) return precise.Value();
  } catch (...) {
  }
  return std::nullopt;
}

bool AnsweredPrecisely(DistributionKind kind, CalculationMode mode) {
  if (mode == CalculationMode::kPrecise) return true;
  const KindRecord* record = FindKindRecord(kind);
  return record != nullptr && !HasClassicAlgorithms(*record);
}

std::string WithPreciseAnswersLine(const std::string& message) {
  // The report adds a full stop after a last character that sorts after "."; the message
  // keeps it although it no longer ends the text.
  std::string first = message;
  if (!first.empty() && static_cast<unsigned char>(first.back()) > '.') first += '.';
  return first + '\n' + kPreciseAnswersLine;
}

}  // namespace zudira
