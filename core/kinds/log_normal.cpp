// Log-Normal and Inverse Log-Normal: the mean μ and standard deviation σ of ln X; support x > 0.
// No classic algorithm: the precise functions answer in both modes.
#include <algorithm>
#include <cmath>

#include "core/inverse_targets.h"
#include "core/kinds/kind_checks.h"
#include "core/kinds/kind_record.h"
#include "core/tail_search.h"
#include "stats/precise/location_scale_distributions.h"

namespace zudira {
namespace {

namespace pr = precise;

const char* Check(const ProbabilityRequest& r) {
  if (const char* e = CheckFinite(r.mean.real, "μ is not a number", "μ must be finite")) return e;
  if (std::isinf(r.sdev.real)) return "σ must be finite";
  if (!(r.sdev.real > 0)) return "σ must be > 0";
  return nullptr;
}

Real F(const DistributionParameters& d, Real x) {
  return pr::LogNormalF(d.first.real, d.second.real, x);
}
Real Q(const DistributionParameters& d, Real x) {
  return pr::LogNormalQ(d.first.real, d.second.real, x);
}
// The support's end 0 answers the lower tail 0 and the upper tail 1.
std::optional<Real> InvLower(const DistributionParameters& d, Real t) {
  if (t == 0) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::LogNormalInvLower(d.first.real, d.second.real, t); }, F, Q, d,
                   false, t, kSmallest, kLargest);
}
std::optional<Real> InvUpper(const DistributionParameters& d, Real t) {
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::LogNormalInvUpper(d.first.real, d.second.real, t); }, F, Q, d,
                   true, t, kSmallest, kLargest);
}
Real TableDensity(const DistributionParameters& d, Real x) {
  return pr::LogNormalDensity(d.first.real, d.second.real, x);
}

constexpr ContinuousFunctions kFunctions{F,       Q,       InvLower, InvUpper,    PreciseTargets,
                                         nullptr, nullptr, nullptr,  TableDensity};

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Log-Normal (μ = " + ShortNumber(r.mean.real, separator) + ListSeparator(separator) +
         "σ = " + ShortNumber(r.sdev.real, separator) + ")";
}

std::string RArgs(const ProbabilityRequest& r) {
  return ", meanlog = " + RNumber(r.mean.real) + ", sdlog = " + RNumber(r.sdev.real);
}
std::string SheetArgs(const ProbabilityRequest& r, char separator) {
  return ";" + ShortNumber(r.mean.real, separator) + ";" + ShortNumber(r.sdev.real, separator);
}
// The median e^μ, held below the largest extended number.
Real Centre(const ProbabilityRequest& r) {
  return std::exp(std::min<Real>(r.mean.real, 11356));
}
// The arguments of the mirror image: ln X with its mean negated.
std::string MirroredArgs(const SheetCall& c) {
  return ";" + c.Number(-c.r.mean.real) + ";" + c.Number(c.r.sdev.real);
}

// The spreadsheet refuses x <= 0, where the tails are 0 and 1.
std::string SheetLower(const SheetCall& c, Real x) {
  return x <= 0 ? "0" : "LOGNORM.DIST(" + c.Number(x) + c.args + ";1)";
}
// P(X > x) = P(-ln X < -ln x), the lower tail of a normal, which keeps its digits.
std::string SheetUpper(const SheetCall& c, Real x) {
  return x <= 0 ? "1" : "NORM.DIST(-LN(" + c.Number(x) + ")" + MirroredArgs(c) + ";1)";
}
std::string SheetInvLower(const SheetCall& c, const std::string& t_text, Real, bool) {
  return "LOGNORM.INV(" + t_text + c.args + ")";
}
// 1/X is log-normal with mean -μ: its lower quantile of t is the reciprocal of X's upper one.
std::string SheetInvUpper(const SheetCall& c, const std::string& t_text, Real, bool) {
  return "1/LOGNORM.INV(" + t_text + MirroredArgs(c) + ")";
}

constexpr KindNotation kNotation{
    .r_name = "lnorm",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_lower = SheetLower,
    .sheet_upper = SheetUpper,
    .sheet_inv_lower = SheetInvLower,
    .sheet_inv_upper = SheetInvUpper,
};

// e^(μ ± several σ) must stay within what a double can draw.
bool PlotValid(const ProbabilityRequest& r) {
  return std::fabs(r.mean.real) <= 300 && r.sdev.real > 0 && r.sdev.real <= 50;
}
Real Density(const ProbabilityRequest& r, Real x) {
  return pr::LogNormalDensity(r.mean.real, r.sdev.real, x);
}

constexpr KindInputs kInputs{
    .show_mean_label = true,
    .p_caption = {},
    .mean_hint = "The Mean of ln X",
    .mean_entry = InputEntry::ieReal,
    .second_shown = true,
    .show_sigma_label = true,
    .n_caption = {},
    .sdev_hint = "The Standard Deviation of ln X. Must be > 0",
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

std::string TableTitle(const DistributionParameters& d) {
  return "Log-Normal Distribution (μ = " + TableNumber(d.first.real) +
         ", σ = " + TableNumber(d.second.real) + ")";
}

Real TableCell(const DistributionParameters& d, Real x, int column) {
  return column == 0 ? TableDensity(d, x) : column == 1 ? F(d, x) : Q(d, x);
}

// From 0 in steps of a quarter of the median.
TableRows TableRowsOf(const DistributionParameters& d) {
  const Real median = std::exp(std::clamp<Real>(d.first.real, -11000, 11000));
  if (!UsableScale(d.second.real) || !std::isfinite(d.first.real)) return {0, 0.25L, 21};
  return {0, median / 4, 21};
}

constexpr KindRecord kForward{
    .kind = dkLogNormal,
    .list_text = "Log-Normal Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .precise_continuous = &kFunctions,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .density = Density,
    .support_from_zero = true,
    .report_captions = {"Mean of ln X (μ): ", "Standard Deviation of ln X (σ): ", {}},
    .forward = dkLogNormal,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace

extern const KindRecord kLogNormalKind = kForward;
extern const KindRecord kInverseLogNormalKind =
    InverseOf(kForward, dkInverseLogNormal, "Inverse Log-Normal Distribution");

}  // namespace zudira
