#include "core/catalogue.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <set>
#include <string>

namespace zudira {
namespace {

struct KindCase {
  DistributionKind kind;
  std::string mean_caption;  // PLabel's caption, or "Mean" for MeanLabel
  InputEntry mean_entry;
  bool second_shown;
  std::string second_caption;  // NLabel's caption, or "Sigma" for SigmaLabel, "" when hidden
  InputEntry bound_entry;
};

TEST(CatalogueTest, EachKindShowsItsCaptionsAndEntryKinds) {
  const KindCase cases[] = {
      {dkNormal, "Mean", InputEntry::ieReal, true, "Sigma", InputEntry::ieReal},
      {dkInverseNormal, "Mean", InputEntry::ieReal, true, "Sigma", InputEntry::ieReal},
      {dkBinomial, "P :", InputEntry::iePosReal, true, "N :", InputEntry::iePositive},
      {dkPoisson, "Mean", InputEntry::iePosReal, false, "", InputEntry::iePositive},
      {dkExponential, "Mean", InputEntry::ieReal, false, "", InputEntry::ieReal},
      {dkStudentT, "Degress of Freedom :", InputEntry::iePositive, false, "", InputEntry::ieReal},
      {dkInverseStudentT, "Degress of Freedom :", InputEntry::iePositive, false, "",
       InputEntry::ieReal},
      {dkChiSquared, "Degress of Freedom :", InputEntry::iePositive, false, "", InputEntry::ieReal},
      {dkInverseChiSquared, "Degress of Freedom :", InputEntry::iePositive, false, "",
       InputEntry::ieReal},
      {dkF, "Degrees of Freedom 1:", InputEntry::iePositive, true,
       "Degrees of Freedom 2:", InputEntry::ieReal},
      {dkInverseF, "Degrees of Freedom 1:", InputEntry::iePositive, true,
       "Degrees of Freedom 2:", InputEntry::ieReal},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(std::string(DistributionListText(c.kind)));
    const KindInputs row = CatalogueOf(c.kind);
    EXPECT_EQ(row.show_mean_label ? std::string("Mean") : std::string(row.p_caption),
              c.mean_caption);
    EXPECT_FALSE(row.mean_hint.empty());
    EXPECT_EQ(row.mean_entry, c.mean_entry);
    EXPECT_EQ(row.second_shown, c.second_shown);
    std::string second;
    if (row.second_shown) second = row.show_sigma_label ? "Sigma" : std::string(row.n_caption);
    EXPECT_EQ(second, c.second_caption);
    EXPECT_EQ(row.sdev_hint.empty(), !c.second_shown);
    EXPECT_EQ(row.bound_entry, c.bound_entry);
  }
  EXPECT_EQ(CatalogueOf(dkBinomial).sdev_entry, InputEntry::iePositive);
  EXPECT_EQ(CatalogueOf(dkF).sdev_entry, InputEntry::iePositive);
  EXPECT_EQ(CatalogueOf(dkNormal).sdev_entry, InputEntry::iePosReal);
  EXPECT_EQ(CatalogueOf(dkBinomial).mean_hint, "The Probability of Success. Must be in [0, 1]");
}

TEST(CatalogueTest, ListTextsAndRangeCaptionsAreDistinctAndComplete) {
  std::set<std::string_view> texts, captions;
  for (int k = 0; k < kDistributionKindCount; ++k)
    texts.insert(DistributionListText(static_cast<DistributionKind>(k)));
  for (int r = 0; r < kRangeTypeCount; ++r)
    captions.insert(RangeCaption(static_cast<RangeType>(r)));
  EXPECT_EQ(texts.size(), static_cast<size_t>(kDistributionKindCount));
  EXPECT_EQ(captions.size(), static_cast<size_t>(kRangeTypeCount));
  EXPECT_EQ(DistributionListText(dkInverseF), "Inverse F-Distribution");
  EXPECT_EQ(RangeCaption(rtOutsideCC), "P(X ^L A or X ^G B)");
  EXPECT_EQ(RangeCaption(rtInsideOC), "P(A < X ^L B)");
  EXPECT_TRUE(DistributionListText(static_cast<DistributionKind>(kDistributionKindCount)).empty());
}

// The list shows a line after the first kinds: rows past it are one more than their kind.
TEST(CatalogueTest, ListRowsSkipTheLineBetweenTheFirstAndTheLaterKinds) {
  const struct {
    int row;
    std::optional<DistributionKind> kind;
  } cases[] = {
      {0, dkNormal},         {10, dkInverseF},   {11, std::nullopt}, {12, dkHypergeometric},
      {29, dkInverseCauchy}, {30, std::nullopt}, {-1, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KindOfListRow(c.row), c.kind) << c.row;
    if (c.kind) {
      EXPECT_EQ(DistributionListRow(*c.kind), c.row) << c.row;
    }
  }
  EXPECT_EQ(DistributionListRow(static_cast<DistributionKind>(kDistributionKindCount)), 0);
  for (int k = 0; k < kDistributionKindCount; ++k) {
    const auto kind = static_cast<DistributionKind>(k);
    EXPECT_EQ(KindOfListRow(DistributionListRow(kind)), kind);
  }
}

TEST(CatalogueTest, PicturesFollowTheFamilyOrTheDiscreteRangeType) {
  for (int k = 0; k < kDistributionKindCount; ++k) {
    const auto kind = static_cast<DistributionKind>(k);
    for (int r = 0; r < kRangeTypeCount; ++r) {
      const auto range = static_cast<RangeType>(r);
      const int picture = PictureOf(kind, range);
      if (IsDiscreteKind(kind)) {
        EXPECT_EQ(picture, 6 + r);
      } else {
        EXPECT_EQ(picture, static_cast<int>(FamilyOf(range)));
      }
      EXPECT_NE(picture, kCalcButtonPicture);
      EXPECT_LT(picture, kPictureCount);
      EXPECT_EQ(RangeInputsOf(kind, range, feFixB).picture, picture);
    }
  }
}

struct RangeCase {
  DistributionKind kind;
  RangeType range;
  FixEnd fixed;
  bool show_b;
  bool show_fix;
  std::string label_a, label_b, result, result_hint;
};

TEST(CatalogueTest, RangeTypeAndFixedEndRelabelTheBounds) {
  const std::string area = "The Probability which is the Area under the Curve";
  const RangeCase cases[] = {
      {dkNormal, rtEqualA, feFixA, false, false, "A :", "B :", "Probability :", area},
      {dkNormal, rtInsideOO, feFixB, true, false, "A :", "B :", "Probability :", area},
      {dkBinomial, rtOutsideCC, feFixA, true, false,
       "A :", "B :", "Probability :", "The Probability"},
      {dkPoisson, rtAtMostA, feFixA, false, false,
       "A :", "B :", "Probability :", "The Probability"},
      {dkInverseChiSquared, rtAboveA, feFixB, false, false,
       "Probability :", "B :", "A :", "The value of A"},
      {dkInverseChiSquared, rtInsideOO, feFixA, true, true,
       "Probability :", "A :", "B :", "The value of B"},
      {dkInverseChiSquared, rtInsideOO, feFixB, true, true,
       "Probability :", "B :", "A :", "The value of A"},
      {dkInverseF, rtOutsideOC, feFixA, true, true,
       "Probability :", "A :", "B :", "The value of B"},
      {dkInverseNormal, rtAtLeastA, feFixA, false, false,
       "Probability :", "B :", "A :", "The value of A"},
  };
  for (const RangeCase& c : cases) {
    SCOPED_TRACE(std::string(DistributionListText(c.kind)) + " " +
                 std::string(RangeCaption(c.range)) + (c.fixed == feFixA ? " Fix A" : " Fix B"));
    const RangeInputs in = RangeInputsOf(c.kind, c.range, c.fixed);
    EXPECT_EQ(in.show_b, c.show_b);
    EXPECT_EQ(in.show_fix_type, c.show_fix);
    EXPECT_EQ(in.label_a.caption, c.label_a);
    EXPECT_EQ(in.label_b.caption, c.label_b);
    EXPECT_EQ(in.result_label.caption, c.result);
    EXPECT_EQ(in.result_label.hint, c.result_hint);
    // A caption always comes with the hint that names the same value.
    const std::string expected_hint =
        in.label_b.caption == "A :" ? "The value of A" : "The value of B";
    EXPECT_EQ(in.label_b.hint, expected_hint);
  }
}

TEST(CatalogueTest, CalculatorValuesBecomeWholeNumbersHalvesToEven) {
  struct Case {
    Real value;
    bool non_negative;
    std::int32_t expected;
  };
  const Case cases[] = {
      {2.6L, true, 3},
      {2.5L, true, 2},
      {3.5L, true, 4},
      {-0.4L, false, 0},
      {-2.5L, false, -2},
      {-3.7L, false, -4},
      {-3.7L, true, 0},
      {-0.0L, true, 0},
      {1e12L, true, 2147483647},
      {-1e12L, false, -2147483647 - 1},
      {2147483646.5L, true, 2147483646},
      {std::numeric_limits<Real>::quiet_NaN(), false, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WholeFieldValue(c.value, c.non_negative), c.expected)
        << static_cast<double>(c.value) << (c.non_negative ? " non-negative" : "");
  }
}

}  // namespace
}  // namespace zudira
