// The request and its answer in words.
#include "core/calculation_text.h"

#include <cstdio>

#include "core/distribution_functions.h"
#include "core/kinds/kind_record.h"

namespace zudira {

namespace {

bool Whole(const ProbabilityRequest& r) {
  return IsDiscreteKind(r.kind);
}

std::string BoundText(const ProbabilityRequest& r, const FieldValue& bound, char separator) {
  return Whole(r) ? std::to_string(bound.whole) : ShortNumber(bound.real, separator);
}

// "P(X < a)", "P(a ≤ X < b)", "P(X < a or X ≥ b)" with the bounds' texts.
std::string Event(RangeType range, const std::string& a, const std::string& b) {
  return "P(" + RangeEventText(range, a, b) + ")";
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
  const KindRecord* record = FindKindRecord(r.kind);
  if (record == nullptr) return {};
  return (record->inverse ? "Inverse " : "") + record->in_words(r, separator);
}

std::string CalculationInWords(const ProbabilityRequest& r, std::string_view answer_text,
                               char separator) {
  const std::string kind = KindInWords(r, separator);
  const std::string answer(answer_text);
  if (!IsInverseKind(r.kind)) {
    return kind + ": " +
           Event(r.range, BoundText(r, r.a, separator), BoundText(r, r.b, separator)) + " = " +
           answer;
  }
  // The A field holds the probability, B the fixed bound; the answer is the other bound.
  const std::string p = ShortNumber(r.a.real, separator);
  const std::string list_separator = ListSeparator(separator);
  if (!IsTwoBound(r.range)) {
    return kind + ": " + Event(r.range, "A", "") + " = " + p + list_separator + "A = " + answer;
  }
  const std::string fixed = ShortNumber(r.b.real, separator);
  if (r.fixed_end == feFixA)
    return kind + ": " + Event(r.range, fixed, "B") + " = " + p + list_separator + "B = " + answer;
  return kind + ": " + Event(r.range, "A", fixed) + " = " + p + list_separator + "A = " + answer;
}

}  // namespace zudira
