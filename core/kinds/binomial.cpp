// Binomial: the real success probability p (Mean field) and the whole number of trials n (SDev
// field).
#include <algorithm>

#include "core/evaluate_request.h"
#include "core/kinds/kind_record.h"
#include "stats/argument_narrowing.h"
#include "stats/binomial.h"
#include "stats/precise/precise_distributions.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest& r) {
  if (!(r.mean.real >= 0 && r.mean.real <= 1)) return kProbabilityRangeText;
  if (r.sdev.whole < 0) return "n must be ≥ 0";
  return nullptr;
}

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Binomial (n = " + std::to_string(r.sdev.whole) + ListSeparator(separator) +
         "p = " + ShortNumber(r.mean.real, separator) + ")";
}

std::string RArgs(const ProbabilityRequest& r) {
  return ", size = " + std::to_string(r.sdev.whole) + ", prob = " + RNumber(r.mean.real);
}
std::string SheetArgs(const ProbabilityRequest& r, char separator) {
  return ";" + std::to_string(r.sdev.whole) + ";" + ShortNumber(r.mean.real, separator);
}
Real Centre(const ProbabilityRequest& r) {
  return r.sdev.whole * r.mean.real;
}

// P(X > k) as the regularised incomplete beta I_p(k+1, n-k).
std::string SheetCountUpper(const SheetCall& c, std::int64_t k) {
  return "BETA.DIST(" + c.Number(c.r.mean.real) + ";" + std::to_string(k + 1) + ";" +
         std::to_string(c.r.sdev.whole - k) + ";1)";
}
std::optional<std::int64_t> LastCount(const ProbabilityRequest& r) {
  return r.sdev.whole;
}

constexpr KindNotation kNotation{
    .r_name = "binom",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_count_function = "BINOM.DIST(",
    .sheet_count_upper = SheetCountUpper,
    .last_count = LastCount,
};

bool PlotValid(const ProbabilityRequest& r) {
  return r.mean.real >= 0 && r.mean.real <= 1 && r.sdev.whole >= 0;
}
std::int64_t PlotTop(const ProbabilityRequest& r) {
  return r.sdev.whole;
}

std::string TableTitle(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  const FieldValue& s = d.second;
  return "Binomial Distribution (n = " + std::to_string(s.whole) + ", p = " + TableNumber(m.real) +
         ")";
}

// The rows are checked to be whole and small counts.
Real TableCell(const DistributionParameters& d, Real x, int column) {
  const FieldValue& m = d.first;
  const FieldValue& s = d.second;
  const auto k = static_cast<std::int64_t>(x);
  return column == 0   ? precise::BinomialE(s.whole, m.real, k)
         : column == 1 ? precise::BinomialL(s.whole, m.real, k + 1)
                       : precise::BinomialG(s.whole, m.real, k);
}

TableRows TableRowsOf(const DistributionParameters& d) {
  const FieldValue& s = d.second;
  return {0, 1, std::clamp(s.whole + 1, 1, kMaxTableRows)};
}

// Both tables: the real success probability p must lie in [0, 1].
const char* TableCheck(const DistributionParameters& d) {
  const Real p = d.first.real;
  return p >= 0 && p <= 1 ? nullptr : kProbabilityRangeText;
}

// The classic table.
Real ClassicE(const DistributionParameters& d, std::int64_t k) {
  return BinomialProb(d.second.whole, ToInt32(k), d.first.real);
}
// P(X < k) is the whole support for every k past n + 1, the library's own cut-off.
Real ClassicL(const DistributionParameters& d, std::int64_t k) {
  const std::int64_t n = d.second.whole;
  return BinomialLess(d.second.whole, ToInt32(std::min(k, n + 1)), d.first.real);
}
// P(X > k) is the whole support for every k below -1.
Real ClassicG(const DistributionParameters& d, std::int64_t k) {
  return BinomialGreater(d.second.whole, ToInt32(std::max<std::int64_t>(k, -1)), d.first.real);
}

constexpr DiscreteFunctions kClassicTable{TableCheck, ClassicE, ClassicL, ClassicG};

// The precise table, from stats/precise.
Real PreciseE(const DistributionParameters& d, std::int64_t k) {
  return precise::BinomialE(d.second.whole, d.first.real, k);
}
Real PreciseL(const DistributionParameters& d, std::int64_t k) {
  return precise::BinomialL(d.second.whole, d.first.real, k);
}
Real PreciseG(const DistributionParameters& d, std::int64_t k) {
  return precise::BinomialG(d.second.whole, d.first.real, k);
}

constexpr DiscreteFunctions kPreciseTable{TableCheck, PreciseE, PreciseL, PreciseG};

}  // namespace

extern const KindRecord kBinomialKind{
    .kind = dkBinomial,
    .list_text = "Binomial Distribution",
    .discrete = true,
    .inputs =
        {
            .show_mean_label = false,
            .p_caption = "P :",
            .mean_hint = "The Probability of Success. Must be in [0, 1]",
            .mean_entry = InputEntry::iePosReal,
            .second_shown = true,
            .show_sigma_label = false,
            .n_caption = "N :",
            .sdev_hint = "The Number of Trials. Must be a Positive Integer",
            .sdev_entry = InputEntry::iePositive,
            .bound_entry = InputEntry::iePositive,
        },
    .check = Check,
    .classic_discrete = &kClassicTable,
    .precise_discrete = &kPreciseTable,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .plot_top = PlotTop,
    .report_captions = {"Probability of Success (p):", "Number of Tests (n):"},
    .forward = dkBinomial,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace zudira
