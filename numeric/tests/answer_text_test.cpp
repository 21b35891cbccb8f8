#include "numeric/answer_text.h"

#include <gtest/gtest.h>

#include "testsupport/locale_scope.h"

namespace zudira {
namespace {

constexpr CalculationMode kClassic = CalculationMode::kClassic;
constexpr CalculationMode kPrecise = CalculationMode::kPrecise;

TEST(AnswerText, ScientificOnlyForPreciseAnswersThatWouldReadAsZero) {
  struct Case {
    Real value;
    int decimals;
    CalculationMode mode;
    const char* expected;
  } cases[] = {
      {3e-12L, 7, kPrecise, "3.0000000E-12"},
      {3e-12L, 7, kClassic, "0.0000000"},
      {0, 7, kPrecise, "0.0000000"},
      // Rounds up to the last shown decimal: fixed form, not scientific.
      {5e-8L, 7, kPrecise, "0.0000001"},
      {4.9e-8L, 7, kPrecise, "4.9000000E-08"},
      {2e-6L, 0, kPrecise, "2E-06"},
      // Below the smallest double: the extended range is kept.
      {1e-400L, 3, kPrecise, "1.000E-400"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AnswerText(c.value, c.decimals, c.mode), c.expected) << c.expected;
}

TEST(AnswerText, ScientificFormUsesTheLocaleDecimalSeparator) {
  LocaleScope german(GermanLikeLocale());
  EXPECT_EQ(AnswerText(3e-12L, 4, kPrecise), "3,0000E-12");
  EXPECT_EQ(PreciseResultNotice(1.5L, 1.25L, 2),
            "Precise result: 1,25");
}

TEST(PreciseResultNotice, SpeaksOnlyWhenTheShownDecimalsDiffer) {
  struct Case {
    Real classic;
    Real precise;
    int decimals;
    const char* expected;
  } cases[] = {
      {11.31L, 12.70620473617L, 7, "Precise result: 12.7062047"},
      {0.50000001L, 0.50000004L, 7, ""},
      {0.50000001L, 0.50000004L, 8, "Precise result: 0.50000004"},
      {0, 3e-12L, 7, ""},
      {0, 3e-9L, 10, "Precise result: 0.0000000030"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PreciseResultNotice(c.classic, c.precise, c.decimals), c.expected) << c.expected;
}

}  // namespace
}  // namespace zudira
