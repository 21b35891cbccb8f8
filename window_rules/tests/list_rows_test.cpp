#include "window_rules/list_rows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "numeric/conversions.h"
#include "numeric/locale_provider.h"
#include "stats/combinatorics.h"
#include "testsupport/locale_scope.h"

namespace zudira {
namespace {

// The rows are written with the locale's decimal separator; pin the default locale.
using ListRowsTest = LocaleFixture;

constexpr ListKind kBinom = ListKind::lkBinomialCoeffs;
constexpr ListKind kFact = ListKind::lkFactorials;
constexpr ListKind kPerm = ListKind::lkPermutations;

// Exact values from Python's math.comb, math.factorial and math.perm.
TEST_F(ListRowsTest, RowsForSmallN) {
  const struct {
    ListKind kind;
    int n;
    int i;
    const char* row;
  } cases[] = {
      {kFact, 0, 0, "0|1"},
      {kBinom, 1, 0, "0|1"},
      {kBinom, 1, 1, "1|1"},
      {kFact, 1, 1, "1|1"},
      {kPerm, 1, 0, "0|1"},
      {kPerm, 1, 1, "1|1"},
      {kBinom, 19, 9, "9|92378"},
      {kBinom, 19, 19, "19|1"},
      // 19! has 18 digits and is written out; 20! has 19 and takes the scientific form.
      {kFact, 19, 19, "19|121645100408832000"},
      {kPerm, 19, 19, "19|121645100408832000"},
      {kPerm, 19, 10, "10|335221286400"},
      {kBinom, 20, 10, "10|184756"},
      {kFact, 20, 20, "20|2.43290200817664E18"},
      {kPerm, 20, 19, "19|2.43290200817664E18"},
      {kPerm, 20, 20, "20|2.43290200817664E18"},
      {kBinom, 1547, 0, "0|1"},
      {kBinom, 1547, 1, "1|1547"},
      {kBinom, 1547, 1546, "1546|1547"},
      {kBinom, 1547, 1547, "1547|1"},
      {kPerm, 1547, 0, "0|1"},
      {kPerm, 1547, 1, "1|1547"},
      {kPerm, 1547, 2, "2|2391662"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ListRow(c.kind, c.n, c.i), c.row)
        << "kind " << static_cast<int>(c.kind) << " N " << c.n << " I " << c.i;
}

// The row for N = 0 carries whatever the library answers for 0 choose 0 and 0 taken 0 (its
// special result), unchanged.
TEST_F(ListRowsTest, SpecialResultsPassThrough) {
  EXPECT_EQ(BuildListRows(kBinom, 0),
            std::vector<std::string>{"0|" + SafeFloatToFixed(BinomialCoeff(0, 0), 0)});
  EXPECT_EQ(BuildListRows(kPerm, 0),
            std::vector<std::string>{"0|" + SafeFloatToFixed(Permutations(0, 0), 0)});
  EXPECT_EQ(BuildListRows(kFact, 0), std::vector<std::string>{"0|1"});
}

// Splits "I|d.dddEx" into the argument, the mantissa digits and the exponent.
struct Scientific {
  std::string argument;
  std::string digits;
  std::string exponent;
};
Scientific SplitScientific(const std::string& row) {
  Scientific s;
  const auto bar = row.find('|');
  const auto e = row.find('E');
  if (bar == std::string::npos || e == std::string::npos) return s;
  s.argument = row.substr(0, bar);
  for (char ch : row.substr(bar + 1, e - bar - 1))
    if (ch != '.') s.digits += ch;
  s.exponent = row.substr(e + 1);
  return s;
}

// Leading digits from Python's exact integers; 14 digits stay clear of the rounding of about
// 1547 extended-precision products.
TEST_F(ListRowsTest, HugeValuesForN1547) {
  const struct {
    ListKind kind;
    int i;
    const char* digits;
    const char* exponent;
  } cases[] = {
      {kBinom, 773, "10008931972451", "464"},  {kFact, 21, "51090942171709", "19"},
      {kFact, 100, "93326215443944", "157"},   {kFact, 1546, "12368583358787", "4261"},
      {kFact, 1547, "19134198456044", "4264"}, {kPerm, 100, "33776282463339", "317"},
      {kPerm, 773, "49742605009705", "2362"},  {kPerm, 1546, "19134198456044", "4264"},
      {kPerm, 1547, "19134198456044", "4264"},
  };
  for (const auto& c : cases) {
    const std::string row = ListRow(c.kind, 1547, c.i);
    const Scientific s = SplitScientific(row);
    EXPECT_EQ(s.argument, std::to_string(c.i)) << row;
    EXPECT_EQ(s.digits.substr(0, 14), c.digits) << row;
    EXPECT_LE(s.digits.size(), 18u) << row;
    EXPECT_EQ(s.exponent, c.exponent) << row;
  }
}

TEST_F(ListRowsTest, TablesHoldNPlusOneRowsInOrder) {
  for (ListKind kind : {kBinom, kFact, kPerm}) {
    for (int n : {0, 1, 19, 20, 1547}) {
      const auto rows = BuildListRows(kind, n);
      ASSERT_EQ(rows.size(), static_cast<std::size_t>(n) + 1);
      for (int i = 0; i <= n; i += (n > 40 ? 97 : 1)) EXPECT_EQ(rows[i], ListRow(kind, n, i));
      EXPECT_EQ(rows.back(), ListRow(kind, n, n));
    }
  }
  // Binomial coefficients are symmetric and every row of N = 1547 has a value.
  const auto rows = BuildListRows(kBinom, 1547);
  for (int i = 0; i <= 1547; ++i) {
    const std::string value = rows[i].substr(rows[i].find('|') + 1);
    EXPECT_EQ(value, rows[1547 - i].substr(rows[1547 - i].find('|') + 1)) << i;
    EXPECT_NE(value, "-1");
    EXPECT_NE(value, "INF");
  }
}

TEST_F(ListRowsTest, RowsUseTheLocaleDecimalSeparator) {
  LocaleSettings comma;
  comma.decimal_separator = ',';
  comma.thousand_separator = '.';
  Use(comma);
  EXPECT_EQ(ListRow(kFact, 20, 20), "20|2,43290200817664E18");
  EXPECT_EQ(ListRow(kFact, 19, 10), "10|3628800");  // no thousands separators
}

TEST(ListTexts, CaptionsTitlesAndRange) {
  EXPECT_EQ(ListPromptCaption(kBinom), "Binomial Coefficients");
  EXPECT_EQ(ListPromptCaption(kFact), "Factorials");
  EXPECT_EQ(ListPromptCaption(kPerm), "Permuations");
  EXPECT_EQ(ListWindowCaption(kBinom, 5), "Binomial Coefficients for N = 5");
  EXPECT_EQ(ListWindowCaption(kFact, 12), "Factorials up to N = 12");
  EXPECT_EQ(ListWindowCaption(kPerm, 0), "Permutations for N = 0");
  EXPECT_EQ(ListPrintTitle(kPerm), "Permutations");
  EXPECT_EQ(ListValueHeading(kBinom), "Coefficient");
  EXPECT_EQ(ListValueHeading(kPerm), "Factorials");
  for (int n : {0, 1, 1547}) EXPECT_TRUE(ListSizeAccepted(n)) << n;
  for (int n : {-1, 1548, -2147483647 - 1, 2147483647}) EXPECT_FALSE(ListSizeAccepted(n)) << n;
}

}  // namespace
}  // namespace zudira
