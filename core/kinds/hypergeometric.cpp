// Hypergeometric: the successes among n draws without replacement from a population of N that
// holds K successes; the whole numbers N (Mean field), K (SDev field) and n (third field). No
// classic algorithm: the precise functions answer in both modes.
#include <algorithm>
#include <cmath>

#include "core/kinds/kind_record.h"
#include "stats/precise/counting_distributions.h"

namespace zudira {
namespace {

precise::Hypergeometric Of(const FieldValue& population, const FieldValue& successes,
                           const FieldValue& draws) {
  return {population.whole, successes.whole, draws.whole};
}
precise::Hypergeometric Of(const DistributionParameters& d) {
  return Of(d.first, d.second, d.third);
}
precise::Hypergeometric Of(const ProbabilityRequest& r) {
  return Of(r.mean, r.sdev, r.third);
}

const char* CheckParameters(const precise::Hypergeometric& h) {
  if (h.population < 0) return "Population (N) must be ≥ 0";
  if (h.successes < 0) return "Successes (K) must be ≥ 0";
  if (h.successes > h.population) return "Successes (K) must be ≤ Population (N)";
  if (h.draws < 0) return "Draws (n) must be ≥ 0";
  if (h.draws > h.population) return "Draws (n) must be ≤ Population (N)";
  return nullptr;
}
const char* Check(const ProbabilityRequest& r) {
  return CheckParameters(Of(r));
}
const char* TableCheck(const DistributionParameters& d) {
  return CheckParameters(Of(d));
}

Real E(const DistributionParameters& d, std::int64_t k) {
  return precise::HypergeometricE(Of(d), k);
}
Real L(const DistributionParameters& d, std::int64_t k) {
  return precise::HypergeometricL(Of(d), k);
}
Real G(const DistributionParameters& d, std::int64_t k) {
  return precise::HypergeometricG(Of(d), k);
}

constexpr DiscreteFunctions kFunctions{TableCheck, E, L, G};

std::string InWords(const ProbabilityRequest& r, char separator) {
  const std::string list = ListSeparator(separator);
  return "Hypergeometric (N = " + std::to_string(r.mean.whole) + list +
         "K = " + std::to_string(r.sdev.whole) + list + "n = " + std::to_string(r.third.whole) +
         ")";
}

// R's phyper(q, m, n, k): m successes and n failures in the urn, k draws.
std::string RArgs(const ProbabilityRequest& r) {
  return ", m = " + std::to_string(r.sdev.whole) +
         ", n = " + std::to_string(std::int64_t{r.mean.whole} - r.sdev.whole) +
         ", k = " + std::to_string(r.third.whole);
}
// HYPGEOM.DIST(k; draws; successes; population; cumulative).
std::string SheetArgs(const ProbabilityRequest& r, char) {
  return ";" + std::to_string(r.third.whole) + ";" + std::to_string(r.sdev.whole) + ";" +
         std::to_string(r.mean.whole);
}
Real Centre(const ProbabilityRequest& r) {
  return r.mean.whole > 0 ? Real(r.third.whole) * r.sdev.whole / r.mean.whole : 0;
}

// P(X > k) as the failures among the draws being fewer than n - k: a lower tail of the
// hypergeometric with the roles of success and failure swapped, which keeps its digits.
std::string SheetCountUpper(const SheetCall& c, std::int64_t k) {
  const ProbabilityRequest& r = c.r;
  return "HYPGEOM.DIST(" + std::to_string(r.third.whole - k - 1) + ";" +
         std::to_string(r.third.whole) + ";" +
         std::to_string(std::int64_t{r.mean.whole} - r.sdev.whole) + ";" +
         std::to_string(r.mean.whole) + ";1)";
}
std::optional<std::int64_t> LastCount(const ProbabilityRequest& r) {
  return Of(r).Last();
}
std::int64_t FirstCount(const ProbabilityRequest& r) {
  return Of(r).First();
}

constexpr KindNotation kNotation{
    .r_name = "hyper",
    .r_args = RArgs,
    .sheet_args = SheetArgs,
    .centre = Centre,
    .sheet_count_function = "HYPGEOM.DIST(",
    .sheet_count_upper = SheetCountUpper,
    .last_count = LastCount,
    .first_count = FirstCount,
};

bool PlotValid(const ProbabilityRequest& r) {
  return Check(r) == nullptr;
}
std::int64_t PlotTop(const ProbabilityRequest& r) {
  return Of(r).Last();
}
void SupportEnds(const ProbabilityRequest& r, Real& low, Real& high) {
  low = static_cast<Real>(Of(r).First());
  high = static_cast<Real>(Of(r).Last());
}

std::string TableTitle(const DistributionParameters& d) {
  return "Hypergeometric Distribution (N = " + std::to_string(d.first.whole) +
         ", K = " + std::to_string(d.second.whole) + ", n = " + std::to_string(d.third.whole) + ")";
}

// The rows are checked to be whole and small counts.
Real TableCell(const DistributionParameters& d, Real x, int column) {
  const auto k = static_cast<std::int64_t>(x);
  return column == 0 ? E(d, k) : column == 1 ? L(d, k + 1) : G(d, k);
}

// Every count within eight standard deviations of the mean, inside the support.
TableRows TableRowsOf(const DistributionParameters& d) {
  const precise::Hypergeometric h = Of(d);
  if (CheckParameters(h) != nullptr || h.population == 0) return {0, 1, 1};
  const Real population = h.population;
  const Real share = h.successes / population;
  const Real mean = h.draws * share;
  const Real variance =
      population > 1 ? mean * (1 - share) * (population - h.draws) / (population - 1) : 0;
  const Real spread = 8 * std::sqrt(variance) + 1;
  // A table too long for them all is centred on the mean.
  const Real half = std::min<Real>(spread, kMaxTableRows / 2 - 1);
  const auto first = std::max<std::int64_t>(h.First(), std::floor(mean - half));
  const auto last = std::min<std::int64_t>(h.Last(), std::ceil(mean + half));
  return {static_cast<Real>(first), 1,
          static_cast<int>(std::max<std::int64_t>(last - first + 1, 1))};
}

}  // namespace

extern const KindRecord kHypergeometricKind{
    .kind = dkHypergeometric,
    .list_text = "Hypergeometric Distribution",
    .discrete = true,
    .inputs =
        {
            .show_mean_label = false,
            .p_caption = "Population (N):",
            .mean_hint = "The Size of the Population. Must be a Positive Integer",
            .mean_entry = InputEntry::iePositive,
            .second_shown = true,
            .show_sigma_label = false,
            .n_caption = "Successes (K):",
            .sdev_hint = "The Number of Successes in the Population. Must be ≤ N",
            .sdev_entry = InputEntry::iePositive,
            .bound_entry = InputEntry::iePositive,
            .third_shown = true,
            .third_caption = "Draws (n):",
            .third_hint = "The Number of Draws without Replacement. Must be ≤ N",
            .third_entry = InputEntry::iePositive,
        },
    .check = Check,
    .precise_discrete = &kFunctions,
    .in_words = InWords,
    .notation = &kNotation,
    .plot_valid = PlotValid,
    .plot_top = PlotTop,
    .support_ends = SupportEnds,
    .report_captions = {"Population (N): ", "Successes in the Population (K): ", "Draws (n): "},
    .forward = dkHypergeometric,
    .table_title = TableTitle,
    .table_cell = TableCell,
    .table_rows = TableRowsOf,
};

}  // namespace zudira
