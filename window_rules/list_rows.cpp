#include "window_rules/list_rows.h"

#include <cstdint>

#include "numeric/conversions.h"
#include "stats/combinatorics.h"

namespace zudira {

bool ListSizeAccepted(int n) {
  return n >= 0 && n <= kMaxListN;
}

namespace {

Real ListValue(ListKind kind, std::uint32_t n, std::uint32_t i) {
  switch (kind) {
    case ListKind::lkBinomialCoeffs:
      return BinomialCoeff(n, i);
    case ListKind::lkFactorials:
      return Factorial(i);
    case ListKind::lkPermutations:
      return Permutations(n, i);
  }
  return 0;
}

}  // namespace

std::string ListRow(ListKind kind, int n, int i) {
  std::string row = SafeIntToStr(i);
  row += kListDelimiter;
  // Counts reach the library as unsigned, as the library's own callers pass them.
  row += SafeFloatToFixed(
      ListValue(kind, static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(i)), 0);
  return row;
}

std::vector<std::string> BuildListRows(ListKind kind, int n) {
  std::vector<std::string> rows;
  if (n < 0) return rows;
  rows.reserve(static_cast<std::size_t>(n) + 1);
  for (int i = 0; i <= n; ++i) rows.push_back(ListRow(kind, n, i));
  return rows;
}

std::string ListPromptCaption(ListKind kind) {
  switch (kind) {
    case ListKind::lkBinomialCoeffs:
      return "Binomial Coefficients";
    case ListKind::lkFactorials:
      return "Factorials";
    case ListKind::lkPermutations:
      return "Permuations";
  }
  return {};
}

std::string ListWindowCaption(ListKind kind, int n) {
  std::string caption;
  switch (kind) {
    case ListKind::lkBinomialCoeffs:
      caption = "Binomial Coefficients for N = ";
      break;
    case ListKind::lkFactorials:
      caption = "Factorials up to N = ";
      break;
    case ListKind::lkPermutations:
      caption = "Permutations for N = ";
      break;
  }
  return caption + SafeIntToStr(n);
}

std::string ListPrintTitle(ListKind kind) {
  switch (kind) {
    case ListKind::lkBinomialCoeffs:
      return "Binomial Coefficients";
    case ListKind::lkFactorials:
      return "Factorials";
    case ListKind::lkPermutations:
      return "Permutations";
  }
  return {};
}

std::string ListValueHeading(ListKind kind) {
  return kind == ListKind::lkBinomialCoeffs ? "Coefficient" : "Factorials";
}

}  // namespace zudira
