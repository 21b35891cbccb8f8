// What Student T and Chi-Squared share: one whole parameter, the degrees of freedom.
#pragma once

#include "core/kinds/kind_checks.h"
#include "core/kinds/kind_record.h"

namespace zudira {

inline constexpr KindInputs kOneDegreeOfFreedomInputs{
    .show_mean_label = false,
    .p_caption = "Degress of Freedom :",
    .mean_hint = "The Degrees of Freedom for the Distribution",
    .mean_entry = InputEntry::iePositive,
    .second_shown = false,
    .show_sigma_label = false,
    .n_caption = {},
    .sdev_hint = {},
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

// Chi-squared takes its one parameter like Student T, so a printed answer says which
// distribution it belongs to.
inline constexpr std::array<std::string_view, 3> kOneDegreeOfFreedomReport = {
    "Degrees of Freedom: ", {}, {}};

inline const char* CheckOneDegreeOfFreedom(const ProbabilityRequest& r) {
  return r.mean.whole <= 0 ? kDegreesText : nullptr;
}
inline bool PlotOneDegreeOfFreedom(const ProbabilityRequest& r) {
  return r.mean.whole >= 1;
}
inline std::string OneDegreeOfFreedomRArgs(const ProbabilityRequest& r) {
  return ", df = " + std::to_string(r.mean.whole);
}
inline std::string OneDegreeOfFreedomSheetArgs(const ProbabilityRequest& r, char) {
  return ";" + std::to_string(r.mean.whole);
}

}  // namespace zudira
