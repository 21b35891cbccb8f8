// Normal and Inverse Normal: the real mean μ and standard deviation σ.
#include <algorithm>

#include "core/inverse_targets.h"
#include "core/kinds/kind_checks.h"
#include "core/kinds/kind_record.h"
#include "core/tail_search.h"
#include "stats/normal.h"
#include "stats/precise/precise_densities.h"
#include "stats/precise/precise_distributions.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest& r) {
  if (const char* e = CheckFinite(r.mean.real, "μ is not a number", "μ must be finite")) return e;
  if (std::isinf(r.sdev.real)) return "σ must be finite";
  if (!(r.sdev.real > 0)) return "σ must be > 0";
  return nullptr;
}

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Normal (μ = " + ShortNumber(r.mean.real, separator) + ListSeparator(separator) +
         "σ = " + ShortNumber(r.sdev.real, separator) + ")";
}

std::string RArgs(const ProbabilityRequest& r) {
  return ", mean = " + RNumber(r.mean.real) + ", sd = " + RNumber(r.sdev.real);
}
std::string SheetArgs(const ProbabilityRequest& r, char separator) {
  return ";" + ShortNumber(r.mean.real, separator) + ";" + ShortNumber(r.sdev.real, separator);
}
Real Centre(const ProbabilityRequest& r) {
  return r.mean.real;
}
std::string SheetLower(const SheetCall& c, Real x) {
  return "NORM.DIST(" + c.Number(x) + c.args + ";1)";
}

// The normal is symmetric about its mean: P(X > x) = P(X <= 2μ - x).
std::string SheetUpper(const SheetCall& c, Real x) {
  return "NORM.DIST(" + c.Number(2 * c.r.mean.real - x) + c.args + ";1)";
}
std::string SheetInvLower(const SheetCall& c, const std::string& t_text, Real, bool) {
  return "NORM.INV(" + t_text + c.args + ")";
}

// The reflection of the lower quantile about the mean.
std::string SheetInvUpper(const SheetCall& c, const std::string& t_text, Real, bool) {
  const std::string twice_mean = c.r.mean.real == 0 ? "" : c.Number(2 * c.r.mean.real);
  return twice_mean + "-NORM.INV(" + t_text + c.args + ")";
}

constexpr KindNotation kNotation{
    .r_name = "norm",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_lower = SheetLower,
    .sheet_upper = SheetUpper,
    .sheet_inv_lower = SheetInvLower,
    .sheet_inv_upper = SheetInvUpper,
};

bool PlotValid(const ProbabilityRequest& r) {
  return Drawable(r.mean.real) && r.sdev.real > 0 && Drawable(r.sdev.real);
}
Real Density(const ProbabilityRequest& r, Real x) {
  return precise::NormalDensity(r.mean.real, r.sdev.real, x);
}

constexpr KindInputs kInputs{
    .show_mean_label = true,
    .p_caption = {},
    .mean_hint = "The Mean of the Normal Distribution",
    .mean_entry = InputEntry::ieReal,
    .second_shown = true,
    .show_sigma_label = true,
    .n_caption = {},
    .sdev_hint = "The Standard Deviation of the Normal Distribution",
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

std::string TableTitle(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  const FieldValue& s = d.second;
  return "Normal Distribution (μ = " + TableNumber(m.real) + ", σ = " + TableNumber(s.real) + ")";
}

Real TableCell(const DistributionParameters& d, Real x, int column) {
  const FieldValue& m = d.first;
  const FieldValue& s = d.second;
  return column == 0   ? precise::NormalDensity(m.real, s.real, x)
         : column == 1 ? precise::NormalF(m.real, s.real, x)
                       : precise::NormalQ(m.real, s.real, x);
}

TableRows TableRowsOf(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  const FieldValue& s = d.second;
  if (!UsableScale(s.real) || !std::isfinite(m.real)) return {-3, 0.5L, 13};
  return {m.real - 3 * s.real, s.real / 2, 13};
}

// The classic table. Normal: mu and sigma are the real values of the two fields.
Real ClassicF(const DistributionParameters& d, Real x) {
  return NormalCDF(d.first.real, d.second.real, x);
}
Real ClassicQ(const DistributionParameters& d, Real x) {
  return 1 - ClassicF(d, x);
}
std::optional<Real> ClassicInvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return InverseNormal(true, d.first.real, d.second.real, t);
}
std::optional<Real> ClassicInvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return InverseNormal(false, d.first.real, d.second.real, t);
}

constexpr ContinuousFunctions kClassicTable{ClassicF,        ClassicQ,       ClassicInvLower,
                                            ClassicInvUpper, TwoTailTargets, nullptr,
                                            nullptr,         nullptr,        nullptr};

// The precise table, from stats/precise. The inverses solve any target inside (0, 1).
Real PreciseF(const DistributionParameters& d, Real x) {
  return precise::NormalF(d.first.real, d.second.real, x);
}
Real PreciseQ(const DistributionParameters& d, Real x) {
  return precise::NormalQ(d.first.real, d.second.real, x);
}
std::optional<Real> PreciseInvLower(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return precise::NormalInvLower(d.first.real, d.second.real, t); },
                   PreciseF, PreciseQ, d, false, t, -kLargest, kLargest);
}
std::optional<Real> PreciseInvUpper(const DistributionParameters& d, Real t) {
  if (!InsideOpenUnit(t)) return std::nullopt;
  return SolveTail([&] { return precise::NormalInvUpper(d.first.real, d.second.real, t); },
                   PreciseF, PreciseQ, d, true, t, -kLargest, kLargest);
}

Real PreciseCentered(const DistributionParameters& d, Real x) {
  return precise::NormalCentered(d.first.real, d.second.real, x);
}
std::optional<Real> PreciseInvCentered(const DistributionParameters& d, Real c) {
  if (!(c > -0.5L && c < 0.5L)) return std::nullopt;
  return precise::NormalInvCentered(d.first.real, d.second.real, c);
}

Real PreciseDensity(const DistributionParameters& d, Real x) {
  return precise::NormalDensity(d.first.real, d.second.real, x);
}

constexpr ContinuousFunctions kPreciseTable{PreciseF,        PreciseQ,           PreciseInvLower,
                                            PreciseInvUpper, PreciseTargets,     nullptr,
                                            PreciseCentered, PreciseInvCentered, PreciseDensity};

constexpr KindRecord kForward{
    .kind = dkNormal,
    .list_text = "Normal Distribution",
    .inputs = kInputs,
    .check = Check,
    .classic_continuous = &kClassicTable,
    .precise_continuous = &kPreciseTable,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .density = Density,
    .report_captions = {"Mean (μ): ", "Standard Deviation (σ): "},
    .forward = dkNormal,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace

extern const KindRecord kNormalKind = kForward;
extern const KindRecord kInverseNormalKind =
    InverseOf(kForward, dkInverseNormal, "Inverse Normal Distribution");

}  // namespace zudira
