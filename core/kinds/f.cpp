// F and Inverse F: the whole degrees of freedom of both fields.
#include <algorithm>

#include "core/kinds/kind_checks.h"
#include "core/kinds/kind_record.h"
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

constexpr KindRecord kForward{
    .kind = dkF,
    .list_text = "F-Distribution",
    .inputs = kInputs,
    .check = Check,
    .continuous = &KindTables::f,
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
