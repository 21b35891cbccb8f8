// Beta: work in progress; the record is filled in by its own change.
#include "core/kinds/kind_record.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest&) {
  return "This distribution is not available yet";
}
std::string InWords(const ProbabilityRequest&, char) {
  return "Beta";
}
bool PlotValid(const ProbabilityRequest&) {
  return false;
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "Alpha (α):",
    .mean_hint = "The First Shape of the Beta Distribution. Must be > 0",
    .mean_entry = InputEntry::iePosReal,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Beta (β):",
    .sdev_hint = "The Second Shape of the Beta Distribution. Must be > 0",
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

constexpr KindRecord kForward{
    .kind = dkBeta,
    .list_text = "Beta Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .in_words = InWords,
    .notation = nullptr,
    .plot_valid = PlotValid,
    .report_captions = {"Alpha (α): ", "Beta (β): ", {}},
    .forward = dkBeta,
    .table_title = nullptr,
    .table_cell = nullptr,
    .table_rows = nullptr,
};

}  // namespace

extern const KindRecord kBetaKind = kForward;
extern const KindRecord kInverseBetaKind =
    InverseOf(kForward, dkInverseBeta, "Inverse Beta Distribution");

}  // namespace zudira
