// Weibull: work in progress; the record is filled in by its own change.
#include "core/kinds/kind_record.h"

namespace zudira {
namespace {

const char* Check(const ProbabilityRequest&) {
  return "This distribution is not available yet";
}
std::string InWords(const ProbabilityRequest&, char) {
  return "Weibull";
}
bool PlotValid(const ProbabilityRequest&) {
  return false;
}

constexpr KindInputs kInputs{
    .show_mean_label = false,
    .p_caption = "Shape (k):",
    .mean_hint = "The Shape of the Weibull Distribution. Must be > 0",
    .mean_entry = InputEntry::iePosReal,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Scale (λ):",
    .sdev_hint = "The Scale of the Weibull Distribution. Must be > 0",
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

constexpr KindRecord kForward{
    .kind = dkWeibull,
    .list_text = "Weibull Distribution",
    .discrete = false,
    .inputs = kInputs,
    .check = Check,
    .in_words = InWords,
    .notation = nullptr,
    .plot_valid = PlotValid,
    .report_captions = {"Shape (k): ", "Scale (λ): ", {}},
    .forward = dkWeibull,
    .table_title = nullptr,
    .table_cell = nullptr,
    .table_rows = nullptr,
};

}  // namespace

extern const KindRecord kWeibullKind = kForward;
extern const KindRecord kInverseWeibullKind =
    InverseOf(kForward, dkInverseWeibull, "Inverse Weibull Distribution");

}  // namespace zudira
