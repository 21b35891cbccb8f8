// Uniform: work in progress; the record is filled in by its own change.
#include "core/kinds/kind_record.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest&) {
  return "This distribution is not available yet";
}
std::string InWords(const ProbabilityRequest&, char) {
  return "Uniform";
}
bool PlotValid(const ProbabilityRequest&) {
  return false;
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "Lower (a):",
    .mean_hint = "The Lower End of the Uniform Distribution",
    .mean_entry = InputEntry::ieReal,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Upper (b):",
    .sdev_hint = "The Upper End of the Uniform Distribution. Must be > a",
    .sdev_entry = InputEntry::ieReal,
    .bound_entry = InputEntry::ieReal,
};

constexpr KindRecord kForward{
    .kind = dkUniform,
    .list_text = "Uniform Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .in_words = InWords,
    .notation = nullptr,
    .plot_valid = PlotValid,
    .report_captions = {"Lower End (a): ", "Upper End (b): ", {}},
    .forward = dkUniform,
    .table_title = nullptr,
    .table_cell = nullptr,
    .table_rows = nullptr,
};

}  // namespace

extern const KindRecord kUniformKind = kForward;
extern const KindRecord kInverseUniformKind =
    InverseOf(kForward, dkInverseUniform, "Inverse Uniform Distribution");

}  // namespace zudira
