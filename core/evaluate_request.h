// One Calculate: a probability request in, an answer or an input error out. Errors raised by
// the statistical library are not part of the outcome; they pass through as exceptions.
#pragma once

#include <string>
#include <utility>

#include "core/distribution_functions.h"
#include "core/request.h"
#include "stats/exception.h"
#include "stats/real.h"

namespace zudira {

// The text of the Binomial success-probability check, also used for the probability of the
// inverse kinds.
inline constexpr const char* kProbabilityRangeText = "p must be in [0, 1]";

// An inverse request whose bound would have to lie at an infinite end of the support, or
// whose target probability lies outside [0, 1].
inline constexpr const char* kNoFiniteBoundText = "No finite bound gives this probability";
inline constexpr const char* kNoFiniteBoundFixedText =
    "No finite bound gives this probability with the given fixed end";

// An inverse request whose bound lies outside the extended range.
inline constexpr const char* kBoundTooLargeText =
    "The bound for this probability lies beyond the largest extended number (±1.1897315E4932)";
inline constexpr const char* kBoundTooSmallText =
    "The bound for this probability lies between 0 and the smallest positive extended number "
    "(3.6451995E-4951)";

// Raised by an inverse whose bound lies outside the extended range; the inverse kinds answer
// it as an input error with its text.
class BoundOutOfRange : public Exception {
 public:
  using Exception::Exception;
};

class EvaluationOutcome {
 public:
  static EvaluationOutcome WithAnswer(Real value) { return EvaluationOutcome(value, {}); }
  static EvaluationOutcome WithInputError(std::string text) {
    return EvaluationOutcome(0, std::move(text));
  }

  bool IsInputError() const { return !error_text_.empty(); }
  bool IsAnswer() const { return error_text_.empty(); }
  // The answer; 0 for an input error.
  Real Value() const { return value_; }
  // The text to show for an input error; empty for an answer.
  const std::string& ErrorText() const { return error_text_; }

 private:
  EvaluationOutcome(Real value, std::string error_text)
      : value_(value), error_text_(std::move(error_text)) {}

  Real value_;
  std::string error_text_;
};

// Keeps no state: the outcome is a function of the request alone.
EvaluationOutcome EvaluateRequest(const ProbabilityRequest& request,
                                  CalculationMode mode = CalculationMode::kClassic);

}  // namespace zudira
