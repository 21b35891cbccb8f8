#include "core/catalogue.h"

#include <cmath>
#include <limits>

#include "stats/nearest_whole.h"

namespace zudira {

namespace {

constexpr std::array<std::string_view, kDistributionKindCount> kListTexts = {
    "Normal Distribution",
    "Inverse Normal Distribution",
    "Binomial Distribution",
    "Poisson Distribution",
    "Exponential Distribution",
    "Student T Distribution",
    "Inverse Student T Distribution",
    "Chi-Squared Distribution",
    "Inverse Chi-Squared Distribution",
    "F-Distribution",
    "Inverse F-Distribution",
};

constexpr KindInputs kNormalRow{
    .show_mean_label = true,
    .p_caption = {},
    .mean_hint = "The Mean of the Normal Distribution",
    .mean_entry = InputEntry::ieReal,
    .second_shown = true,
    .show_sigma_label = true,
    .n_caption = {},
    .sdev_hint = "The Standard Deviation of the Normal Distribution",
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

constexpr KindInputs kBinomialRow{
    .show_mean_label = false,
    .p_caption = "P :",
    .mean_hint = "The Probability of Success. Must be in [0, 1]",
    .mean_entry = InputEntry::iePosReal,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "N :",
    .sdev_hint = "The Number of Trials. Must be a Positive Integer",
    .sdev_entry = InputEntry::iePositive,
    .bound_entry = InputEntry::iePositive,
};

constexpr KindInputs kPoissonRow{
    .show_mean_label = true,
    .p_caption = {},
    .mean_hint = "Average Number of Successes in given Time Period",
    .mean_entry = InputEntry::iePosReal,
    .second_shown = false,
    .show_sigma_label = false,
    .n_caption = {},
    .sdev_hint = {},
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::iePositive,
};

constexpr KindInputs kExponentialRow{
    .show_mean_label = true,
    .p_caption = {},
    .mean_hint = "The Mean of the Exponential Distribution",
    .mean_entry = InputEntry::ieReal,
    .second_shown = false,
    .show_sigma_label = false,
    .n_caption = {},
    .sdev_hint = {},
    .sdev_entry = InputEntry::iePosReal,
    .bound_entry = InputEntry::ieReal,
};

constexpr KindInputs kOneFreedomRow{
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

constexpr KindInputs kFRow{
    .show_mean_label = false,
    .p_caption = "Degrees of Freedom 1:",
    .mean_hint = "The Horizontal Degrees of Freedom for the Distribution",
    .mean_entry = InputEntry::iePositive,
    .second_shown = true,
    .show_sigma_label = false,
    .n_caption = "Degrees of Freedom 2:",
    .sdev_hint = "The Vertical Degrees of Freedom for the Distribution",
    .sdev_entry = InputEntry::iePositive,
    .bound_entry = InputEntry::ieReal,
};

constexpr CaptionHint kValueA{"A :", "The value of A"};
constexpr CaptionHint kValueB{"B :", "The value of B"};
constexpr CaptionHint kAreaProbability{"Probability :",
                                       "The Probability which is the Area under the Curve"};

bool ValidKind(DistributionKind kind) {
  return kind >= 0 && kind < kDistributionKindCount;
}

}  // namespace

std::string_view DistributionListText(DistributionKind kind) {
  return ValidKind(kind) ? kListTexts[kind] : std::string_view{};
}

std::string_view RangeCaption(RangeType range) {
  return ValidRangeType(range) ? RangeTypeOf(range).caption : std::string_view{};
}

KindInputs CatalogueOf(DistributionKind kind) {
  switch (kind) {
    case dkBinomial:
      return kBinomialRow;
    case dkPoisson:
      return kPoissonRow;
    case dkExponential:
      return kExponentialRow;
    case dkStudentT:
    case dkInverseStudentT:
    case dkChiSquared:
    case dkInverseChiSquared:
      return kOneFreedomRow;
    case dkF:
    case dkInverseF:
      return kFRow;
    case dkNormal:
    case dkInverseNormal:
    default:
      return kNormalRow;
  }
}

int PictureOf(DistributionKind kind, RangeType range) {
  if (!ValidRangeType(range)) range = rtEqualA;
  if (IsDiscreteKind(kind)) return kFirstDiscretePicture + range;
  return FamilyOf(range);
}

RangeInputs RangeInputsOf(DistributionKind kind, RangeType range, FixEnd fixed_end) {
  if (!ValidRangeType(range)) range = rtEqualA;
  RangeInputs inputs;
  inputs.show_b = IsTwoBound(range);
  inputs.picture = PictureOf(kind, range);
  if (!IsInverseKind(kind)) {
    inputs.label_a = kValueA;
    inputs.label_b = kValueB;
    inputs.result_label = {"Probability :",
                           IsDiscreteKind(kind) ? "The Probability" : kAreaProbability.hint};
    return inputs;
  }
  inputs.label_a = kAreaProbability;
  if (!IsTwoBound(range)) {
    inputs.label_b = kValueB;
    inputs.result_label = kValueA;
    return inputs;
  }
  // With two ends the user gives one bound in B and the window solves for the other.
  inputs.show_fix_type = true;
  if (fixed_end == feFixA) {
    inputs.label_b = kValueA;
    inputs.result_label = kValueB;
  } else {
    inputs.label_b = kValueB;
    inputs.result_label = kValueA;
  }
  return inputs;
}

std::int32_t WholeFieldValue(Real value, bool non_negative) {
  if (std::isnan(value)) return 0;
  if (non_negative && value < 0) return 0;
  constexpr Real kLow = std::numeric_limits<std::int32_t>::min();
  constexpr Real kHigh = std::numeric_limits<std::int32_t>::max();
  if (value <= kLow) return std::numeric_limits<std::int32_t>::min();
  if (value >= kHigh) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(NearestWhole(value));
}

}  // namespace zudira
