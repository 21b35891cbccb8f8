// Hypergeometric: work in progress; the record is filled in by its own change.
#include "core/kinds/kind_record.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest&) {
  return "This distribution is not available yet";
}
std::string InWords(const ProbabilityRequest&, char) {
  return "Hypergeometric";
}
bool PlotValid(const ProbabilityRequest&) {
  return false;
}

constexpr KindInputs kInputs{
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
};

constexpr KindRecord kForward{
    .kind = dkHypergeometric,
    .list_text = "Hypergeometric Distribution",
    .discrete = true,
    .inputs = kInputs,
    .check = Check,
    .in_words = InWords,
    .notation = nullptr,
    .plot_valid = PlotValid,
    .report_captions = {"Population (N): ", "Successes in the Population (K): ", "Draws (n): "},
    .forward = dkHypergeometric,
    .table_title = nullptr,
    .table_cell = nullptr,
    .table_rows = nullptr,
};

}  // namespace

extern const KindRecord kHypergeometricKind = kForward;

}  // namespace zudira
