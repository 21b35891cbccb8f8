#include "numeric/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "testsupport/locale_scope.h"

namespace zudira {
namespace {

TEST(SafeStrToInt, ReadsDecimalAndHexAndClampsLongDigitStrings) {
  struct Case {
    const char* text;
    std::int32_t expected;
  } cases[] = {
      {"42", 42},
      {"  -17", -17},
      {"+8", 8},
      {"$1F", 31},
      {"0x10", 16},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"99999999999", 2147483647},
      {"-99999999999", -2147483647 - 1},
      {"123456789012345678901234567890", 2147483647},
      {"-123456789012345678901234567890", -2147483647 - 1},
      {"$FFFFFFFFFFFFFFFFFFFF", 2147483647},
      {"12a", 0},
      {"", 0},
      {"-", 0},
      {"$", 0},
      {"0x", 0},
      {"12 ", 0},
      {"1,000", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(SafeStrToInt(c.text), c.expected) << c.text;
}

TEST(SafeFloatToFixed, RoundsHalfUpAtTheCutDigitAndSwitchesToScientificForm) {
  struct Case {
    Real x;
    int decimals;
    const char* expected;
  } cases[] = {
      {3.14159L, 4, "3.1416"},
      {0.5L, 0, "1"},
      {2, 7, "2.0000000"},
      {1.25L, 1, "1.3"},
      {-1.25L, 1, "-1.3"},
      {-0.00004L, 4, "0.0000"},
      {-0.00005L, 4, "-0.0001"},
      {0, 3, "0.000"},
      {-0.0L, 2, "0.00"},
      {0.1234567L, 2, "0.12"},
      {9.995L, 2, "10.00"},
      {99.5L, 0, "100"},
      {0.999996L, 5, "1.00000"},
      {1e-30L, 4, "0.0000"},
      {123456.789L, 0, "123457"},
      {999999999999999999.0L, 0, "999999999999999999"},
      {1e20L, 0, "1E20"},
      {1e25L, 3, "1E25"},
      {-1.5e30L, 2, "-1.5E30"},
      {1.234567890123456789e40L, 2, "1.23456789012345679E40"},
      {std::numeric_limits<Real>::infinity(), 2, "INF"},
      {-std::numeric_limits<Real>::infinity(), 2, "-INF"},
      {std::numeric_limits<Real>::quiet_NaN(), 2, "NAN"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SafeFloatToFixed(c.x, c.decimals), c.expected) << static_cast<double>(c.x);
}

TEST(SafeFloatToFixed, DecimalsAbove18CountAs18) {
  EXPECT_EQ(SafeFloatToFixed(1.5L, 30), SafeFloatToFixed(1.5L, 18));
  EXPECT_EQ(SafeFloatToFixed(1.5L, 18), "1.500000000000000000");
  EXPECT_EQ(SafeFloatToFixed(1.5L, -3), "2");
}

TEST(SafeStrToFloat, AcceptsOnlyThePlainFloatSyntax) {
  struct Case {
    const char* text;
    Real expected;
  } cases[] = {
      {"1.5", 1.5L}, {" 2.5e3 ", 2500}, {"-0.25", -0.25L}, {"+4", 4},  {".5", 0.5L},
      {"5.", 5},     {"1E-2", 0.01L},   {"", 0},           {".", 0},   {"1,000", 0},
      {"1.2.3", 0},  {"e5", 0},         {"1e", 0},         {"1e+", 0}, {"inf", 0},
      {"nan", 0},    {"0x10", 0},       {"1e99999", 0},    {"- 1", 0}, {"12abc", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(SafeStrToFloat(c.text), c.expected) << c.text;
}

TEST(TextHelpers, CutPadRepeatAndReplace) {
  EXPECT_EQ(LeftText("abcdef", 3), "abc");
  EXPECT_EQ(LeftText("ab", 5), "ab");
  EXPECT_EQ(LeftText("ab", 0), "");
  EXPECT_EQ(LeftText("ab", -2), "");
  EXPECT_EQ(RepeatChar('*', 3), "***");
  EXPECT_EQ(RepeatChar('*', 0), "");
  EXPECT_EQ(PadLeftWith("7", '.', 3), "..7");
  EXPECT_EQ(PadLeftWith("1234", '.', 3), "1234");
  EXPECT_EQ(ReplaceChar("a-b-c", '-', '/'), "a/b/c");
  EXPECT_EQ(ReplaceChar("a-b", '-', '-'), "a-b");
}

TEST(IntegerFormatting, PaddedAndGroupedForms) {
  EXPECT_EQ(IntToZeroPaddedStr(7, 3), "007");
  EXPECT_EQ(IntToZeroPaddedStr(12345, 3), "123");
  EXPECT_EQ(IntToZeroPaddedStr(-5, 4), "00-5");
  EXPECT_EQ(IntToZeroPaddedStr(42, 0), "");
  EXPECT_EQ(IntToPaddedStr(42, 5), "   42");
  EXPECT_EQ(SafeIntToStr(-2147483647 - 1), "-2147483648");
  struct Case {
    std::int32_t n;
    const char* expected;
  } grouped[] = {{7, "7"},
                 {0, "0"},
                 {-123, "-123"},
                 {1234, "1,234"},
                 {123456, "123,456"},
                 {1234567, "1,234,567"},
                 {-123456, "-123,456"},
                 {-2147483647 - 1, "-2,147,483,648"}};
  for (const Case& c : grouped) EXPECT_EQ(IntToGroupedStr(c.n), c.expected) << c.n;
}

TEST(CentsFormatting, SignRulesAndMoneyForms) {
  EXPECT_EQ(CentsToStr(123456), "1234.56");
  EXPECT_EQ(CentsToGroupedStr(123456), "1,234.56");
  EXPECT_EQ(CentsToMoneyStr(123456), "$1234.56");
  EXPECT_EQ(CentsToGroupedMoneyStr(123456), "$1,234.56");
  EXPECT_EQ(CentsToStr(-5), "-0.05");
  EXPECT_EQ(CentsToMoneyStr(-5), "-$0.05");
  EXPECT_EQ(CentsToStr(0), "0.00");
  EXPECT_EQ(CentsToStr(-2147483647 - 1), "-21474836.48");

  NegativeInBrackets = true;
  EXPECT_EQ(CentsToStr(0), "0.00 ");
  EXPECT_EQ(CentsToStr(-150), "(1.50)");
  EXPECT_EQ(CentsToGroupedMoneyStr(-123456), "($1,234.56)");
  EXPECT_EQ(CentsToMoneyStr(250), "$2.50 ");
  NegativeInBrackets = false;
}

TEST(StrToCents, ReadsMoneyTextRoundingAtTheSecondDecimalAndClamping) {
  struct Case {
    const char* text;
    Cents expected;
  } cases[] = {
      {"$1,234.50", 123450},
      {"(12.3)", -1230},
      {"7", 700},
      {"-", 0},
      {"12.", 1200},
      {"  -0.05 ", -5},
      {"1.234", 123},
      {"1.235", 124},
      {"1.2349", 123},
      {"1.995", 200},
      {"21474836.47", 2147483647},
      {"-21474836.48", -2147483647 - 1},
      {"99999999999", 2147483647},
      {"-123456789012345678901234567890", -2147483647 - 1},
      {"1.50-", 150},
  };
  for (const Case& c : cases) EXPECT_EQ(StrToCents(c.text), c.expected) << c.text;
}

TEST(DateAndTime, WriteAndReadWithTheLocaleFormats) {
  // 45000 is 15 March 2023 in the 1899-12-30 day count.
  EXPECT_EQ(DateToTextOrBlank(45000.75), "3/15/2023");
  EXPECT_EQ(DateToTextOrBlank(1.0), "12/31/1899");
  EXPECT_EQ(DateToTextOrBlank(0.75), "");
  EXPECT_EQ(DateToTextOrBlank(1e300), "");
  EXPECT_EQ(DateToTextOrBlank(std::nan("")), "");
  EXPECT_EQ(TextToDate("3/15/2023"), 45000);
  EXPECT_EQ(TextToDate("3-15-2023"), 45000);
  EXPECT_EQ(TextToDate("2/29/2024"), TextToDate("3/1/2024") - 1);
  EXPECT_EQ(TextToDate("2/29/2023"), 0);
  EXPECT_EQ(TextToDate("13/1/2023"), 0);
  EXPECT_EQ(TextToDate("3/15"), TextToDate(DateToTextOrBlank(TextToDate("3/15"))));
  EXPECT_EQ(TextToDate("hello"), 0);
  EXPECT_EQ(TextToDate(""), 0);

  EXPECT_EQ(TimeToHoursMinutes(0), "0:00");
  EXPECT_EQ(TimeToHoursMinutes(45000 + 9.0 / 24 + 5.0 / 1440), "9:05");
  EXPECT_EQ(TimeToHoursMinutes(14.5 / 24), "14:30");
  EXPECT_EQ(TimeToHoursMinutes(std::nan("")), "");
  EXPECT_DOUBLE_EQ(TextToTime("14:30"), 14.5 / 24);
  EXPECT_DOUBLE_EQ(TextToTime("14.30"), 14.5 / 24);
  EXPECT_DOUBLE_EQ(TextToTime("9:05:30"), (9 * 3600 + 5 * 60 + 30) / 86400.0);
  EXPECT_DOUBLE_EQ(TextToTime("2:15 pm"), 14.25 / 24);
  EXPECT_DOUBLE_EQ(TextToTime("12:00 AM"), 0);
  EXPECT_DOUBLE_EQ(TextToTime("3 PM"), 15.0 / 24);
  EXPECT_EQ(TextToTime("25:00"), 0);
  EXPECT_EQ(TextToTime("10:60"), 0);
  EXPECT_EQ(TextToTime("13:00 PM"), 0);
  EXPECT_EQ(TextToTime("7"), 0);
  EXPECT_EQ(TextToTime(""), 0);
}

TEST(SecondLocale, ReadingAndWritingFollowTheInstalledProvider) {
  LocaleScope scope(GermanLikeLocale());
  EXPECT_EQ(SafeFloatToFixed(3.14159L, 2), "3,14");
  EXPECT_EQ(SafeFloatToFixed(1.5e30L, 0), "1,5E30");
  EXPECT_EQ(SafeStrToFloat("2,5"), 2.5L);
  EXPECT_EQ(SafeStrToFloat("2.5"), 0);
  EXPECT_EQ(SafeStrToFloat("1.000"), 0);
  EXPECT_EQ(IntToGroupedStr(1234567), "1.234.567");
  EXPECT_EQ(CentsToGroupedMoneyStr(123456), "EUR1.234,56");
  EXPECT_EQ(StrToCents("1.234,56 EUR"), 123456);
  EXPECT_EQ(DateToTextOrBlank(45000), "15.03.2023");
  EXPECT_EQ(TextToDate("15.3.2023"), 45000);
  EXPECT_EQ(TextToDate("15/3/2023"), 45000);
  EXPECT_EQ(TextToDate("3/15/2023"), 0);
}

// Short date formats of desktop locales whose fields are set apart by blanks: the date a
// field shows must read back to the same day when the field is left.
TEST(SecondLocale, DatesWithBlanksInTheFormatReadBackToTheSameDay) {
  struct Case {
    const char* format;
    char separator;
    const char* shown;
  } cases[] = {
      {"yyyy. MM. dd.", '.', "2023. 03. 15."},  // Hungarian
      {"d. M. yyyy", '.', "15. 3. 2023"},       // Slovak
      {"yy. M. d.", '.', "23. 3. 15."},         // Korean
      {"d MMM yyyy", '/', "15 03 2023"},        // the C locale: no separator but blanks
  };
  for (const Case& c : cases) {
    LocaleSettings s;
    s.short_date_format = c.format;
    s.date_separator = c.separator;
    LocaleScope scope(s);
    EXPECT_EQ(DateToTextOrBlank(45000), c.shown) << c.format;
    EXPECT_EQ(TextToDate(c.shown), 45000) << c.format;
  }
  // The shapes of the desktop's Latin-1 short date formats, each with its separator.
  for (const char* format : {"d MMM yyyy", "yyyy-MM-dd", "d/M/yyyy", "yy/MM/dd", "d.M.yy",
                             "d. M. yyyy.", "d.M.yy.", "dd/MM yyyy", "yy. M. d.", "d. MM. yy"}) {
    LocaleSettings s;
    s.short_date_format = format;
    const std::string f = format;
    const std::size_t sep = f.find_first_not_of("dMy ");
    s.date_separator = sep == std::string::npos ? '/' : f[sep];
    LocaleScope scope(s);
    EXPECT_EQ(TextToDate(DateToTextOrBlank(45000)), 45000) << format;
  }
  LocaleSettings hungarian;
  hungarian.short_date_format = "yyyy. MM. dd.";
  hungarian.date_separator = '.';
  LocaleScope scope(hungarian);
  EXPECT_EQ(TextToDate("2023.3.15"), 45000);
  EXPECT_EQ(TextToDate("2023-3-15 "), 45000);
  EXPECT_EQ(TextToDate("2023. 3. 15. 4"), 0);
  EXPECT_EQ(TextToDate("2023 3 15 4"), 0);
  EXPECT_EQ(TextToDate("2023..3.15"), 0);
}

// Random text, weighted towards the characters the readers care about, never escapes an
// exception and never gives a non-finite or out-of-range value.
TEST(TextToNumber, RandomTextNeverRaises) {
  std::mt19937 rng(20261208);
  const std::string alphabet = "0123456789+-.,eE$xX()/: apAP\t#";
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()));
  std::uniform_int_distribution<int> any_byte(1, 255);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (int n = length(rng); n > 0; --n) {
      int k = pick(rng);
      text.push_back(k == static_cast<int>(alphabet.size()) ? static_cast<char>(any_byte(rng))
                                                            : alphabet[k]);
    }
    EXPECT_NO_THROW({
      (void)SafeStrToInt(text);
      EXPECT_TRUE(std::isfinite(SafeStrToFloat(text))) << text;
      (void)StrToCents(text);
      const double t = TextToTime(text);
      EXPECT_TRUE(t >= 0 && t < 1) << text;
      EXPECT_TRUE(std::isfinite(TextToDate(text))) << text;
    });
  }
}

}  // namespace
}  // namespace zudira
