// What the main window decides about an answer before and after it asks for one, as plain
// functions: requests that have no answer to show, and the word added to a classic error.
#pragma once

#include <optional>
#include <string>

#include "core/distribution_functions.h"
#include "core/request.h"
#include "stats/real.h"

namespace zudira {

// An inverse kind asked for P(X = A) with p other than 0: no A of a continuous distribution
// gives it, so the window refuses with this text rather than showing a bound that solves
// nothing. p = 0 is answered (every A gives it).
std::optional<std::string> PointTargetRefusal(const ProbabilityRequest& request);

// In classic mode, the precise answer of the same request when there is one: a classic error
// then gains the line below, and a classic answer the notice when the two read differently.
// The precise algorithms' own errors only mean that there is nothing to say, and so does a
// kind that has no classic algorithms.
std::optional<Real> PreciseCounterpart(const ProbabilityRequest& request, CalculationMode mode);

// Whether the precise algorithms made the answer of a kind in a mode: always for a kind
// without classic algorithms, which classic mode answers with the precise ones.
bool AnsweredPrecisely(DistributionKind kind, CalculationMode mode);

// The line a classic error gains when the precise algorithms answer the same request.
inline constexpr char kPreciseAnswersLine[] = "Options > Precise Results answers this request.";

// The error's message as the error report words it, with the line above under it.
std::string WithPreciseAnswersLine(const std::string& message);

}  // namespace zudira
