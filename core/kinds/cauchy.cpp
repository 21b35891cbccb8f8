// Cauchy and Inverse Cauchy: the location x₀ and scale γ; all reals. No classic algorithm: the
// precise functions answer in both modes.
#include <cmath>

#include "core/evaluate_request.h"
#include "core/inverse_targets.h"
#include "core/kinds/kind_checks.h"
#include "core/kinds/kind_record.h"
#include "core/tail_search.h"
#include "stats/arithmetic_fault.h"
#include "stats/precise/location_scale_distributions.h"

namespace zudira {
namespace {

namespace pr = precise;

const char* Check(const ProbabilityRequest& r) {
  if (const char* e = CheckFinite(r.mean.real, "Location (x₀) is not a number",
                                  "Location (x₀) must be finite")) {
    return e;
  }
  if (std::isinf(r.sdev.real)) return "Scale (γ) must be finite";
  if (!(r.sdev.real > 0)) return "Scale (γ) must be > 0";
  return nullptr;
}

Real F(const DistributionParameters& d, Real x) {
  return pr::CauchyF(d.first.real, d.second.real, x);
}
Real Q(const DistributionParameters& d, Real x) {
  return pr::CauchyQ(d.first.real, d.second.real, x);
}
// The inverse is closed, x₀ - γ / tan(π t), right at any target.
std::optional<Real> InvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::CauchyInvLower(d.first.real, d.second.real, t); }, F, Q, d,
                   false, t, -kLargest, kLargest, PrimaryKind::kClosedForm);
}
std::optional<Real> InvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::CauchyInvUpper(d.first.real, d.second.real, t); }, F, Q, d,
                   true, t, -kLargest, kLargest, PrimaryKind::kClosedForm);
}
Real Centered(const DistributionParameters& d, Real x) {
  return pr::CauchyCentered(d.first.real, d.second.real, x);
}
std::optional<Real> InvCentered(const DistributionParameters& d, Real c) {
  if (!(c > -0.5L && c < 0.5L)) return std::nullopt;
  // A band near the centre of a scale near the largest extended number can end beyond it.
  try {
    return pr::CauchyInvCentered(d.first.real, d.second.real, c);
  } catch (const EOverflow&) {
    throw BoundOutOfRange(kBoundTooLargeText);
  }
}
Real TableDensity(const DistributionParameters& d, Real x) {
  return pr::CauchyDensity(d.first.real, d.second.real, x);
}

constexpr ContinuousFunctions kFunctions{
    F, Q, InvLower, InvUpper, PreciseTargets, nullptr, Centered, InvCentered, TableDensity};

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Cauchy (x₀ = " + ShortNumber(r.mean.real, separator) + ListSeparator(separator) +
         "γ = " + ShortNumber(r.sdev.real, separator) + ")";
}

std::string RArgs(const ProbabilityRequest& r) {
  return ", location = " + RNumber(r.mean.real) + ", scale = " + RNumber(r.sdev.real);
}
std::string SheetArgs(const ProbabilityRequest& r, char separator) {
  return ";" + ShortNumber(r.mean.real, separator) + ";" + ShortNumber(r.sdev.real, separator);
}
Real Centre(const ProbabilityRequest& r) {
  return r.mean.real;
}

std::string Operand(const SheetCall& c, Real x) {
  return x < 0 ? "(" + c.Number(x) + ")" : c.Number(x);
}
// high - low, for numbers high ≥ low, with a 0 left out.
std::string Distance(const SheetCall& c, Real high, Real low) {
  if (low == 0) return Operand(c, high);
  if (high == 0) return Operand(c, -low);
  return "(" + c.Number(high) + "-" + Operand(c, low) + ")";
}
std::string Gamma(const SheetCall& c) {
  return c.Number(c.r.sdev.real);
}

// The spreadsheet has no Cauchy functions. The small tail at distance d from x₀ is
// atan(γ / d) / π, which keeps its digits far out; the large one 1/2 + atan(d / γ) / π.
std::string Tail(const SheetCall& c, Real x, bool upper) {
  const Real x0 = c.r.mean.real;
  const bool small = upper ? x > x0 : x < x0;
  const std::string d = upper == small ? Distance(c, x, x0) : Distance(c, x0, x);
  if (small) return "ATAN(" + Gamma(c) + "/" + d + ")/PI()";
  return "1/2+ATAN(" + d + "/" + Gamma(c) + ")/PI()";
}
std::string SheetLower(const SheetCall& c, Real x) {
  return Tail(c, x, false);
}
std::string SheetUpper(const SheetCall& c, Real x) {
  return Tail(c, x, true);
}

// The x whose tail on the side `below` of x₀ is t: x₀ ∓ γ / tan(π t) for a small t, and from
// the other side x₀ ± γ tan(π (t - 1/2)), where neither form cancels.
std::string Root(const SheetCall& c, const std::string& t_text, Real t, bool below) {
  const Real x0 = c.r.mean.real;
  const std::string shift = x0 == 0 ? "" : c.Number(x0);
  if (t < 0.5L) {
    return shift + (below ? "-" : "+") + Gamma(c) + "/TAN(PI()*(" + t_text + "))";
  }
  return shift + (below ? "+" : "-") + Gamma(c) + "*TAN(PI()*((" + t_text + ")-" + c.Number(0.5L) +
         "))";
}
std::string SheetInvLower(const SheetCall& c, const std::string& t_text, Real t, bool) {
  return Root(c, t_text, t, true);
}
std::string SheetInvUpper(const SheetCall& c, const std::string& t_text, Real t, bool) {
  return Root(c, t_text, t, false);
}

constexpr KindNotation kNotation{
    .r_name = "cauchy",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_lower = SheetLower,
    .sheet_upper = SheetUpper,
    .sheet_inv_lower = SheetInvLower,
    .sheet_inv_upper = SheetInvUpper,
};

bool PlotValid(const ProbabilityRequest& r) {
  return Drawable(r.mean.real) && r.sdev.real > 0 && r.sdev.real <= 1e280L &&
         r.sdev.real >= 1e-280L;
}
Real Density(const ProbabilityRequest& r, Real x) {
  return pr::CauchyDensity(r.mean.real, r.sdev.real, x);
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "Location (x₀):",
    .mean_hint = "The Location (Median) of the Cauchy Distribution",
    .mean_entry = InputEntry::ieReal,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Scale (γ):",
    .sdev_hint = "The Scale of the Cauchy Distribution. Must be > 0",
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

std::string TableTitle(const DistributionParameters& d) {
  return "Cauchy Distribution (x₀ = " + TableNumber(d.first.real) +
         ", γ = " + TableNumber(d.second.real) + ")";
}

Real TableCell(const DistributionParameters& d, Real x, int column) {
  return column == 0 ? TableDensity(d, x) : column == 1 ? F(d, x) : Q(d, x);
}

// From x₀ - 6γ in steps of γ.
TableRows TableRowsOf(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  const FieldValue& s = d.second;
  if (!UsableScale(s.real) || !std::isfinite(m.real)) return {-6, 1, 13};
  return {m.real - 6 * s.real, s.real, 13};
}

constexpr KindRecord kForward{
    .kind = dkCauchy,
    .list_text = "Cauchy Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .precise_continuous = &kFunctions,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .density = Density,
    .report_captions = {"Location (x₀): ", "Scale (γ): ", {}},
    .forward = dkCauchy,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace

extern const KindRecord kCauchyKind = kForward;
extern const KindRecord kInverseCauchyKind =
    InverseOf(kForward, dkInverseCauchy, "Inverse Cauchy Distribution");

}  // namespace zudira
