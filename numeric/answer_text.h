// How an answer reads at the chosen decimals in each calculation mode, and what classic mode
// says when the precise algorithms would show another answer.
#pragma once

#include <string>

#include "core/distribution_functions.h"
#include "stats/real.h"

namespace zudira {

// The fixed-point text of the answer; in precise mode an answer that is not 0 but would show
// as 0 there reads in scientific form with that many decimals (3.0000000E-12 at 7).
std::string AnswerText(Real value, int decimals, CalculationMode mode);

// Empty when both answers read alike at the decimals; else the status-bar notice that names
// the precise answer, e.g. "Precise result: 12.7062047".
std::string PreciseResultNotice(Real classic, Real precise, int decimals);

}  // namespace zudira
