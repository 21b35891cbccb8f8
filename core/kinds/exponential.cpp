// Exponential: the real mean μ. The inverse kind has no classic algorithm: it answers with the
// precise functions in both modes.
#include <algorithm>

#include "core/inverse_targets.h"
#include "core/kinds/kind_checks.h"
#include "core/kinds/kind_record.h"
#include "core/tail_search.h"
#include "stats/exponential.h"
#include "stats/precise/boost_call.h"
#include "stats/precise/precise_densities.h"
#include "stats/precise/precise_distributions.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest& r) {
  if (const char* e = CheckFinite(r.mean.real, kMeanNaNText, kFiniteMeanText)) return e;
  if (!(r.mean.real > 0)) return kPositiveMeanText;
  return nullptr;
}

std::string InWords(const ProbabilityRequest& r, char separator) {
  return "Exponential (μ = " + ShortNumber(r.mean.real, separator) + ")";
}

// R takes the rate; the window takes the mean, as the spreadsheet's forms below do.
std::string RArgs(const ProbabilityRequest& r) {
  return ", rate = 1/" + RNumber(r.mean.real);
}
std::string SheetArgs(const ProbabilityRequest&, char) {
  return {};
}
Real Centre(const ProbabilityRequest& r) {
  return r.mean.real;
}

// The gamma with shape 1 is the exponential; its CDF keeps the digits of a small x, where
// EXPON.DIST's 1 - e^(-x/μ) does not. The spreadsheet refuses a negative x.
std::string SheetLower(const SheetCall& c, Real x) {
  return x <= 0 ? "0" : "GAMMA.DIST(" + c.Number(x) + ";1;" + c.Number(c.r.mean.real) + ";1)";
}
std::string SheetUpper(const SheetCall& c, Real x) {
  return x <= 0 ? "1" : "EXP(-" + c.Number(x) + "/" + c.Number(c.r.mean.real) + ")";
}

// The quantiles in closed form: the sheet has no LN1P, and -ln(1 - t) = 2 atanh(t / (2 - t))
// keeps the digits of a small t that 1 - t would lose.
std::string SheetInvLower(const SheetCall& c, const std::string& t_text, Real, bool) {
  return c.Number(2 * c.r.mean.real) + "*ATANH((" + t_text + ")/(2-(" + t_text + ")))";
}
std::string SheetInvUpper(const SheetCall& c, const std::string& t_text, Real, bool) {
  return "-" + c.Number(c.r.mean.real) + "*LN(" + t_text + ")";
}

constexpr KindNotation kNotation{
    .r_name = "exp",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_lower = SheetLower,
    .sheet_upper = SheetUpper,
    .sheet_inv_lower = SheetInvLower,
    .sheet_inv_upper = SheetInvUpper,
};

bool PlotValid(const ProbabilityRequest& r) {
  return r.mean.real > 0 && Drawable(r.mean.real);
}
Real Density(const ProbabilityRequest& r, Real x) {
  return precise::ExponentialDensity(r.mean.real, x);
}

// The exponential table has no inverse; its quantile is closed.
Real Quantile(const ProbabilityRequest& r, Real t) {
  return -r.mean.real * std::log1p(-t);
}

std::string TableTitle(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  return "Exponential Distribution (μ = " + TableNumber(m.real) + ")";
}

Real TableCell(const DistributionParameters& d, Real x, int column) {
  const FieldValue& m = d.first;
  return column == 0   ? precise::ExponentialDensity(m.real, x)
         : column == 1 ? precise::ExponentialF(m.real, x)
                       : precise::ExponentialQ(m.real, x);
}

TableRows TableRowsOf(const DistributionParameters& d) {
  const FieldValue& m = d.first;
  return {0, UsableScale(m.real) ? m.real / 4 : 0.25L, 21};
}

// The classic table. Exponential: the real mean; the classic algorithms have no inverse of it.
Real ClassicF(const DistributionParameters& d, Real x) {
  return ExponentialCDF(d.first.real, x);
}
Real ClassicQ(const DistributionParameters& d, Real x) {
  return 1 - ClassicF(d, x);
}

constexpr ContinuousFunctions kClassicTable{ClassicF, ClassicQ, nullptr, nullptr, nullptr,
                                            nullptr,  nullptr,  nullptr, nullptr};

// The precise table, from stats/precise.
Real PreciseF(const DistributionParameters& d, Real x) {
  return precise::ExponentialF(d.first.real, x);
}
Real PreciseQ(const DistributionParameters& d, Real x) {
  return precise::ExponentialQ(d.first.real, x);
}

constexpr ContinuousFunctions kPreciseTable{PreciseF, PreciseQ, nullptr, nullptr, nullptr,
                                            nullptr,  nullptr,  nullptr, nullptr};

constexpr KindRecord kForward{
    .kind = dkExponential,
    .list_text = "Exponential Distribution",
    .inputs =
        {
            .show_mean_label = true,
            .p_caption = {},
            .mean_hint = "The Mean of the Exponential Distribution",
            .mean_entry = InputEntry::ieReal,
            .second_shown = false,
            .show_sigma_label = false,
            .n_caption = {},
            .sdev_hint = {},
            .sdev_entry = InputEntry::iePosReal,
            .bound_entry = InputEntry::ieReal,
        },
    .check = Check,
    .classic_continuous = &kClassicTable,
    .precise_continuous = &kPreciseTable,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .density = Density,
    .support_from_zero = true,
    .closed_quantile = Quantile,
    .report_captions = {"Mean (μ): ", {}},
    .forward = dkExponential,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

// The inverse kind's table: the precise tails and their closed-form inverses, with the tail
// search where the closed forms underflow or overflow. The support's finite end 0 answers the
// targets F = 0 and Q = 1.
std::optional<Real> InvLower(const DistributionParameters& d, Real t) {
  if (t == 0) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  const Real mean = d.first.real;
  return SolveTail([&] { return precise::BoostCall([&] { return -mean * std::log1p(-t); }); },
                   PreciseF, PreciseQ, d, false, t, kSmallest, kLargest, PrimaryKind::kClosedForm);
}
std::optional<Real> InvUpper(const DistributionParameters& d, Real t) {
  if (t == 1) return 0;
  if (!InsideOpenUnit(t)) return std::nullopt;
  const Real mean = d.first.real;
  return SolveTail([&] { return precise::BoostCall([&] { return -mean * std::log(t); }); },
                   PreciseF, PreciseQ, d, true, t, kSmallest, kLargest, PrimaryKind::kClosedForm);
}
// Straight from x / mean: Boost's takes the rate 1 / mean, which a subnormal mean leaves
// infinite; an overflow here is the arithmetic fault the band search steps aside from.
Real TableDensity(const DistributionParameters& d, Real x) {
  const Real mean = d.first.real;
  if (x < 0) return 0;
  return precise::BoostCall([&] { return std::exp(-(x / mean)) / mean; });
}

constexpr ContinuousFunctions kInverseTable{PreciseF, PreciseQ,       InvLower,
                                            InvUpper, PreciseTargets, nullptr,
                                            nullptr,  nullptr,        TableDensity};

constexpr KindRecord InverseRecord() {
  KindRecord record = InverseOf(kForward, dkInverseExponential, "Inverse Exponential Distribution");
  record.classic_continuous = nullptr;
  record.precise_continuous = &kInverseTable;
  return record;
}

}  // namespace

extern const KindRecord kExponentialKind = kForward;
extern const KindRecord kInverseExponentialKind = InverseRecord();

}  // namespace zudira
