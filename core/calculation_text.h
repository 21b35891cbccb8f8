// A calculation as text: the request and answer in words, as an R expression and as a
// spreadsheet formula, for the clipboard and the plot's caption.
#pragma once

#include <string>
#include <string_view>

#include "core/request.h"
#include "stats/real.h"

namespace zudira {

// "Normal (μ = 0, σ = 1)": the kind with its parameters, numbers written with
// decimal_separator; with a decimal comma the parameters are parted by "; ".
std::string KindInWords(const ProbabilityRequest& request, char decimal_separator);

// "Normal (μ = 0, σ = 1): P(X < 1.96) = 0.9750021". answer_text is the answer as the window
// shows it (its decimals and separator); an inverse kind gives the probability and the
// solved bound: "Inverse Normal (μ = 0, σ = 1): P(X < A) = 0.95, A = 1.6448536".
std::string CalculationInWords(const ProbabilityRequest& request, std::string_view answer_text,
                               char decimal_separator);

// The three lines of Copy Calculation. The R expression writes numbers with "."; the
// spreadsheet formula (LibreOffice Calc) separates arguments with ";" and writes truth
// values as 1 and 0, which it reads in every locale, and numbers with decimal_separator. Small
// tails are written in forms that keep their digits (no 1 - t).
struct CalculationLines {
  std::string words;
  std::string r;
  std::string sheet;
};
CalculationLines CalculationText(const ProbabilityRequest& request, std::string_view answer_text,
                                 char decimal_separator);

// A number in its shortest form of up to 15 digits ("1.96", "-3", "1e+20").
std::string ShortNumber(Real x, char decimal_separator);

}  // namespace zudira
