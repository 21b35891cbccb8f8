// Gamma and Inverse Gamma: the real shape k and scale θ, in the Mean and SDev fields. No
// classic algorithm: one table over Boost.Math answers in both modes.
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

bool Valid(Real k, Real theta) {
  return std::isfinite(k) && std::isfinite(theta) && k > 0 && theta > 0;
}

const char* Check(const ProbabilityRequest& r) {
  if (const char* e = CheckFinite(r.mean.real, "k is not a number", "k must be finite")) return e;
  if (!(r.mean.real > 0)) return "k must be > 0";
  if (const char* e = CheckFinite(r.sdev.real, "θ is not a number", "θ must be finite")) return e;
  if (!(r.sdev.real > 0)) return "θ must be > 0";
  return nullptr;
}

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Gamma (k = " + ShortNumber(r.mean.real, separator) + ListSeparator(separator) +
         "θ = " + ShortNumber(r.sdev.real, separator) + ")";
}

std::string RArgs(const ProbabilityRequest& r) {
  return ", shape = " + RNumber(r.mean.real) + ", scale = " + RNumber(r.sdev.real);
}
std::string SheetArgs(const ProbabilityRequest& r, char separator) {
  return ";" + ShortNumber(r.mean.real, separator) + ";" + ShortNumber(r.sdev.real, separator);
}
Real Centre(const ProbabilityRequest& r) {
  return r.mean.real * r.sdev.real;
}

// The sheet's gamma has only its lower tail. With 2k whole the gamma is a scaled chi-squared,
// whose upper tail the sheet has (it cuts other degrees of freedom to whole ones); elsewhere
// the upper tail is 1 minus the lower one.
bool ChiSquaredShape(const ProbabilityRequest& r) {
  const Real twice = 2 * r.mean.real;
  return twice == std::floor(twice) && twice <= std::numeric_limits<std::int32_t>::max();
}
std::string TwiceShape(const SheetCall& c) {
  return std::to_string(static_cast<std::int64_t>(2 * c.r.mean.real));
}
std::string SheetLower(const SheetCall& c, Real x) {
  return x <= 0 ? "0" : "GAMMA.DIST(" + c.Number(x) + c.args + ";1)";
}
std::string SheetUpper(const SheetCall& c, Real x) {
  if (x <= 0) return "1";
  if (ChiSquaredShape(c.r)) {
    return "CHISQ.DIST.RT(" + c.Number(2 * (x / c.r.sdev.real)) + ";" + TwiceShape(c) + ")";
  }
  return "1-GAMMA.DIST(" + c.Number(x) + c.args + ";1)";
}
std::string SheetInvLower(const SheetCall& c, const std::string& t_text, Real t, bool) {
  if (t > 0.5L && ChiSquaredShape(c.r)) {
    return c.Number(c.r.sdev.real / 2) + "*CHISQ.INV.RT(1-(" + t_text + ");" + TwiceShape(c) + ")";
  }
  return "GAMMA.INV(" + t_text + c.args + ")";
}
std::string SheetInvUpper(const SheetCall& c, const std::string& t_text, Real, bool) {
  if (ChiSquaredShape(c.r)) {
    return c.Number(c.r.sdev.real / 2) + "*CHISQ.INV.RT(" + t_text + ";" + TwiceShape(c) + ")";
  }
  return "GAMMA.INV(1-(" + t_text + ")" + c.args + ")";
}

constexpr KindNotation kNotation{
    .r_name = "gamma",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_lower = SheetLower,
    .sheet_upper = SheetUpper,
    .sheet_inv_lower = SheetInvLower,
    .sheet_inv_upper = SheetInvUpper,
};

// The table: Boost's inverses, with the tail search where they fail or the target is far out;
// the support's finite end 0 answers the targets F = 0 and Q = 1.
Real F(const DistributionParameters& d, Real x) {
  return pr::GammaF(d.first.real, d.second.real, x);
}
Real Q(const DistributionParameters& d, Real x) {
  return pr::GammaQ(d.first.real, d.second.real, x);
}
std::optional<Real> InvLower(const DistributionParameters& d, Real t) {
  if (t == 0) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::GammaInvLower(d.first.real, d.second.real, t); }, F, Q, d,
                   false, t, kSmallest, kLargest);
}
std::optional<Real> InvUpper(const DistributionParameters& d, Real t) {
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::GammaInvUpper(d.first.real, d.second.real, t); }, F, Q, d, true,
                   t, kSmallest, kLargest);
}
Real TableDensity(const DistributionParameters& d, Real x) {
  return pr::GammaDensity(d.first.real, d.second.real, x);
}

constexpr ContinuousFunctions kTable{F,       Q,       InvLower, InvUpper,    PreciseTargets,
                                     nullptr, nullptr, nullptr,  TableDensity};

bool PlotValid(const ProbabilityRequest& r) {
  return r.mean.real > 0 && r.sdev.real > 0 && Drawable(r.mean.real) && Drawable(r.sdev.real);
}
Real Density(const ProbabilityRequest& r, Real x) {
  return pr::GammaDensity(r.mean.real, r.sdev.real, x);
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "Shape (k):",
    .mean_hint = "The Shape of the Gamma Distribution. Must be > 0",
    .mean_entry = InputEntry::iePosReal,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Scale (θ):",
    .sdev_hint = "The Scale of the Gamma Distribution. Must be > 0",
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

std::string TableTitle(const DistributionParameters& d) {
  return "Gamma Distribution (k = " + TableNumber(d.first.real) +
         ", θ = " + TableNumber(d.second.real) + ")";
}

Real TableCell(const DistributionParameters& d, Real x, int column) {
  const Real k = d.first.real, theta = d.second.real;
  if (!Valid(k, theta)) return std::numeric_limits<Real>::quiet_NaN();
  return column == 0   ? pr::GammaDensity(k, theta, x)
         : column == 1 ? pr::GammaF(k, theta, x)
                       : pr::GammaQ(k, theta, x);
}

// From 0 to about the mean plus four standard deviations, k θ + 4 θ √k.
TableRows TableRowsOf(const DistributionParameters& d) {
  const Real k = d.first.real, theta = d.second.real;
  if (!Valid(k, theta)) return {0, 0.25L, 21};
  const Real top = theta * (k + 4 * std::sqrt(k));
  return std::isfinite(top) ? TableRows{0, top / 20, 21} : TableRows{0, 0.25L, 21};
}

constexpr KindRecord kForward{
    .kind = dkGamma,
    .list_text = "Gamma Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .precise_continuous = &kTable,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .density = Density,
    .support_from_zero = true,
    .report_captions = {"Shape (k): ", "Scale (θ): ", {}},
    .forward = dkGamma,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace

extern const KindRecord kGammaKind = kForward;
extern const KindRecord kInverseGammaKind =
    InverseOf(kForward, dkInverseGamma, "Inverse Gamma Distribution");

}  // namespace zudira
