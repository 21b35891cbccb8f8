#include "core/calculation_text.h"

#include <cstdio>

namespace zudira {

namespace {

bool Whole(const ProbabilityRequest& r) {
  return IsDiscreteKind(r.kind);
}

std::string BoundText(const ProbabilityRequest& r, const FieldValue& bound, char separator) {
  return Whole(r) ? std::to_string(bound.whole) : ShortNumber(bound.real, separator);
}

// Two-bound types come in the order OO, OC, CO, CC within their family.
const char* SignA(RangeType range) {
  const int signs = (range - rtInsideOO) % 4;
  const bool closed = (signs & 2) != 0;
  if (range >= rtOutsideOO) return closed ? " ≤ " : " < ";
  return closed ? " ≤ " : " < ";
}
const char* SignB(RangeType range) {
  const int signs = (range - rtInsideOO) % 4;
  const bool closed = (signs & 1) != 0;
  if (range >= rtOutsideOO) return closed ? " ≥ " : " > ";
  return closed ? " ≤ " : " < ";
}

// "P(X < a)", "P(a ≤ X < b)", "P(X < a or X ≥ b)" with the bounds' texts.
std::string Event(RangeType range, const std::string& a, const std::string& b) {
  switch (range) {
    case rtEqualA:
      return "P(X = " + a + ")";
    case rtBelowA:
      return "P(X < " + a + ")";
    case rtAtMostA:
      return "P(X ≤ " + a + ")";
    case rtAboveA:
      return "P(X > " + a + ")";
    case rtAtLeastA:
      return "P(X ≥ " + a + ")";
    default:
      break;
  }
  if (range <= rtInsideCC) return "P(" + a + SignA(range) + "X" + SignB(range) + b + ")";
  return std::string("P(X") + SignA(range) + a + " or X" + SignB(range) + b + ")";
}

}  // namespace

std::string ShortNumber(Real x, char decimal_separator) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15Lg", x);
  std::string text = buffer;
  for (char& c : text)
    if (c == '.') c = decimal_separator;
  // "-0" reads as a fault to most readers.
  if (text == "-0") text = "0";
  return text;
}

std::string KindInWords(const ProbabilityRequest& r, char separator) {
  auto real = [separator](Real x) { return ShortNumber(x, separator); };
  const std::string first_real = real(r.mean.real);
  const std::string df = std::to_string(r.mean.whole);
  const std::string prefix = IsInverseKind(r.kind) ? "Inverse " : "";
  switch (r.kind) {
    case dkNormal:
    case dkInverseNormal:
      return prefix + "Normal (μ = " + first_real + ", σ = " + real(r.sdev.real) + ")";
    case dkBinomial:
      return "Binomial (n = " + std::to_string(r.sdev.whole) + ", p = " + first_real + ")";
    case dkPoisson:
      return "Poisson (λ = " + first_real + ")";
    case dkExponential:
      return "Exponential (μ = " + first_real + ")";
    case dkStudentT:
    case dkInverseStudentT:
      return prefix + "Student T (df = " + df + ")";
    case dkChiSquared:
    case dkInverseChiSquared:
      return prefix + "Chi-Squared (df = " + df + ")";
    case dkF:
    case dkInverseF:
      return prefix + "F (df1 = " + df + ", df2 = " + std::to_string(r.sdev.whole) + ")";
  }
  return {};
}

std::string CalculationInWords(const ProbabilityRequest& r, std::string_view answer_text,
                               char separator) {
  const std::string kind = KindInWords(r, separator);
  const std::string answer(answer_text);
  if (!IsInverseKind(r.kind)) {
    return kind + ": " + Event(r.range, BoundText(r, r.a, separator),
                               BoundText(r, r.b, separator)) + " = " + answer;
  }
  // The A field holds the probability, B the fixed bound; the answer is the other bound.
  const std::string p = ShortNumber(r.a.real, separator);
  if (FamilyOf(r.range) == rfPoint) return kind + ": P(X = A) = 0";
  if (!IsTwoBound(r.range)) return kind + ": " + Event(r.range, "A", "") + " = " + p + ", A = " + answer;
  const std::string fixed = ShortNumber(r.b.real, separator);
  if (r.fixed_end == feFixA) return kind + ": " + Event(r.range, fixed, "B") + " = " + p + ", B = " + answer;
  return kind + ": " + Event(r.range, "A", fixed) + " = " + p + ", A = " + answer;
}

}  // namespace zudira
