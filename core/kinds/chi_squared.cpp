// Chi-Squared and Inverse Chi-Squared: the whole degrees of freedom.
#include <algorithm>

#include "core/inverse_targets.h"
#include "core/kinds/one_degree_of_freedom.h"
#include "core/kinds/single_precision_targets.h"
#include "core/tail_search.h"
#include "stats/argument_narrowing.h"
#include "stats/chi_squared.h"
#include "stats/precise/precise_densities.h"
#include "stats/precise/precise_distributions.h"

namespace zudira {
namespace {

std::string InWords(const ProbabilityRequest& r, char) {
  return "Chi-Squared (df = " + std::to_string(r.mean.whole) + ")";
}

Real Centre(const ProbabilityRequest& r) {
  return r.mean.whole;
}

// The spreadsheet refuses a negative x; the tails there are written as their values.
std::string SheetLower(const SheetCall& c, Real x) {
  return x <= 0 ? "0" : "CHISQ.DIST(" + c.Number(x) + c.args + ";1)";
}
std::string SheetUpper(const SheetCall& c, Real x) {
  return x <= 0 ? "1" : "CHISQ.DIST.RT(" + c.Number(x) + c.args + ")";
}
std::string SheetInvLower(const SheetCall& c, const std::string& t_text, Real, bool) {
  return "CHISQ.INV(" + t_text + c.args + ")";
}
std::string SheetInvUpper(const SheetCall& c, const std::string& t_text, Real, bool) {
  return "CHISQ.INV.RT(" + t_text + c.args + ")";
}

constexpr KindNotation kNotation{
    .r_name = "chisq",
    .r_args = OneDegreeOfFreedomRArgs,
    .sheet_args = OneDegreeOfFreedomSheetArgs,
    .centre = Centre,
    .sheet_lower = SheetLower,
    .sheet_upper = SheetUpper,
    .sheet_inv_lower = SheetInvLower,
    .sheet_inv_upper = SheetInvUpper,
};

Real Density(const ProbabilityRequest& r, Real x) {
  return precise::ChiSquaredDensity(r.mean.whole, x);
}

std::string TableTitle(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  return "Chi-Squared Distribution (df = " + std::to_string(m.whole) + ")";
}

Real TableCell(const DistributionParameters& d, Real x, int column) {
  const FieldValue& m = d.first;
  return column == 0   ? precise::ChiSquaredDensity(m.whole, x)
         : column == 1 ? precise::ChiSquaredF(m.whole, x)
                       : precise::ChiSquaredQ(m.whole, x);
}

// One step above 0: the library takes no bound of 0.
TableRows TableRowsOf(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  const Real step = std::max(1, m.whole) / 4.0L;
  return {step, step, 20};
}

// The classic table. Chi-squared: the whole degrees of freedom; the library gives the upper
// tail and its quantile in single precision.
Real ClassicQ(const DistributionParameters& d, Real x) {
  return ChiSquaredUpper(d.first.whole, ToSingle(x));
}
Real ClassicF(const DistributionParameters& d, Real x) {
  return 1 - ClassicQ(d, x);
}
std::optional<Real> ClassicInvUpper(const DistributionParameters& d, Real t) {
  const std::optional<float> target = SingleUpperTarget(t);
  if (!target) return std::nullopt;
  return InverseChiSquared(d.first.whole, *target);
}
std::optional<Real> ClassicInvLower(const DistributionParameters& d, Real t) {
  return ClassicInvUpper(d, 1 - t);
}

constexpr ContinuousFunctions kClassicTable{ClassicF,        ClassicQ,          ClassicInvLower,
                                            ClassicInvUpper, ChiSquaredTargets, SingleTargetError,
                                            nullptr,         nullptr,           nullptr};

// The precise table, from stats/precise. The inverses solve any target inside (0, 1); the
// support's finite end 0 answers its own tail of 1.
Real PreciseF(const DistributionParameters& d, Real x) {
  return precise::ChiSquaredF(d.first.whole, x);
}
Real PreciseQ(const DistributionParameters& d, Real x) {
  return precise::ChiSquaredQ(d.first.whole, x);
}
std::optional<Real> PreciseInvLower(const DistributionParameters& d, Real t) {
  if (t == 0) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (d.first.whole < 1) return precise::ChiSquaredInvLower(d.first.whole, t);
  return SolveTail([&] { return precise::ChiSquaredInvLower(d.first.whole, t); }, PreciseF,
                   PreciseQ, d, false, t, kSmallest, kLargest);
}
std::optional<Real> PreciseInvUpper(const DistributionParameters& d, Real t) {
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (d.first.whole < 1) return precise::ChiSquaredInvUpper(d.first.whole, t);
  return SolveTail([&] { return precise::ChiSquaredInvUpper(d.first.whole, t); }, PreciseF,
                   PreciseQ, d, true, t, kSmallest, kLargest);
}

Real PreciseDensity(const DistributionParameters& d, Real x) {
  return precise::ChiSquaredDensity(d.first.whole, x);
}

constexpr ContinuousFunctions kPreciseTable{PreciseF,        PreciseQ,       PreciseInvLower,
                                            PreciseInvUpper, PreciseTargets, nullptr,
                                            nullptr,         nullptr,        PreciseDensity};

constexpr KindRecord kForward{
    .kind = dkChiSquared,
    .list_text = "Chi-Squared Distribution",
    .inputs = kOneDegreeOfFreedomInputs,
    .check = CheckOneDegreeOfFreedom,
    .classic_continuous = &kClassicTable,
    .precise_continuous = &kPreciseTable,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotOneDegreeOfFreedom,
    .density = Density,
    .support_from_zero = true,
    .report_captions = kOneDegreeOfFreedomReport,
    .forward = dkChiSquared,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace

extern const KindRecord kChiSquaredKind = kForward;
extern const KindRecord kInverseChiSquaredKind =
    InverseOf(kForward, dkInverseChiSquared, "Inverse Chi-Squared Distribution");

}  // namespace zudira
