// Student T and Inverse Student T: the whole degrees of freedom.
#include <algorithm>

#include "core/inverse_targets.h"
#include "core/kinds/one_degree_of_freedom.h"
#include "core/tail_search.h"
#include "stats/precise/precise_densities.h"
#include "stats/precise/precise_distributions.h"
#include "stats/student_t.h"

namespace zudira {
namespace {

std::string InWords(const ProbabilityRequest& r, char) {
  return "Student T (df = " + std::to_string(r.mean.whole) + ")";
}

Real Centre(const ProbabilityRequest&) {
  return 0;
}
std::string SheetLower(const SheetCall& c, Real x) {
  return "T.DIST(" + c.Number(x) + c.args + ";1)";
}
std::string SheetUpper(const SheetCall& c, Real x) {
  return "T.DIST.RT(" + c.Number(x) + c.args + ")";
}

// T.INV loses digits in the tails; T.INV.2T(2s) is the bound above 0 whose upper tail is s,
// for s <= 1/2. The tail on the bound's own side is taken: t, or 1 - t where t passes 1/2.
std::string Inverse(const SheetCall& c, const std::string& t_text, Real t, bool plain, bool upper) {
  const std::string t_operand = plain ? t_text : "(" + t_text + ")";
  const bool small = t <= 0.5L;
  const std::string tail = small ? "2*" + t_operand : "2*(1-" + t_operand + ")";
  // The bound lies above 0 when its upper tail is the small one.
  const bool above = upper == small;
  return std::string(above ? "" : "-") + "T.INV.2T(" + tail + c.args + ")";
}
std::string SheetInvLower(const SheetCall& c, const std::string& t_text, Real t, bool plain) {
  return Inverse(c, t_text, t, plain, false);
}
std::string SheetInvUpper(const SheetCall& c, const std::string& t_text, Real t, bool plain) {
  return Inverse(c, t_text, t, plain, true);
}

constexpr KindNotation kNotation{
    .r_name = "t",
    .r_args = OneDegreeOfFreedomRArgs,
    .sheet_args = OneDegreeOfFreedomSheetArgs,
    .centre = Centre,
    .sheet_lower = SheetLower,
    .sheet_upper = SheetUpper,
    .sheet_inv_lower = SheetInvLower,
    .sheet_inv_upper = SheetInvUpper,
};

Real Density(const ProbabilityRequest& r, Real x) {
  return precise::StudentTDensity(r.mean.whole, x);
}

std::string TableTitle(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  return "Student T Distribution (df = " + std::to_string(m.whole) + ")";
}

Real TableCell(const DistributionParameters& d, Real x, int column) {
  const FieldValue& m = d.first;
  return column == 0   ? precise::StudentTDensity(m.whole, x)
         : column == 1 ? precise::StudentTF(m.whole, x)
                       : precise::StudentTQ(m.whole, x);
}

TableRows TableRowsOf(const DistributionParameters&) {
  return {-4, 0.5L, 17};
}

// The classic table. Student t: the whole degrees of freedom.
Real ClassicF(const DistributionParameters& d, Real x) {
  return StudentTCDF(d.first.whole, x);
}
Real ClassicQ(const DistributionParameters& d, Real x) {
  return 1 - ClassicF(d, x);
}
std::optional<Real> ClassicInvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return InverseStudentTLower(d.first.whole, t);
}
std::optional<Real> ClassicInvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return InverseStudentTUpper(d.first.whole, t);
}

constexpr ContinuousFunctions kClassicTable{ClassicF,        ClassicQ,       ClassicInvLower,
                                            ClassicInvUpper, TwoTailTargets, nullptr,
                                            nullptr,         nullptr,        nullptr};

// The precise table, from stats/precise. The inverses solve any target inside (0, 1).
Real PreciseF(const DistributionParameters& d, Real x) {
  return precise::StudentTF(d.first.whole, x);
}
Real PreciseQ(const DistributionParameters& d, Real x) {
  return precise::StudentTQ(d.first.whole, x);
}
Real PreciseCentered(const DistributionParameters& d, Real x) {
  return precise::StudentTCentered(d.first.whole, x);
}
std::optional<Real> PreciseInvCentered(const DistributionParameters& d, Real c) {
  if (!(c > -0.5L && c < 0.5L)) return std::nullopt;
  return precise::StudentTInvCentered(d.first.whole, c);
}
std::optional<Real> PreciseInvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (d.first.whole < 1) return precise::StudentTInvLower(d.first.whole, t);
  return SolveTail([&] { return precise::StudentTInvLower(d.first.whole, t); }, PreciseF, PreciseQ,
                   d, false, t, -kLargest, kLargest);
}
std::optional<Real> PreciseInvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  if (d.first.whole < 1) return precise::StudentTInvUpper(d.first.whole, t);
  return SolveTail([&] { return precise::StudentTInvUpper(d.first.whole, t); }, PreciseF, PreciseQ,
                   d, true, t, -kLargest, kLargest);
}

Real PreciseDensity(const DistributionParameters& d, Real x) {
  return precise::StudentTDensity(d.first.whole, x);
}

constexpr ContinuousFunctions kPreciseTable{PreciseF,        PreciseQ,           PreciseInvLower,
                                            PreciseInvUpper, PreciseTargets,     nullptr,
                                            PreciseCentered, PreciseInvCentered, PreciseDensity};

constexpr KindRecord kForward{
    .kind = dkStudentT,
    .list_text = "Student T Distribution",
    .inputs = kOneDegreeOfFreedomInputs,
    .check = CheckOneDegreeOfFreedom,
    .classic_continuous = &kClassicTable,
    .precise_continuous = &kPreciseTable,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotOneDegreeOfFreedom,
    .density = Density,
    .report_captions = kOneDegreeOfFreedomReport,
    .forward = dkStudentT,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace

extern const KindRecord kStudentTKind = kForward;
extern const KindRecord kInverseStudentTKind =
    InverseOf(kForward, dkInverseStudentT, "Inverse Student T Distribution");

}  // namespace zudira
