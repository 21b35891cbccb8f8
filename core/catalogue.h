// The main window's input catalogue as data: for a distribution kind, a range type and a fixed
// end, which captions, hints, entry kinds and visible controls the inputs show, and which
// picture. The window applies what these functions return; it decides nothing itself.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/request.h"

namespace zudira {

// How a numeric field takes its value: mirrors the three entry kinds the inputs use.
enum class InputEntry { ieReal, iePosReal, iePositive };

// What a change of the distribution kind sets.
struct KindInputs {
  // Caption beside Mean: the symbol label MeanLabel, or PLabel with this caption.
  bool show_mean_label = true;
  std::string_view p_caption;  // empty when MeanLabel is shown
  std::string_view mean_hint;
  InputEntry mean_entry = InputEntry::ieReal;
  // Second parameter: SDev with StdDevCalcBtn, captioned by SigmaLabel or by NLabel.
  bool second_shown = true;
  bool show_sigma_label = true;
  std::string_view n_caption;  // empty unless NLabel is shown
  std::string_view sdev_hint;  // empty when the second parameter is hidden
  // Only meaningful when second_shown: a hidden SDev keeps its entry kind.
  InputEntry sdev_entry = InputEntry::iePosReal;
  InputEntry bound_entry = InputEntry::ieReal;  // A and B
  // Third parameter, below the second, with its own calculator button: shown only for the
  // kinds that have three parameters; every other kind keeps the window as it is.
  bool third_shown = false;
  std::string_view third_caption = {};  // empty when the third parameter is hidden
  std::string_view third_hint = {};
  InputEntry third_entry = InputEntry::iePositive;
};

// A caption with its hint.
struct CaptionHint {
  std::string_view caption;
  std::string_view hint;
};

// What a change of the range type or fixed end sets.
struct RangeInputs {
  bool show_b = false;  // LabelB, B and BCalcBtn
  bool show_fix_type = false;
  CaptionHint label_a;
  CaptionHint label_b;
  CaptionHint result_label;
  int picture = 0;  // index into the window's picture list
};

inline constexpr int kPictureCount = 19;
inline constexpr int kCalcButtonPicture = 5;
inline constexpr int kFirstDiscretePicture = 6;

// The items of the distribution list, in kind order ("Normal Distribution", ...).
std::string_view DistributionListText(DistributionKind kind);

// The distribution list: the first kinds, a separator line, then the later kinds, each part in
// kind order. A row is the list's item index, which is no kind once past the line.
inline constexpr int kDistributionListSeparatorRow = kFirstKindsCount;
inline constexpr int kDistributionListRowCount = kDistributionKindCount + 1;
// The row of a kind; the first kind's row for a number that is no kind.
int DistributionListRow(DistributionKind kind);
// The kind of a row; nothing for the separator line or a row outside the list.
std::optional<DistributionKind> KindOfListRow(int row);

// The symbol-markup caption of a range type's label ("P(X ^L A)").
std::string_view RangeCaption(RangeType range);

KindInputs CatalogueOf(DistributionKind kind);
RangeInputs RangeInputsOf(DistributionKind kind, RangeType range, FixEnd fixed_end);

// Discrete kinds have one picture per range type, the others one per range family.
int PictureOf(DistributionKind kind, RangeType range);

// The value a whole-number field takes from the pop-up calculator: the nearest whole number,
// halves to even, limited to 32 bits; a field that takes no negatives gets 0 for a negative
// value (and for a value that is no number).
std::int32_t WholeFieldValue(Real value, bool non_negative);

// Fixed texts of the input area.
inline constexpr std::string_view kPDFTypeHint = "Available Distributions";
inline constexpr std::string_view kAccuracyHint = "Number of Decimal Places displayed";
inline constexpr std::string_view kCalcBtnHint = "Calculate the Answer";
inline constexpr std::string_view kImageHint =
    "Picture of the current PDF and area being calculated. This is not to scale.";
inline constexpr std::string_view kAnswerHint =
    "The Probability which for\nNormal Distributions is the\narea under the curve";
inline constexpr std::string_view kRangeHint =
    "Choose Range Type for Probability Calculation.\n"
    "Remember that for continuous distributions like\n"
    "Normal Distribution that P (X = A) is always 0,\n"
    "and that < is the same as <= and > the same as >=.";
inline constexpr std::string_view kFixTypeHint =
    "When doing an Inverse Normal with A and B,\n"
    "one of these must be fixed as\n"
    "we can only solve for one unknown.";
inline constexpr std::string_view kMeanCaption = "Mean (^m):";
inline constexpr std::string_view kSigmaCaption = "Standard Dev (^s):";

}  // namespace zudira
