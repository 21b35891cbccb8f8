// Logistic and Inverse Logistic: the location μ and scale s; all reals. No classic algorithm: the
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
  if (const char* e =
          CheckFinite(r.mean.real, "Location (μ) is not a number", "Location (μ) must be finite")) {
    return e;
  }
  if (std::isinf(r.sdev.real)) return "Scale (s) must be finite";
  if (!(r.sdev.real > 0)) return "Scale (s) must be > 0";
  return nullptr;
}

Real F(const DistributionParameters& d, Real x) {
  return pr::LogisticF(d.first.real, d.second.real, x);
}
Real Q(const DistributionParameters& d, Real x) {
  return pr::LogisticQ(d.first.real, d.second.real, x);
}
// The inverse is closed, μ + s ln(t / (1 - t)), right at any target.
std::optional<Real> InvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::LogisticInvLower(d.first.real, d.second.real, t); }, F, Q, d,
                   false, t, -kLargest, kLargest, PrimaryKind::kClosedForm);
}
std::optional<Real> InvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return pr::LogisticInvUpper(d.first.real, d.second.real, t); }, F, Q, d,
                   true, t, -kLargest, kLargest, PrimaryKind::kClosedForm);
}
Real Centered(const DistributionParameters& d, Real x) {
  return pr::LogisticCentered(d.first.real, d.second.real, x);
}
std::optional<Real> InvCentered(const DistributionParameters& d, Real c) {
  if (!(c > -0.5L && c < 0.5L)) return std::nullopt;
  // A band near the centre of a scale near the largest extended number can end beyond it.
  try {
    return pr::LogisticInvCentered(d.first.real, d.second.real, c);
  } catch (const EOverflow&) {
    throw BoundOutOfRange(kBoundTooLargeText);
  }
}
Real TableDensity(const DistributionParameters& d, Real x) {
  return pr::LogisticDensity(d.first.real, d.second.real, x);
}

constexpr ContinuousFunctions kFunctions{
    F, Q, InvLower, InvUpper, PreciseTargets, nullptr, Centered, InvCentered, TableDensity};

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Logistic (μ = " + ShortNumber(r.mean.real, separator) + ListSeparator(separator) +
         "s = " + ShortNumber(r.sdev.real, separator) + ")";
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

// A number as an operand: in parentheses when negative.
std::string Operand(const SheetCall& c, Real x) {
  return x < 0 ? "(" + c.Number(x) + ")" : c.Number(x);
}
// (x - μ)/s.
std::string Standardized(const SheetCall& c, Real x) {
  const std::string difference = c.r.mean.real == 0
                                     ? Operand(c, x)
                                     : "(" + c.Number(x) + "-" + Operand(c, c.r.mean.real) + ")";
  return difference + "/" + c.Number(c.r.sdev.real);
}
// μ + s * (the standard logistic's value), where μ = 0 is left out.
std::string Unstandardized(const SheetCall& c, const std::string& standard) {
  const std::string shift = c.r.mean.real == 0 ? "" : c.Number(c.r.mean.real) + "+";
  return shift + c.Number(c.r.sdev.real) + "*" + standard;
}

// The spreadsheet has no logistic functions. Each tail is 1/(1 + e^(∓z)), which keeps its
// digits however small it is.
std::string SheetLower(const SheetCall& c, Real x) {
  return "1/(1+EXP(-" + Standardized(c, x) + "))";
}
std::string SheetUpper(const SheetCall& c, Real x) {
  return "1/(1+EXP(" + Standardized(c, x) + "))";
}
std::string SheetInvLower(const SheetCall& c, const std::string& t_text, Real, bool) {
  return Unstandardized(c, "LN((" + t_text + ")/(1-(" + t_text + ")))");
}
std::string SheetInvUpper(const SheetCall& c, const std::string& t_text, Real, bool) {
  return Unstandardized(c, "LN((1-(" + t_text + "))/(" + t_text + "))");
}

constexpr KindNotation kNotation{
    .r_name = "logis",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_lower = SheetLower,
    .sheet_upper = SheetUpper,
    .sheet_inv_lower = SheetInvLower,
    .sheet_inv_upper = SheetInvUpper,
};

bool PlotValid(const ProbabilityRequest& r) {
  return Drawable(r.mean.real) && r.sdev.real > 0 && r.sdev.real <= 1e290L &&
         r.sdev.real >= 1e-290L;
}
Real Density(const ProbabilityRequest& r, Real x) {
  return pr::LogisticDensity(r.mean.real, r.sdev.real, x);
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "Location (μ):",
    .mean_hint = "The Location (Mean) of the Logistic Distribution",
    .mean_entry = InputEntry::ieReal,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Scale (s):",
    .sdev_hint = "The Scale of the Logistic Distribution. Must be > 0",
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

std::string TableTitle(const DistributionParameters& d) {
  return "Logistic Distribution (μ = " + TableNumber(d.first.real) +
         ", s = " + TableNumber(d.second.real) + ")";
}

Real TableCell(const DistributionParameters& d, Real x, int column) {
  return column == 0 ? TableDensity(d, x) : column == 1 ? F(d, x) : Q(d, x);
}

// From μ - 6s in steps of s.
TableRows TableRowsOf(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  const FieldValue& s = d.second;
  if (!UsableScale(s.real) || !std::isfinite(m.real)) return {-6, 1, 13};
  return {m.real - 6 * s.real, s.real, 13};
}

constexpr KindRecord kForward{
    .kind = dkLogistic,
    .list_text = "Logistic Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .precise_continuous = &kFunctions,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .density = Density,
    .report_captions = {"Location (μ): ", "Scale (s): ", {}},
    .forward = dkLogistic,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace

extern const KindRecord kLogisticKind = kForward;
extern const KindRecord kInverseLogisticKind =
    InverseOf(kForward, dkInverseLogistic, "Inverse Logistic Distribution");

}  // namespace zudira
