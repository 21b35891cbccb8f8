// Chi-Squared and Inverse Chi-Squared: the whole degrees of freedom.
#include <algorithm>

#include "core/kinds/one_degree_of_freedom.h"
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

constexpr KindRecord kForward{
    .kind = dkChiSquared,
    .list_text = "Chi-Squared Distribution",
    .inputs = kOneDegreeOfFreedomInputs,
    .check = CheckOneDegreeOfFreedom,
    .continuous = &KindTables::chi_squared,
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
