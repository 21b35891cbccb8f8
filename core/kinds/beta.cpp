// Beta and Inverse Beta: the real shapes α and β, in the Mean and SDev fields; the support is
// [0, 1]. No classic algorithm: one table over Boost.Math answers in both modes.
#include <cmath>
#include <limits>

#include "core/inverse_targets.h"
#include "core/kinds/kind_checks.h"
#include "core/kinds/kind_record.h"
#include "core/tail_search.h"
#include "stats/precise/shape_distributions.h"

namespace zudira {
namespace {

namespace pr = precise;

constexpr Real kLargestShapePair = 1e10L;

bool Valid(Real alpha, Real beta) {
  return std::isfinite(alpha) && std::isfinite(beta) && alpha > 0 && beta > 0 &&
         (alpha <= kLargestShapePair || beta <= kLargestShapePair);
}

const char* Check(const ProbabilityRequest& r) {
  if (const char* e = CheckFinite(r.mean.real, "α is not a number", "α must be finite")) return e;
  if (!(r.mean.real > 0)) return "α must be > 0";
  if (const char* e = CheckFinite(r.sdev.real, "β is not a number", "β must be finite")) return e;
  if (!(r.sdev.real > 0)) return "β must be > 0";
  // With both shapes this large the library's incomplete beta runs for minutes.
  if (r.mean.real > kLargestShapePair && r.sdev.real > kLargestShapePair) {
    return "α or β must be ≤ 1e10";
  }
  return nullptr;
}

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Beta (α = " + ShortNumber(r.mean.real, separator) + ListSeparator(separator) +
         "β = " + ShortNumber(r.sdev.real, separator) + ")";
}

std::string RArgs(const ProbabilityRequest& r) {
  return ", shape1 = " + RNumber(r.mean.real) + ", shape2 = " + RNumber(r.sdev.real);
}
std::string SheetArgs(const ProbabilityRequest& r, char separator) {
  return ";" + ShortNumber(r.mean.real, separator) + ";" + ShortNumber(r.sdev.real, separator);
}
// The shapes the other way round: the beta(β, α) at 1 - x is the upper tail at x.
std::string SwappedArgs(const SheetCall& c) {
  return ";" + c.Number(c.r.sdev.real) + ";" + c.Number(c.r.mean.real);
}
Real Centre(const ProbabilityRequest& r) {
  return r.mean.real / (r.mean.real + r.sdev.real);
}

std::string SheetLower(const SheetCall& c, Real x) {
  if (x <= 0) return "0";
  if (x >= 1) return "1";
  return "BETA.DIST(" + c.Number(x) + c.args + ";1)";
}
// 1 - x is exact in extended precision wherever the upper tail is the small one.
std::string SheetUpper(const SheetCall& c, Real x) {
  if (x <= 0) return "1";
  if (x >= 1) return "0";
  return "BETA.DIST(" + c.Number(1 - x) + SwappedArgs(c) + ";1)";
}
// Each quantile from the form whose target is the small one: 1 - t is exact above 1/2.
std::string SheetInvLower(const SheetCall& c, const std::string& t_text, Real t, bool) {
  if (t > 0.5L) return "1-BETA.INV(1-(" + t_text + ")" + SwappedArgs(c) + ")";
  return "BETA.INV(" + t_text + c.args + ")";
}
std::string SheetInvUpper(const SheetCall& c, const std::string& t_text, Real t, bool) {
  if (t > 0.5L) return "BETA.INV(1-(" + t_text + ")" + c.args + ")";
  return "1-BETA.INV(" + t_text + SwappedArgs(c) + ")";
}

constexpr KindNotation kNotation{
    .r_name = "beta",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_lower = SheetLower,
    .sheet_upper = SheetUpper,
    .sheet_inv_lower = SheetInvLower,
    .sheet_inv_upper = SheetInvUpper,
};

// The table: Boost's inverses, with the tail search where they fail or the target is far out;
// both ends of the support are finite and answer the targets 0 and 1.
Real F(const DistributionParameters& d, Real x) {
  return pr::BetaF(d.first.real, d.second.real, x);
}
Real Q(const DistributionParameters& d, Real x) {
  return pr::BetaQ(d.first.real, d.second.real, x);
}
std::optional<Real> InvLower(const DistributionParameters& d, Real t) {
  if (t == 0) return 0;
  if (t == 1) return 1;
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::BetaInvLower(d.first.real, d.second.real, t); }, F, Q, d, false,
                   t, kSmallest, 1);
}
std::optional<Real> InvUpper(const DistributionParameters& d, Real t) {
  if (t == 0) return 1;
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::BetaInvUpper(d.first.real, d.second.real, t); }, F, Q, d, true,
                   t, kSmallest, 1);
}
Real TableDensity(const DistributionParameters& d, Real x) {
  return pr::BetaDensity(d.first.real, d.second.real, x);
}

constexpr ContinuousFunctions kTable{F,       Q,       InvLower, InvUpper,    PreciseTargets,
                                     nullptr, nullptr, nullptr,  TableDensity};

bool PlotValid(const ProbabilityRequest& r) {
  return Valid(r.mean.real, r.sdev.real) && Drawable(r.mean.real) && Drawable(r.sdev.real);
}
Real Density(const ProbabilityRequest& r, Real x) {
  return pr::BetaDensity(r.mean.real, r.sdev.real, x);
}
void SupportEnds(const ProbabilityRequest&, Real& low, Real& high) {
  low = 0;
  high = 1;
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "Alpha (α):",
    .mean_hint = "The First Shape of the Beta Distribution. Must be > 0",
    .mean_entry = InputEntry::iePosReal,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Beta (β):",
    .sdev_hint = "The Second Shape of the Beta Distribution. Must be > 0",
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

std::string TableTitle(const DistributionParameters& d) {
  return "Beta Distribution (α = " + TableNumber(d.first.real) +
         ", β = " + TableNumber(d.second.real) + ")";
}

Real TableCell(const DistributionParameters& d, Real x, int column) {
  const Real alpha = d.first.real, beta = d.second.real;
  if (!Valid(alpha, beta)) return std::numeric_limits<Real>::quiet_NaN();
  return column == 0   ? pr::BetaDensity(alpha, beta, x)
         : column == 1 ? pr::BetaF(alpha, beta, x)
                       : pr::BetaQ(alpha, beta, x);
}

// The support in twenty steps.
TableRows TableRowsOf(const DistributionParameters&) {
  return {0, 0.05L, 21};
}

constexpr KindRecord kForward{
    .kind = dkBeta,
    .list_text = "Beta Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .precise_continuous = &kTable,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .density = Density,
    .support_from_zero = true,
    .support_ends = SupportEnds,
    .report_captions = {"Alpha (α): ", "Beta (β): ", {}},
    .forward = dkBeta,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace

extern const KindRecord kBetaKind = kForward;
extern const KindRecord kInverseBetaKind =
    InverseOf(kForward, dkInverseBeta, "Inverse Beta Distribution");

}  // namespace zudira
