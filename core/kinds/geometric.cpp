// Geometric: work in progress; the record is filled in by its own change.
#include "core/kinds/kind_record.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest&) {
  return "This distribution is not available yet";
}
std::string InWords(const ProbabilityRequest&, char) {
  return "Geometric";
}
bool PlotValid(const ProbabilityRequest&) {
  return false;
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "P :",
    .mean_hint = "The Probability of Success in each Trial. Must be in (0, 1]",
    .mean_entry = InputEntry::iePosReal,
    .second_shown = false,
    .show_sigma_label = false,
    .n_caption = {},
    .sdev_hint = {},
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::iePositive,
};

constexpr KindRecord kForward{
    .kind = dkGeometric,
    .list_text = "Geometric Distribution",
    .discrete = true,
    .inputs = kInputs,
    .check = Check,
    .in_words = InWords,
    .notation = nullptr,
    .plot_valid = PlotValid,
    .report_captions = {"Probability of Success (p): ", {}, {}},
    .forward = dkGeometric,
    .table_title = nullptr,
    .table_cell = nullptr,
    .table_rows = nullptr,
};

}  // namespace

extern const KindRecord kGeometricKind = kForward;

}  // namespace zudira
