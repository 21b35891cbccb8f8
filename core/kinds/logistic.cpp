// Logistic: work in progress; the record is filled in by its own change.
#include "core/kinds/kind_record.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest&) {
  return "This distribution is not available yet";
}
std::string InWords(const ProbabilityRequest&, char) {
  return "Logistic";
}
bool PlotValid(const ProbabilityRequest&) {
  return false;
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

constexpr KindRecord kForward{
    .kind = dkLogistic,
    .list_text = "Logistic Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .in_words = InWords,
    .notation = nullptr,
    .plot_valid = PlotValid,
    .report_captions = {"Location (μ): ", "Scale (s): ", {}},
    .forward = dkLogistic,
    .table_title = nullptr,
    .table_cell = nullptr,
    .table_rows = nullptr,
};

}  // namespace

extern const KindRecord kLogisticKind = kForward;
extern const KindRecord kInverseLogisticKind =
    InverseOf(kForward, dkInverseLogistic, "Inverse Logistic Distribution");

}  // namespace zudira
