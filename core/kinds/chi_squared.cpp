// Chi-Squared and Inverse Chi-Squared: the whole degrees of freedom.
#include "core/kinds/one_degree_of_freedom.h"
#include "stats/precise/precise_densities.h"

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

constexpr KindSpec Spec(DistributionKind kind, std::string_view list_text, bool inverse) {
  return KindSpec{
      .kind = kind,
      .list_text = list_text,
      .inverse = inverse,
      .inputs = kOneDegreeOfFreedomInputs,
      .check = CheckOneDegreeOfFreedom,
      .continuous = &KindTables::chi_squared,
      .in_words = InWords,
      .notation = &kNotation,
      .plot_valid = PlotOneDegreeOfFreedom,
      .density = Density,
      .support_from_zero = true,
      .report_captions = kOneDegreeOfFreedomReport,
  };
}

}  // namespace

extern const KindSpec kChiSquaredKind = Spec(dkChiSquared, "Chi-Squared Distribution", false);
extern const KindSpec kInverseChiSquaredKind =
    Spec(dkInverseChiSquared, "Inverse Chi-Squared Distribution", true);

}  // namespace zudira
