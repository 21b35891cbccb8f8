// Cauchy: work in progress; the record is filled in by its own change.
#include "core/kinds/kind_record.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest&) {
  return "This distribution is not available yet";
}
std::string InWords(const ProbabilityRequest&, char) {
  return "Cauchy";
}
bool PlotValid(const ProbabilityRequest&) {
  return false;
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "Location (x₀):",
    .mean_hint = "The Location (Median) of the Cauchy Distribution",
    .mean_entry = InputEntry::ieReal,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Scale (γ):",
    .sdev_hint = "The Scale of the Cauchy Distribution. Must be > 0",
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

constexpr KindRecord kForward{
    .kind = dkCauchy,
    .list_text = "Cauchy Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .in_words = InWords,
    .notation = nullptr,
    .plot_valid = PlotValid,
    .report_captions = {"Location (x₀): ", "Scale (γ): ", {}},
    .forward = dkCauchy,
    .table_title = nullptr,
    .table_cell = nullptr,
    .table_rows = nullptr,
};

}  // namespace

extern const KindRecord kCauchyKind = kForward;
extern const KindRecord kInverseCauchyKind =
    InverseOf(kForward, dkInverseCauchy, "Inverse Cauchy Distribution");

}  // namespace zudira
