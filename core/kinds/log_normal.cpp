// Log-Normal: work in progress; the record is filled in by its own change.
#include "core/kinds/kind_record.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest&) {
  return "This distribution is not available yet";
}
std::string InWords(const ProbabilityRequest&, char) {
  return "Log-Normal";
}
bool PlotValid(const ProbabilityRequest&) {
  return false;
}

constexpr KindInputs kInputs{
    .show_mean_label = true,
    .p_caption = {},
    .mean_hint = "The Mean of ln X",
    .mean_entry = InputEntry::ieReal,
    .second_shown = true,
    .show_sigma_label = true,
    .n_caption = {},
    .sdev_hint = "The Standard Deviation of ln X. Must be > 0",
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

constexpr KindRecord kForward{
    .kind = dkLogNormal,
    .list_text = "Log-Normal Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .in_words = InWords,
    .notation = nullptr,
    .plot_valid = PlotValid,
    .report_captions = {"Mean of ln X (μ): ", "Standard Deviation of ln X (σ): ", {}},
    .forward = dkLogNormal,
    .table_title = nullptr,
    .table_cell = nullptr,
    .table_rows = nullptr,
};

}  // namespace

extern const KindRecord kLogNormalKind = kForward;
extern const KindRecord kInverseLogNormalKind =
    InverseOf(kForward, dkInverseLogNormal, "Inverse Log-Normal Distribution");

}  // namespace zudira
