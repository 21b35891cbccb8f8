// F and Inverse F: the whole degrees of freedom of both fields.
#include <algorithm>

#include "core/inverse_targets.h"
#include "core/kinds/kind_checks.h"
#include "core/kinds/kind_record.h"
#include "core/kinds/single_precision_targets.h"
#include "core/tail_search.h"
#include "stats/argument_narrowing.h"
#include "stats/f_distribution.h"
#include "stats/precise/precise_densities.h"
#include "stats/precise/precise_distributions.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest& r) {
  return r.mean.whole <= 0 || r.sdev.whole <= 0 ? kDegreesText : nullptr;
}

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "F (df1 = " + std::to_string(r.mean.whole) + ListSeparator(separator) +
         "df2 = " + std::to_string(r.sdev.whole) + ")";
}

std::string RArgs(const ProbabilityRequest& r) {
  return ", df1 = " + std::to_string(r.mean.whole) + ", df2 = " + std::to_string(r.sdev.whole);
}
std::string SheetArgs(const ProbabilityRequest& r, char) {
  return ";" + std::to_string(r.mean.whole) + ";" + std::to_string(r.sdev.whole);
}
Real Centre(const ProbabilityRequest&) {
  return 1;
}

// The spreadsheet refuses a negative x; the tails there are written as their values.
std::string SheetLower(const SheetCall& c, Real x) {
  return x <= 0 ? "0" : "F.DIST(" + c.Number(x) + c.args + ";1)";
}
std::string SheetUpper(const SheetCall& c, Real x) {
  return x <= 0 ? "1" : "F.DIST.RT(" + c.Number(x) + c.args + ")";
}

// F.INV loses digits in the far lower tail; the lower quantile of F(m, n) is the reciprocal of
// the upper one of F(n, m).
std::string SheetInvLower(const SheetCall& c, const std::string& t_text, Real, bool) {
  return "1/F.INV.RT(" + t_text + ";" + std::to_string(c.r.sdev.whole) + ";" +
         std::to_string(c.r.mean.whole) + ")";
}
std::string SheetInvUpper(const SheetCall& c, const std::string& t_text, Real, bool) {
  return "F.INV.RT(" + t_text + c.args + ")";
}

constexpr KindNotation kNotation{
    .r_name = "f",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_lower = SheetLower,
    .sheet_upper = SheetUpper,
    .sheet_inv_lower = SheetInvLower,
    .sheet_inv_upper = SheetInvUpper,
};

bool PlotValid(const ProbabilityRequest& r) {
  return r.mean.whole >= 1 && r.sdev.whole >= 1;
}
Real Density(const ProbabilityRequest& r, Real x) {
  return precise::FDistDensity(r.mean.whole, r.sdev.whole, x);
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "Degrees of Freedom 1:",
    .mean_hint = "The Horizontal Degrees of Freedom for the Distribution",
    .mean_entry = InputEntry::iePositive,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Degrees of Freedom 2:",
    .sdev_hint = "The Vertical Degrees of Freedom for the Distribution",
    .sdev_entry = InputEntry::iePositive,
    .bound_entry = InputEntry::ieReal,
};

std::string TableTitle(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  const FieldValue& s = d.second;
  return "F Distribution (df1 = " + std::to_string(m.whole) + ", df2 = " + std::to_string(s.whole) +
         ")";
}

Real TableCell(const DistributionParameters& d, Real x, int column) {
  const FieldValue& m = d.first;
  const FieldValue& s = d.second;
  return column == 0   ? precise::FDistDensity(m.whole, s.whole, x)
         : column == 1 ? precise::FDistF(m.whole, s.whole, x)
                       : precise::FDistQ(m.whole, s.whole, x);
}

// One step above 0: the library takes no bound of 0.
TableRows TableRowsOf(const DistributionParameters&) {
  return {0.25L, 0.25L, 20};
}

// The classic table. F: the whole degrees of freedom of both fields; the lower tail in
// extended precision, the quantile of the upper tail in single precision.
Real ClassicF(const DistributionParameters& d, Real x) {
  return FCDF(ToUnsignedDf(d.first.whole), ToUnsignedDf(d.second.whole), x);
}
Real ClassicQ(const DistributionParameters& d, Real x) {
  return 1 - ClassicF(d, x);
}
std::optional<Real> ClassicInvUpper(const DistributionParameters& d, Real t) {
  const std::optional<float> target = SingleUpperTarget(t);
  if (!target) return std::nullopt;
  return InverseF(d.first.whole, d.second.whole, *target);
}
std::optional<Real> ClassicInvLower(const DistributionParameters& d, Real t) {
  return ClassicInvUpper(d, 1 - t);
}

constexpr ContinuousFunctions kClassicTable{ClassicF,        ClassicQ, ClassicInvLower,
                                            ClassicInvUpper, FTargets, SingleTargetError,
                                            nullptr,         nullptr,  nullptr};

// The precise table, from stats/precise. The inverses solve any target inside (0, 1); the
// support's finite end 0 answers its own tail of 1.
Real PreciseF(const DistributionParameters& d, Real x) {
  return precise::FDistF(d.first.whole, d.second.whole, x);
}
Real PreciseQ(const DistributionParameters& d, Real x) {
  return precise::FDistQ(d.first.whole, d.second.whole, x);
}
bool DegreesValid(const DistributionParameters& d) {
  return d.first.whole >= 1 && d.second.whole >= 1;
}
// With 2 degrees of freedom on either side the inverse is a closed form, right at any target.
PrimaryKind InverseKind(const DistributionParameters& d) {
  return d.first.whole == 2 || d.second.whole == 2 ? PrimaryKind::kClosedForm
                                                   : PrimaryKind::kIterative;
}
std::optional<Real> PreciseInvLower(const DistributionParameters& d, Real t) {
  if (t == 0) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (!DegreesValid(d)) return precise::FDistInvLower(d.first.whole, d.second.whole, t);
  return SolveTail([&] { return precise::FDistInvLower(d.first.whole, d.second.whole, t); },
                   PreciseF, PreciseQ, d, false, t, kSmallest, kLargest, InverseKind(d));
}
std::optional<Real> PreciseInvUpper(const DistributionParameters& d, Real t) {
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (!DegreesValid(d)) return precise::FDistInvUpper(d.first.whole, d.second.whole, t);
  return SolveTail([&] { return precise::FDistInvUpper(d.first.whole, d.second.whole, t); },
                   PreciseF, PreciseQ, d, true, t, kSmallest, kLargest, InverseKind(d));
}

Real PreciseDensity(const DistributionParameters& d, Real x) {
  return precise::FDistDensity(d.first.whole, d.second.whole, x);
}

constexpr ContinuousFunctions kPreciseTable{PreciseF,        PreciseQ,       PreciseInvLower,
                                            PreciseInvUpper, PreciseTargets, nullptr,
                                            nullptr,         nullptr,        PreciseDensity};

constexpr KindRecord kForward{
    .kind = dkF,
    .list_text = "F-Distribution",
    .inputs = kInputs,
    .check = Check,
    .classic_continuous = &kClassicTable,
    .precise_continuous = &kPreciseTable,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .density = Density,
    .support_from_zero = true,
    .report_captions = {"Degrees of Freedom 1: ", "Degrees of Freedom 2: "},
    .forward = dkF,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace

extern const KindRecord kFKind = kForward;
extern const KindRecord kInverseFKind = InverseOf(kForward, dkInverseF, "Inverse F-Distribution");

}  // namespace zudira
