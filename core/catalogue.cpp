#include "core/catalogue.h"

#include <cmath>
#include <limits>

#include "core/kinds/kind_record.h"
#include "stats/nearest_whole.h"

namespace zudira {

namespace {

constexpr CaptionHint kValueA{"A :", "The value of A"};
constexpr CaptionHint kValueB{"B :", "The value of B"};
constexpr CaptionHint kAreaProbability{"Probability :",
                                       "The Probability which is the Area under the Curve"};

}  // namespace

std::string_view DistributionListText(DistributionKind kind) {
  const KindRecord* record = FindKindRecord(kind);
  return record != nullptr ? record->list_text : std::string_view{};
}

int DistributionListRow(DistributionKind kind) {
  if (kind < 0 || kind >= kDistributionKindCount) return DistributionListRow(dkNormal);
  return kind < kFirstKindsCount ? kind : kind + 1;
}

std::optional<DistributionKind> KindOfListRow(int row) {
  if (row < 0 || row >= kDistributionListRowCount || row == kDistributionListSeparatorRow)
    return std::nullopt;
  return static_cast<DistributionKind>(row < kDistributionListSeparatorRow ? row : row - 1);
}

std::string_view RangeCaption(RangeType range) {
  return ValidRangeType(range) ? RangeTypeOf(range).caption : std::string_view{};
}

// A number that is no kind shows the inputs of the first.
KindInputs CatalogueOf(DistributionKind kind) {
  const KindRecord* record = FindKindRecord(kind);
  return (record != nullptr ? record : FindKindRecord(dkNormal))->inputs;
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
