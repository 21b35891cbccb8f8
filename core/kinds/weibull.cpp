// Weibull and Inverse Weibull: the shape k and scale λ; support x ≥ 0. No classic algorithm: the
// precise functions answer in both modes.
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
  if (std::isinf(r.mean.real)) return "Shape (k) must be finite";
  if (!(r.mean.real > 0)) return "Shape (k) must be > 0";
  if (std::isinf(r.sdev.real)) return "Scale (λ) must be finite";
  if (!(r.sdev.real > 0)) return "Scale (λ) must be > 0";
  return nullptr;
}

Real F(const DistributionParameters& d, Real x) {
  return pr::WeibullF(d.first.real, d.second.real, x);
}
Real Q(const DistributionParameters& d, Real x) {
  return pr::WeibullQ(d.first.real, d.second.real, x);
}
// The support's end 0 answers the lower tail 0 and the upper tail 1. The inverse is closed,
// λ (-ln(1 - t))^(1/k), right at any target.
std::optional<Real> InvLower(const DistributionParameters& d, Real t) {
  if (t == 0) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::WeibullInvLower(d.first.real, d.second.real, t); }, F, Q, d,
                   false, t, kSmallest, kLargest, PrimaryKind::kClosedForm);
}
std::optional<Real> InvUpper(const DistributionParameters& d, Real t) {
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::WeibullInvUpper(d.first.real, d.second.real, t); }, F, Q, d,
                   true, t, kSmallest, kLargest, PrimaryKind::kClosedForm);
}
Real TableDensity(const DistributionParameters& d, Real x) {
  return pr::WeibullDensity(d.first.real, d.second.real, x);
}

constexpr ContinuousFunctions kFunctions{F,       Q,       InvLower, InvUpper,    PreciseTargets,
                                         nullptr, nullptr, nullptr,  TableDensity};

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Weibull (k = " + ShortNumber(r.mean.real, separator) + ListSeparator(separator) +
         "λ = " + ShortNumber(r.sdev.real, separator) + ")";
}

std::string RArgs(const ProbabilityRequest& r) {
  return ", shape = " + RNumber(r.mean.real) + ", scale = " + RNumber(r.sdev.real);
}
std::string SheetArgs(const ProbabilityRequest& r, char separator) {
  return ";" + ShortNumber(r.mean.real, separator) + ";" + ShortNumber(r.sdev.real, separator);
}
// The median λ (ln 2)^(1/k), held within the extended range.
Real Centre(const ProbabilityRequest& r) {
  const Real log_median =
      std::log(r.sdev.real) + std::log(std::log(Real(2))) / std::max<Real>(r.mean.real, 1e-300L);
  return std::exp(std::clamp<Real>(log_median, -11350, 11350));
}
// (x/λ)^k, the exponent of the tails; the spreadsheet's unary minus binds before its power, so
// a negated power takes parentheses.
std::string Power(const SheetCall& c, Real x) {
  return "(" + c.Number(x) + "/" + c.Number(c.r.sdev.real) + ")^" + c.Number(c.r.mean.real);
}

// WEIBULL.DIST is 1 - e^(-(x/λ)^k), which loses the digits of a small lower tail; below the
// median the exponential's lower tail GAMMA.DIST(h;1;1;1) keeps them. The spreadsheet refuses
// x < 0, where the tails are 0 and 1.
std::string SheetLower(const SheetCall& c, Real x) {
  if (x <= 0) return "0";
  if (x >= Centre(c.r)) return "WEIBULL.DIST(" + c.Number(x) + c.args + ";1)";
  return "GAMMA.DIST(" + Power(c, x) + ";1;1;1)";
}
std::string SheetUpper(const SheetCall& c, Real x) {
  return x <= 0 ? "1" : "EXP(-(" + Power(c, x) + "))";
}
// The spreadsheet has no Weibull inverse: λ (-ln(1 - t))^(1/k), with -ln(1 - t) written as
// 2 atanh(t / (2 - t)), which keeps the digits of a small t.
std::string SheetInvLower(const SheetCall& c, const std::string& t_text, Real, bool) {
  return c.Number(c.r.sdev.real) + "*(2*ATANH((" + t_text + ")/(2-(" + t_text + "))))^(1/" +
         c.Number(c.r.mean.real) + ")";
}
std::string SheetInvUpper(const SheetCall& c, const std::string& t_text, Real, bool) {
  return c.Number(c.r.sdev.real) + "*(-LN(" + t_text + "))^(1/" + c.Number(c.r.mean.real) + ")";
}

constexpr KindNotation kNotation{
    .r_name = "weibull",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_lower = SheetLower,
    .sheet_upper = SheetUpper,
    .sheet_inv_lower = SheetInvLower,
    .sheet_inv_upper = SheetInvUpper,
};

// The quantiles λ (-ln(1 - t))^(1/k) must stay within what a double can draw.
bool PlotValid(const ProbabilityRequest& r) {
  return r.mean.real >= 0.02L && r.mean.real <= 1e6L && r.sdev.real > 0 &&
         std::fabs(std::log(r.sdev.real)) <= 600;
}
Real Density(const ProbabilityRequest& r, Real x) {
  return pr::WeibullDensity(r.mean.real, r.sdev.real, x);
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "Shape (k):",
    .mean_hint = "The Shape of the Weibull Distribution. Must be > 0",
    .mean_entry = InputEntry::iePosReal,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Scale (λ):",
    .sdev_hint = "The Scale of the Weibull Distribution. Must be > 0",
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

std::string TableTitle(const DistributionParameters& d) {
  return "Weibull Distribution (k = " + TableNumber(d.first.real) +
         ", λ = " + TableNumber(d.second.real) + ")";
}

Real TableCell(const DistributionParameters& d, Real x, int column) {
  return column == 0 ? TableDensity(d, x) : column == 1 ? F(d, x) : Q(d, x);
}

// From 0 in steps of a quarter of the scale.
TableRows TableRowsOf(const DistributionParameters& d) {
  return {0, UsableScale(d.second.real) ? d.second.real / 4 : 0.25L, 21};
}

constexpr KindRecord kForward{
    .kind = dkWeibull,
    .list_text = "Weibull Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .precise_continuous = &kFunctions,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .density = Density,
    .support_from_zero = true,
    .report_captions = {"Shape (k): ", "Scale (λ): ", {}},
    .forward = dkWeibull,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace

extern const KindRecord kWeibullKind = kForward;
extern const KindRecord kInverseWeibullKind =
    InverseOf(kForward, dkInverseWeibull, "Inverse Weibull Distribution");

}  // namespace zudira
