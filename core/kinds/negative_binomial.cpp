// Negative binomial: the failures k = 0, 1, ... before the r-th success, for the whole r (Mean
// field) and the real success probability p (SDev field). No classic algorithm: the precise
// functions answer in both modes.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/kinds/kind_record.h"
#include "stats/precise/counting_distributions.h"

namespace zudira {
namespace {

const char* CheckParameters(Real p, std::int32_t r) {
  if (!(p > 0 && p <= 1)) return "p must be in (0, 1]";
  if (r < 1) return "Successes (r) must be ≥ 1";
  return nullptr;
}
const char* Check(const ProbabilityRequest& r) {
  return CheckParameters(r.sdev.real, r.mean.whole);
}
const char* TableCheck(const DistributionParameters& d) {
  return CheckParameters(d.second.real, d.first.whole);
}

Real E(const DistributionParameters& d, std::int64_t k) {
  return precise::NegativeBinomialE(d.first.whole, d.second.real, k);
}
Real L(const DistributionParameters& d, std::int64_t k) {
  return precise::NegativeBinomialL(d.first.whole, d.second.real, k);
}
Real G(const DistributionParameters& d, std::int64_t k) {
  return precise::NegativeBinomialG(d.first.whole, d.second.real, k);
}

constexpr DiscreteFunctions kFunctions{TableCheck, E, L, G};

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Negative Binomial (r = " + std::to_string(r.mean.whole) + ListSeparator(separator) +
         "p = " + ShortNumber(r.sdev.real, separator) + ")";
}

std::string RArgs(const ProbabilityRequest& r) {
  return ", size = " + std::to_string(r.mean.whole) + ", prob = " + RNumber(r.sdev.real);
}
std::string SheetArgs(const ProbabilityRequest& r, char separator) {
  return ";" + std::to_string(r.mean.whole) + ";" + ShortNumber(r.sdev.real, separator);
}
Real Mean(Real p, std::int32_t r) {
  return r * (1 - p) / p;
}
Real Centre(const ProbabilityRequest& r) {
  return Mean(r.sdev.real, r.mean.whole);
}

// P(X > k) as the regularised incomplete beta I_(1-p)(k+1, r).
std::string SheetCountUpper(const SheetCall& c, std::int64_t k) {
  return "BETA.DIST(1-" + c.Number(c.r.sdev.real) + ";" + std::to_string(k + 1) + ";" +
         std::to_string(c.r.mean.whole) + ";1)";
}

constexpr KindNotation kNotation{
    .r_name = "nbinom",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_count_function = "NEGBINOM.DIST(",
    .sheet_count_upper = SheetCountUpper,
};

// Forty standard deviations above the mean, where no visible mass is left.
Real Top(Real p, std::int32_t r) {
  return Mean(p, r) + 40 * std::sqrt(r * (1 - p)) / p + 40;
}
// Counts are 32-bit: the mass must end well inside that range.
bool PlotValid(const ProbabilityRequest& r) {
  return Check(r) == nullptr && Top(r.sdev.real, r.mean.whole) < INT32_MAX;
}
std::int64_t PlotTop(const ProbabilityRequest& r) {
  return static_cast<std::int64_t>(Top(r.sdev.real, r.mean.whole));
}

std::string TableTitle(const DistributionParameters& d) {
  return "Negative Binomial Distribution (r = " + std::to_string(d.first.whole) +
         ", p = " + TableNumber(d.second.real) + ")";
}

// The rows are checked to be whole and small counts.
Real TableCell(const DistributionParameters& d, Real x, int column) {
  const auto k = static_cast<std::int64_t>(x);
  return column == 0 ? E(d, k) : column == 1 ? L(d, k + 1) : G(d, k);
}

// Every count within eight standard deviations of the mean.
TableRows TableRowsOf(const DistributionParameters& d) {
  const Real p = d.second.real;
  const std::int32_t r = d.first.whole;
  if (TableCheck(d) != nullptr) return {0, 1, 1};
  const Real mean = Mean(p, r);
  // A table too long for them all is centred on the mean.
  const Real spread = std::min<Real>(8 * std::sqrt(r * (1 - p)) / p + 1, kMaxTableRows / 2 - 1);
  const Real first = std::max<Real>(0, std::floor(mean - spread));
  const Real last = std::ceil(mean + spread);
  return {first, 1, static_cast<int>(std::clamp<Real>(last - first + 1, 1, kMaxTableRows))};
}

}  // namespace

extern const KindRecord kNegativeBinomialKind{
    .kind = dkNegativeBinomial,
    .list_text = "Negative Binomial Distribution",
    .discrete = true,
    .inputs =
        {
            .show_mean_label = false,
            .p_caption = "Successes (r):",
            .mean_hint = "The Number of Successes to wait for. Must be a whole number ≥ 1",
            .mean_entry = InputEntry::iePositive,
            .second_shown = true,
            .show_sigma_label = false,
            .n_caption = "P :",
            .sdev_hint = "The Probability of Success in each Trial. Must be in (0, 1]",
            .sdev_entry = InputEntry::iePosReal,
            .bound_entry = InputEntry::iePositive,
        },
    .check = Check,
    .precise_discrete = &kFunctions,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .plot_top = PlotTop,
    .report_captions = {"Number of Successes (r): ", "Probability of Success (p): ", {}},
    .forward = dkNegativeBinomial,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace zudira
