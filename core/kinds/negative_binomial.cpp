// Negative Binomial: work in progress; the record is filled in by its own change.
#include "core/kinds/kind_record.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest&) {
  return "This distribution is not available yet";
}
std::string InWords(const ProbabilityRequest&, char) {
  return "Negative Binomial";
}
bool PlotValid(const ProbabilityRequest&) {
  return false;
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "P :",
    .mean_hint = "The Probability of Success in each Trial. Must be in (0, 1]",
    .mean_entry = InputEntry::iePosReal,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Successes (r):",
    .sdev_hint = "The Number of Successes to wait for. Must be a whole number ≥ 1",
    .sdev_entry = InputEntry::iePositive,
    .bound_entry = InputEntry::iePositive,
};

constexpr KindRecord kForward{
    .kind = dkNegativeBinomial,
    .list_text = "Negative Binomial Distribution",
    .discrete = true,
    .inputs = kInputs,
    .check = Check,
    .in_words = InWords,
    .notation = nullptr,
    .plot_valid = PlotValid,
    .report_captions = {"Probability of Success (p): ", "Number of Successes (r): ", {}},
    .forward = dkNegativeBinomial,
    .table_title = nullptr,
    .table_cell = nullptr,
    .table_rows = nullptr,
};

}  // namespace

extern const KindRecord kNegativeBinomialKind = kForward;

}  // namespace zudira
