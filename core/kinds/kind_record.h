// Everything the program knows about one distribution kind, in one record: its list text and
// inputs, its parameter checks, its function tables in both modes, how the copied text writes
// it, what the plot needs and what the answer report prints. Each kind fills its record in its
// own file here; the registry lists them in the order of the distribution list.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/calculation_text.h"
#include "core/catalogue.h"
#include "core/distribution_functions.h"
#include "core/request.h"
#include "core/statistical_tables.h"
#include "stats/real.h"

namespace zudira {

// A spreadsheet term under construction: the request, the decimal separator, and the kind's
// parameters as the sheet lists them, each after a ";".
struct SheetCall {
  const ProbabilityRequest& r;
  char separator;
  const std::string& args;
  std::string Number(Real x) const { return ShortNumber(x, separator); }
};

// How the copied text writes a kind in R and in the spreadsheet. Every tail is written in a
// form that keeps its digits when it is small: upper tails never as 1 minus a lower tail.
struct KindNotation {
  std::string_view r_name;  // "norm": pnorm, dnorm, qnorm
  std::string (*r_args)(const ProbabilityRequest&);
  std::string (*sheet_args)(const ProbabilityRequest&, char separator);
  // Near the middle of the distribution: at and above it, upper tails are the small ones.
  Real (*centre)(const ProbabilityRequest&);

  // Continuous kinds: P(X <= x) and P(X > x).
  std::string (*sheet_lower)(const SheetCall&, Real x) = nullptr;
  std::string (*sheet_upper)(const SheetCall&, Real x) = nullptr;
  // Inverse kinds: the x with P(X <= x) = t and with P(X > x) = t, for the target t written
  // as t_text, which is a plain number when plain.
  std::string (*sheet_inv_lower)(const SheetCall&, const std::string& t_text, Real t,
                                 bool plain) = nullptr;
  std::string (*sheet_inv_upper)(const SheetCall&, const std::string& t_text, Real t,
                                 bool plain) = nullptr;

  // Discrete kinds: the sheet function of P(X <= k) and P(X = k) ("BINOM.DIST(") and the
  // form of P(X > k).
  std::string_view sheet_count_function = {};
  std::string (*sheet_count_upper)(const SheetCall&, std::int64_t k) = nullptr;
  // The last count of the support, where it ends; counts past it are written as values.
  std::optional<std::int64_t> (*last_count)(const ProbabilityRequest&) = nullptr;
  // The first count of the support where it starts above 0; counts below it are written as
  // values.
  std::int64_t (*first_count)(const ProbabilityRequest&) = nullptr;
  // R and the spreadsheet count k - count_offset: the geometric's trial k is the k - 1
  // failures before the first success there. The support ends above are in those counts.
  std::int64_t count_offset = 0;
  // Parameters whose distribution is certain at 0 and which the spreadsheet refuses.
  bool (*sheet_refuses)(const ProbabilityRequest&) = nullptr;
};

struct KindRecord {
  DistributionKind kind;
  std::string_view list_text;  // the item of the distribution list
  bool inverse = false;        // the A field holds a probability and the answer is a bound
  bool discrete = false;       // counts: whole bounds, a mass in bars
  KindInputs inputs;           // captions, hints and entry kinds of the parameter fields

  // The input error for parameters no distribution has, or nullptr. The bounds of a discrete
  // kind are whole numbers and are not checked further.
  const char* (*check)(const ProbabilityRequest&);

  // The kind's function tables: its classic algorithms and its precise functions over
  // Boost.Math; the inverse kinds use their forward kind's. A continuous or inverse kind fills
  // the continuous pair, a discrete kind the discrete one. A kind with no classic algorithm
  // leaves its classic table unset, and its precise table answers in both modes.
  const ContinuousFunctions* classic_continuous = nullptr;
  const ContinuousFunctions* precise_continuous = nullptr;
  const DiscreteFunctions* classic_discrete = nullptr;
  const DiscreteFunctions* precise_discrete = nullptr;

  // "Normal (μ = 0, σ = 1)" without "Inverse ", numbers with the separator.
  std::string (*in_words)(const ProbabilityRequest&, char separator);
  const KindNotation* notation;

  // The plot: whether the parameters have a distribution to draw; the density of a continuous
  // kind and whether its support starts at 0; a closed quantile where the table has no inverse;
  // the highest count a discrete kind's bars may reach.
  bool (*plot_valid)(const ProbabilityRequest&);
  Real (*density)(const ProbabilityRequest&, Real x) = nullptr;
  bool support_from_zero = false;
  Real (*closed_quantile)(const ProbabilityRequest&, Real t) = nullptr;
  std::int64_t (*plot_top)(const ProbabilityRequest&) = nullptr;
  // The ends of a bounded support (uniform, beta), which the plot never passes; nullptr where
  // the support runs to an infinite end (or only starts at 0, as support_from_zero says).
  void (*support_ends)(const ProbabilityRequest&, Real& low, Real& high) = nullptr;

  // The answer report's captions of the three parameter fields; empty where a field is unused.
  std::array<std::string_view, 3> report_captions;

  // The table of the current distribution, which shows an inverse kind's forward kind: its
  // title, the cell of a column (density or mass, P(X ≤ x), P(X > x)) at x, and its first rows.
  DistributionKind forward;
  std::string (*table_title)(const DistributionParameters& d);
  Real (*table_cell)(const DistributionParameters& d, Real x, int column);
  TableRows (*table_rows)(const DistributionParameters& d);
};

// An inverse kind's record: its forward kind's, in its own place of the list.
constexpr KindRecord InverseOf(KindRecord forward, DistributionKind kind,
                               std::string_view list_text) {
  forward.kind = kind;
  forward.list_text = list_text;
  forward.inverse = true;
  return forward;
}

// Whether a kind has classic algorithms of its own; the kinds after the first eleven do not.
inline bool HasClassicAlgorithms(const KindRecord& record) {
  return record.classic_continuous != nullptr || record.classic_discrete != nullptr;
}

// The record of a kind; nullptr for a number that is no kind.
const KindRecord* FindKindRecord(DistributionKind kind);

// Between two numbers in words: "; " where a comma is the decimal separator.
inline std::string ListSeparator(char decimal_separator) {
  return decimal_separator == ',' ? "; " : ", ";
}

// A number as R reads it.
inline std::string RNumber(Real x) {
  return ShortNumber(x, '.');
}

}  // namespace zudira
