// Poisson: the real mean λ.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/kinds/kind_checks.h"
#include "core/kinds/kind_record.h"
#include "stats/argument_narrowing.h"
#include "stats/poisson.h"
#include "stats/precise/precise_distributions.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest& r) {
  if (const char* e = CheckFinite(r.mean.real, kMeanNaNText, kFiniteMeanText)) return e;
  if (!(r.mean.real >= 0)) return "Mean must be ≥ 0";
  return nullptr;
}

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Poisson (λ = " + ShortNumber(r.mean.real, separator) + ")";
}

std::string RArgs(const ProbabilityRequest& r) {
  return ", lambda = " + RNumber(r.mean.real);
}
std::string SheetArgs(const ProbabilityRequest& r, char separator) {
  return ";" + ShortNumber(r.mean.real, separator);
}
Real Centre(const ProbabilityRequest& r) {
  return r.mean.real;
}

// P(X > k) as the regularised incomplete gamma P(k+1, λ).
std::string SheetCountUpper(const SheetCall& c, std::int64_t k) {
  return "GAMMA.DIST(" + c.Number(c.r.mean.real) + ";" + std::to_string(k + 1) + ";1;1)";
}

// A Poisson with λ = 0 is 0 for certain; the spreadsheet refuses that λ.
bool SheetRefuses(const ProbabilityRequest& r) {
  return r.mean.real == 0;
}

constexpr KindNotation kNotation{
    .r_name = "pois",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_count_function = "POISSON.DIST(",
    .sheet_count_upper = SheetCountUpper,
    .sheet_refuses = SheetRefuses,
};

// Counts are 32-bit: the mass must end well inside that range.
bool PlotValid(const ProbabilityRequest& r) {
  const Real lambda = r.mean.real;
  return lambda >= 0 && lambda + 40 * std::sqrt(lambda) + 40 < INT32_MAX;
}
std::int64_t PlotTop(const ProbabilityRequest& r) {
  const Real lambda = r.mean.real;
  return static_cast<std::int64_t>(lambda + 40 * std::sqrt(lambda) + 40);
}

std::string TableTitle(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  return "Poisson Distribution (μ = " + TableNumber(m.real) + ")";
}

// The rows are checked to be whole and small counts.
Real TableCell(const DistributionParameters& d, Real x, int column) {
  const FieldValue& m = d.first;
  const auto k = static_cast<std::int64_t>(x);
  return column == 0   ? precise::PoissonE(m.real, k)
         : column == 1 ? precise::PoissonL(m.real, k + 1)
                       : precise::PoissonG(m.real, k);
}

TableRows TableRowsOf(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  const std::int64_t last = std::isfinite(m.real) && m.real >= 0 ? PoissonLastRow({m.real}, 4) : -1;
  return {0, 1, last < 0 ? 21 : static_cast<int>(last) + 1};
}

// The classic table. Poisson: the real mean. The library forms P(X > k) from P(X < k + 1), so
// k stays below the largest 32-bit count; any count that high is past the factorial limit
// either way.
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

Real ClassicE(const DistributionParameters& d, std::int64_t k) {
  return PoissonProb(ToInt32(k), d.first.real);
}
Real ClassicL(const DistributionParameters& d, std::int64_t k) {
  return PoissonLess(ToInt32(k), d.first.real);
}
Real ClassicG(const DistributionParameters& d, std::int64_t k) {
  return PoissonGreater(ToInt32(std::clamp<std::int64_t>(k, -1, kInt32Max - 1)), d.first.real);
}

constexpr DiscreteFunctions kClassicTable{nullptr, ClassicE, ClassicL, ClassicG};

// The precise table, from stats/precise.
Real PreciseE(const DistributionParameters& d, std::int64_t k) {
  return precise::PoissonE(d.first.real, k);
}
Real PreciseL(const DistributionParameters& d, std::int64_t k) {
  return precise::PoissonL(d.first.real, k);
}
Real PreciseG(const DistributionParameters& d, std::int64_t k) {
  return precise::PoissonG(d.first.real, k);
}

constexpr DiscreteFunctions kPreciseTable{nullptr, PreciseE, PreciseL, PreciseG};

}  // namespace

extern const KindRecord kPoissonKind{
    .kind = dkPoisson,
    .list_text = "Poisson Distribution",
    .discrete = true,
    .inputs =
        {
            .show_mean_label = true,
            .p_caption = {},
            .mean_hint = "Average Number of Successes in given Time Period",
            .mean_entry = InputEntry::iePosReal,
            .second_shown = false,
            .show_sigma_label = false,
            .n_caption = {},
            .sdev_hint = {},
            .sdev_entry = InputEntry::iePosReal,
            .bound_entry = InputEntry::iePositive,
        },
    .check = Check,
    .classic_discrete = &kClassicTable,
    .precise_discrete = &kPreciseTable,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .plot_top = PlotTop,
    .report_captions = {"Average Number of Successes in a given period (μ): ", {}},
    .forward = dkPoisson,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace zudira
