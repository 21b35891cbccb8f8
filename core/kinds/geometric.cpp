// Geometric: the number k = 1, 2, ... of the trial that brings the first success, for the real
// success probability p (Mean field). No classic algorithm: the precise functions answer in
// both modes. R and the spreadsheet count the failures before it, k - 1.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/kinds/kind_record.h"
#include "stats/precise/counting_distributions.h"

namespace zudira {
namespace {

constexpr const char* kSuccessText = "p must be in (0, 1]";

bool ValidP(Real p) {
  return p > 0 && p <= 1;
}
const char* Check(const ProbabilityRequest& r) {
  return ValidP(r.mean.real) ? nullptr : kSuccessText;
}
const char* TableCheck(const DistributionParameters& d) {
  return ValidP(d.first.real) ? nullptr : kSuccessText;
}

Real E(const DistributionParameters& d, std::int64_t k) {
  return precise::GeometricE(d.first.real, k);
}
Real L(const DistributionParameters& d, std::int64_t k) {
  return precise::GeometricL(d.first.real, k);
}
Real G(const DistributionParameters& d, std::int64_t k) {
  return precise::GeometricG(d.first.real, k);
}

constexpr DiscreteFunctions kFunctions{TableCheck, E, L, G};

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Geometric (p = " + ShortNumber(r.mean.real, separator) + ")";
}

std::string RArgs(const ProbabilityRequest& r) {
  return ", prob = " + RNumber(r.mean.real);
}
// NEGBINOM.DIST(failures; 1; p; cumulative): one success awaited.
std::string SheetArgs(const ProbabilityRequest& r, char separator) {
  return ";1;" + ShortNumber(r.mean.real, separator);
}
// The mean number of failures, (1 - p) / p.
Real Centre(const ProbabilityRequest& r) {
  return (1 - r.mean.real) / r.mean.real;
}

// More than f failures: (1 - p)^(f + 1), which keeps its digits far out.
std::string SheetCountUpper(const SheetCall& c, std::int64_t failures) {
  return "(1-" + c.Number(c.r.mean.real) + ")^" + std::to_string(failures + 1);
}

constexpr KindNotation kNotation{
    .r_name = "geom",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_count_function = "NEGBINOM.DIST(",
    .sheet_count_upper = SheetCountUpper,
    .count_offset = 1,
};

// The trial beyond which less than a millionth of the mass lies.
Real Top(Real p) {
  return 1 + std::ceil(std::log(1e-6L) / std::log1p(-p));
}
// Counts are 32-bit: the mass must end well inside that range.
bool PlotValid(const ProbabilityRequest& r) {
  return ValidP(r.mean.real) && Top(r.mean.real) < INT32_MAX;
}
std::int64_t PlotTop(const ProbabilityRequest& r) {
  return static_cast<std::int64_t>(Top(r.mean.real));
}

std::string TableTitle(const DistributionParameters& d) {
  return "Geometric Distribution (p = " + TableNumber(d.first.real) + ")";
}

// The rows are checked to be whole and small counts.
Real TableCell(const DistributionParameters& d, Real x, int column) {
  const auto k = static_cast<std::int64_t>(x);
  return column == 0 ? E(d, k) : column == 1 ? L(d, k + 1) : G(d, k);
}

// From the first trial until P(X > k) is below half a unit of the fourth decimal.
TableRows TableRowsOf(const DistributionParameters& d) {
  const Real p = d.first.real;
  if (!ValidP(p)) return {1, 1, 1};
  const Real last = p == 1 ? 1 : std::ceil(std::log(5e-5L) / std::log1p(-p));
  return {1, 1, static_cast<int>(std::clamp<Real>(last, 1, kMaxTableRows))};
}

}  // namespace

extern const KindRecord kGeometricKind{
    .kind = dkGeometric,
    .list_text = "Geometric Distribution",
    .discrete = true,
    .inputs =
        {
            .show_mean_label = false,
            .p_caption = "P :",
            .mean_hint = "The Probability of Success in each Trial. Must be in (0, 1]",
            .mean_entry = InputEntry::iePosReal,
            .second_shown = false,
            .show_sigma_label = false,
            .n_caption = {},
            .sdev_hint = {},
            .sdev_entry = InputEntry::iePosReal,
            .bound_entry = InputEntry::iePositive,
        },
    .check = Check,
    .precise_discrete = &kFunctions,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .plot_top = PlotTop,
    .report_captions = {"Probability of Success (p): ", {}, {}},
    .forward = dkGeometric,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace zudira
