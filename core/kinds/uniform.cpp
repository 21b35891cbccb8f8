// Uniform and Inverse Uniform: the real ends a < b, in the Mean and SDev fields. No classic
// algorithm: one table answers in both modes, in closed form.
#include <cmath>
#include <limits>

#include "core/inverse_targets.h"
#include "core/kinds/kind_checks.h"
#include "core/kinds/kind_record.h"
#include "stats/precise/shape_distributions.h"

namespace zudira {
namespace {

namespace pr = precise;

bool Valid(Real a, Real b) {
  return std::isfinite(a) && std::isfinite(b) && a < b;
}

const char* Check(const ProbabilityRequest& r) {
  if (const char* e = CheckFinite(r.mean.real, "a is not a number", "a must be finite")) return e;
  if (const char* e = CheckFinite(r.sdev.real, "b is not a number", "b must be finite")) return e;
  if (!(r.mean.real < r.sdev.real)) return "a must be < b";
  return nullptr;
}

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Uniform (a = " + ShortNumber(r.mean.real, separator) + ListSeparator(separator) +
         "b = " + ShortNumber(r.sdev.real, separator) + ")";
}

std::string RArgs(const ProbabilityRequest& r) {
  return ", min = " + RNumber(r.mean.real) + ", max = " + RNumber(r.sdev.real);
}
std::string SheetArgs(const ProbabilityRequest&, char) {
  return {};
}
Real Centre(const ProbabilityRequest& r) {
  return r.mean.real / 2 + r.sdev.real / 2;
}

// The sheet has no uniform functions: the closed forms, each tail measured from its own end so
// that a small one keeps its digits.
std::string Bracketed(const SheetCall& c, Real x) {
  return "(" + c.Number(x) + ")";
}
std::string Width(const SheetCall& c) {
  return "(" + Bracketed(c, c.r.sdev.real) + "-" + Bracketed(c, c.r.mean.real) + ")";
}
std::string SheetLower(const SheetCall& c, Real x) {
  if (x <= c.r.mean.real) return "0";
  if (x >= c.r.sdev.real) return "1";
  return "(" + Bracketed(c, x) + "-" + Bracketed(c, c.r.mean.real) + ")/" + Width(c);
}
std::string SheetUpper(const SheetCall& c, Real x) {
  if (x <= c.r.mean.real) return "1";
  if (x >= c.r.sdev.real) return "0";
  return "(" + Bracketed(c, c.r.sdev.real) + "-" + Bracketed(c, x) + ")/" + Width(c);
}
std::string SheetInvLower(const SheetCall& c, const std::string& t_text, Real, bool) {
  return Bracketed(c, c.r.mean.real) + "+(" + t_text + ")*" + Width(c);
}
std::string SheetInvUpper(const SheetCall& c, const std::string& t_text, Real, bool) {
  return Bracketed(c, c.r.sdev.real) + "-(" + t_text + ")*" + Width(c);
}

constexpr KindNotation kNotation{
    .r_name = "unif",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_lower = SheetLower,
    .sheet_upper = SheetUpper,
    .sheet_inv_lower = SheetInvLower,
    .sheet_inv_upper = SheetInvUpper,
};

// The table: both ends are finite, so every target in [0, 1] has its bound.
Real F(const DistributionParameters& d, Real x) {
  return pr::UniformF(d.first.real, d.second.real, x);
}
Real Q(const DistributionParameters& d, Real x) {
  return pr::UniformQ(d.first.real, d.second.real, x);
}
std::optional<Real> InvLower(const DistributionParameters& d, Real t) {
  if (!(t >= 0 && t <= 1)) return std::nullopt;
  return pr::UniformInvLower(d.first.real, d.second.real, t);
}
std::optional<Real> InvUpper(const DistributionParameters& d, Real t) {
  if (!(t >= 0 && t <= 1)) return std::nullopt;
  return pr::UniformInvUpper(d.first.real, d.second.real, t);
}
Real TableDensity(const DistributionParameters& d, Real x) {
  return pr::UniformDensity(d.first.real, d.second.real, x);
}

constexpr ContinuousFunctions kTable{F,       Q,       InvLower, InvUpper,    PreciseTargets,
                                     nullptr, nullptr, nullptr,  TableDensity};

bool PlotValid(const ProbabilityRequest& r) {
  return Drawable(r.mean.real) && Drawable(r.sdev.real) && r.mean.real < r.sdev.real;
}
Real Density(const ProbabilityRequest& r, Real x) {
  return pr::UniformDensity(r.mean.real, r.sdev.real, x);
}
void SupportEnds(const ProbabilityRequest& r, Real& low, Real& high) {
  low = r.mean.real;
  high = r.sdev.real;
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "Lower (a):",
    .mean_hint = "The Lower End of the Uniform Distribution",
    .mean_entry = InputEntry::ieReal,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Upper (b):",
    .sdev_hint = "The Upper End of the Uniform Distribution. Must be > a",
    .sdev_entry = InputEntry::ieReal,
    .bound_entry = InputEntry::ieReal,
};

std::string TableTitle(const DistributionParameters& d) {
  return "Uniform Distribution (a = " + TableNumber(d.first.real) +
         ", b = " + TableNumber(d.second.real) + ")";
}

Real TableCell(const DistributionParameters& d, Real x, int column) {
  const Real a = d.first.real, b = d.second.real;
  if (!Valid(a, b)) return std::numeric_limits<Real>::quiet_NaN();
  return column == 0   ? pr::UniformDensity(a, b, x)
         : column == 1 ? pr::UniformF(a, b, x)
                       : pr::UniformQ(a, b, x);
}

// From a to b in twenty steps.
TableRows TableRowsOf(const DistributionParameters& d) {
  const Real a = d.first.real, b = d.second.real;
  if (!Valid(a, b) || !std::isfinite(b - a)) return {0, 0.05L, 21};
  return {a, (b - a) / 20, 21};
}

constexpr KindRecord kForward{
    .kind = dkUniform,
    .list_text = "Uniform Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .precise_continuous = &kTable,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .density = Density,
    .support_ends = SupportEnds,
    .report_captions = {"Lower End (a): ", "Upper End (b): ", {}},
    .forward = dkUniform,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace

extern const KindRecord kUniformKind = kForward;
extern const KindRecord kInverseUniformKind =
    InverseOf(kForward, dkInverseUniform, "Inverse Uniform Distribution");

}  // namespace zudira
