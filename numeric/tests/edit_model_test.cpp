#include "numeric/edit_model.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "testsupport/locale_scope.h"
#include "numeric/key_filter.h"

namespace zudira {
namespace {

// Stands for the text control; typing is writing `text` without telling the model.
struct FakeControl : EditControl {
  std::string ControlText() const override { return text; }
  void ShowText(const std::string& t) override {
    text = t;
    ++shows;
  }
  int MaxLength() const override { return max_length; }
  std::string text;
  int max_length = 0;
  int shows = 0;
};

struct Field {
  explicit Field(TEditType type) { model.SetEditType(type); }
  // The user types over the text and leaves the field.
  void TypeAndLeave(const std::string& typed) {
    control.text = typed;
    model.ParseText();
    model.Redisplay();
  }
  FakeControl control;
  EditFieldModel model{control};
};

TEST(KeyFilter, EachKindAcceptsItsCharactersAndOneDecimalSeparator) {
  const LocaleSettings plain;
  struct Case {
    TEditType type;
    unsigned key;
    const char* text;
    KeyVerdict expected;
  } cases[] = {
      {etPosReal, '7', "", KeyVerdict::kPass},       {etPosReal, '-', "", KeyVerdict::kRefuse},
      {etPosReal, '+', "", KeyVerdict::kRefuse},     {etPosReal, '.', "12", KeyVerdict::kPass},
      {etPosReal, '.', "1.2", KeyVerdict::kRefuse},  {etPosReal, '.', ".", KeyVerdict::kRefuse},
      {etPosReal, 8, "1.2", KeyVerdict::kPass},      {etPosReal, ' ', "1.2", KeyVerdict::kPass},
      {etPosReal, 'e', "1", KeyVerdict::kPass},      {etPosReal, 13, "1", KeyVerdict::kMoveFocus},
      {etReal, '-', "", KeyVerdict::kPass},          {etPositive, '-', "", KeyVerdict::kRefuse},
      {etPositive, ',', "1", KeyVerdict::kRefuse},   {etInteger, '+', "", KeyVerdict::kPass},
      {etInteger, '.', "", KeyVerdict::kRefuse},     {etCurrency, '$', "", KeyVerdict::kPass},
      {etCurrency, ',', "1,000", KeyVerdict::kPass}, {etCurrency, '.', "1.5", KeyVerdict::kRefuse},
      {etDate, '/', "1", KeyVerdict::kPass},         {etDate, ':', "1", KeyVerdict::kRefuse},
      {etTime, ':', "1", KeyVerdict::kPass},         {etHex, 'f', "", KeyVerdict::kPass},
      {etHex, 'g', "", KeyVerdict::kRefuse},         {etAVETMISS, '@', "", KeyVerdict::kPass},
      {etString, 'x', "", KeyVerdict::kPass},        {etString, 0xE9, "", KeyVerdict::kPass},
      {etString, 0x3A3, "", KeyVerdict::kRefuse},    {etString, '.', "1.2", KeyVerdict::kPass},
  };
  for (const Case& c : cases) {
    const CharSet valid = ValidCharsFor(c.type, plain, CharSet());
    EXPECT_EQ(FilterKey(c.type, valid, c.key, c.text, '.'), c.expected)
        << int(c.type) << " key " << c.key << " text " << c.text;
  }
}

TEST(KeyFilter, TheReplacedSelectionDoesNotCountAsASeparator) {
  const CharSet real = ValidCharsFor(etPosReal, LocaleSettings(), CharSet());
  struct Case {
    const char* text;
    std::size_t start, length;
    KeyVerdict expected;
  } cases[] = {
      {"0.0000000", 0, 9, KeyVerdict::kPass},   {"0.0000000", 0, 0, KeyVerdict::kRefuse},
      {"1.5", 1, 1, KeyVerdict::kPass},         {"1.5", 2, 1, KeyVerdict::kRefuse},
      {"1.5", 7, 3, KeyVerdict::kRefuse},       {"1.5", 0, 99, KeyVerdict::kPass},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FilterKey(etPosReal, real, '.', TextKeptByKey(c.text, c.start, c.length), '.'),
              c.expected)
        << c.text << " " << c.start << "+" << c.length;
}

TEST(KeyFilter, ChoiceKeepsThePreviousSetAndTheLocaleDecidesTheSeparator) {
  const LocaleSettings german = GermanLikeLocale();
  const CharSet real = ValidCharsFor(etReal, german, CharSet());
  EXPECT_EQ(FilterKey(etReal, real, ',', "1", ','), KeyVerdict::kPass);
  EXPECT_EQ(FilterKey(etReal, real, ',', "1,5", ','), KeyVerdict::kRefuse);
  EXPECT_EQ(FilterKey(etReal, real, '.', "1", ','), KeyVerdict::kRefuse);
  const CharSet choice = ValidCharsFor(etChoice, german, real);
  EXPECT_EQ(choice, real);
  EXPECT_EQ(FilterKey(etChoice, CharSet(), 'z', "", ','), KeyVerdict::kPass);
  EnterMovesFocus = false;
  EXPECT_EQ(FilterKey(etReal, real, 13, "", ','), KeyVerdict::kPass);
  EnterMovesFocus = true;
}

// A paste, a drop or an input-method commit meets the typed-key rule at its place in the text;
// real kinds take one exponent after the mantissa.
TEST(KeyFilter, InsertedTextMeetsTheRuleOfTypedKeysAtItsPlace) {
  const LocaleSettings plain;
  struct Case {
    TEditType type;
    const char16_t* inserted;
    const char* before;
    const char* after;
    KeyVerdict expected;
  } cases[] = {
      {etPositive, u"-7", "", "", KeyVerdict::kRefuse},
      {etPositive, u"17", "", "", KeyVerdict::kPass},
      {etPosReal, u"0.5", "", "", KeyVerdict::kPass},
      {etPosReal, u"0.5", "", "1.0", KeyVerdict::kRefuse},
      {etPosReal, u"1.2.3", "", "", KeyVerdict::kRefuse},
      {etPosReal, u"2.5", "1.", "", KeyVerdict::kRefuse},
      {etReal, u"-1.96", "", "", KeyVerdict::kPass},
      {etInteger, u"1.5", "", "", KeyVerdict::kRefuse},
      {etPosReal, u"´", "", "", KeyVerdict::kRefuse},
      {etReal, u"π", "", "", KeyVerdict::kRefuse},
      {etPosReal, u"e", "1", "", KeyVerdict::kPass},
      {etPosReal, u"E-5", "1.5", "", KeyVerdict::kPass},
      {etPosReal, u"-", "1E", "", KeyVerdict::kPass},
      {etPosReal, u"-", "1", "", KeyVerdict::kRefuse},
      {etPosReal, u"e", "", "1", KeyVerdict::kRefuse},
      {etReal, u"e", "-", "", KeyVerdict::kRefuse},
      {etReal, u"E", "1e5", "", KeyVerdict::kRefuse},
      {etReal, u"e", "1", ".5", KeyVerdict::kRefuse},
      {etReal, u".", "1e", "", KeyVerdict::kRefuse},
      {etReal, u".", "", "5e3", KeyVerdict::kPass},
      {etReal, u"1e+30", "", "", KeyVerdict::kPass},
      {etPositive, u"e", "1", "", KeyVerdict::kRefuse},
      {etInteger, u"1e5", "", "", KeyVerdict::kRefuse},
      {etString, u"1e.e.", "", "", KeyVerdict::kPass},
  };
  for (const Case& c : cases) {
    const CharSet valid = ValidCharsFor(c.type, plain, CharSet());
    EXPECT_EQ(FilterInsertion(c.type, valid, c.inserted, c.before, c.after, '.'), c.expected)
        << int(c.type) << " " << c.before << "|" << c.after;
  }
}

// Whatever route a text or value takes into a field, it reads back as the number it shows, or
// the field can tell that it does not.
TEST(EditFieldModel, TextsReadBackAsTheirNumbersWithinTheFieldsRangeAndSign) {
  constexpr Real kMax = std::numeric_limits<Real>::max();
  struct Case {
    TEditType type;
    std::string typed;
    bool reads_back;
    Real held;  // after leaving the field
  } cases[] = {
      {etReal, "1-2", false, 0},
      {etReal, "abc", false, 0},
      {etReal, "", true, 0},
      {etReal, "1e5", true, 100000},
      {etReal, "1.5E30", true, 1.5e30L},
      {etReal, std::string(5000, '9'), true, kMax},
      {etReal, "-1e5000", true, -kMax},
      {etReal, "1e-5000", true, 0},
      {etReal, "0." + std::string(5000, '0') + "1", true, 0},
      {etPosReal, "-5", true, 0},
      {etPositive, "-7", true, 0},
      {etInteger, "-7", true, -7},
      {etPositive, "12a", false, 0},
      {etInteger, "99999999999", true, 2147483647},
  };
  for (const Case& c : cases) {
    Field f(c.type);
    f.control.text = c.typed;
    EXPECT_EQ(f.model.TextReadsBack(), c.reads_back) << c.typed.substr(0, 20);
    f.TypeAndLeave(c.typed);
    EXPECT_EQ(f.model.AsFloat(), c.held) << c.typed.substr(0, 20);
    // The shown text reads back as the held value.
    const std::string shown = f.control.text;
    EXPECT_TRUE(f.model.TextReadsBack()) << shown;
    f.TypeAndLeave(shown);
    EXPECT_EQ(f.model.AsFloat(), c.held) << shown;
    EXPECT_EQ(f.control.text, shown);
  }
  Field positive(etPositive);
  positive.model.SetAsInteger(-3);
  EXPECT_EQ(positive.control.text, "0");
  Field pos_real(etPosReal);
  pos_real.model.SetAsFloat(2);
  pos_real.model.SetAsFloat(-5);
  EXPECT_EQ(pos_real.model.AsFloat(), 0);
  EXPECT_EQ(NotANumberMessage("1-2"), "'1-2' is not a number");
  EXPECT_EQ(NotANumberMessage(std::string(100, '9')),
            "'" + std::string(40, '9') + "...' is not a number");
}

TEST(EditFieldModel, RealFieldHoldsItsValueAsShown) {
  Field f(etReal);
  f.model.SetDecimals(7);
  f.TypeAndLeave("1.5");
  EXPECT_EQ(f.control.text, "1.5000000");
  EXPECT_EQ(f.model.AsFloat(), 1.5L);

  f.model.SetAsFloat(0.1234567L);
  EXPECT_EQ(f.control.text, "0.1234567");
  f.model.SetDecimals(2);
  EXPECT_EQ(f.control.text, "0.12");
  EXPECT_EQ(f.model.AsFloat(), 0.12L);
  f.model.SetDecimals(7);
  EXPECT_EQ(f.control.text, "0.1200000");

  f.TypeAndLeave("not a number");
  EXPECT_EQ(f.control.text, "0.0000000");
  EXPECT_EQ(f.model.AsFloat(), 0);

  f.model.SetBlankIfZero(true);
  EXPECT_EQ(f.control.text, "");
  f.model.SetAsFloat(5e-11L);
  EXPECT_EQ(f.control.text, "");
  f.model.SetAsFloat(-2.25L);
  EXPECT_EQ(f.control.text, "-2.2500000");
}

TEST(EditFieldModel, UnchangedValuesAndTextsDoNotRewriteTheControl) {
  Field f(etPosReal);
  f.model.SetAsFloat(3);
  EXPECT_EQ(f.control.text, "3.0000");
  f.control.text = "9";       // typed, not yet left
  f.model.SetText("3.0000");  // the text last set
  EXPECT_EQ(f.control.text, "9");
  EXPECT_EQ(f.model.Text(), "9");
  f.model.SetAsFloat(3);
  EXPECT_EQ(f.control.text, "9");
  EXPECT_EQ(f.model.AsFloat(), 3);
  f.model.Redisplay();
  EXPECT_EQ(f.control.text, "3.0000");

  f.control.text = "7.5";
  EXPECT_EQ(f.model.Text(), "7.5");
  const int shows = f.control.shows;
  f.model.SetText("7.5");
  EXPECT_EQ(f.control.shows, shows);
}

TEST(EditFieldModel, ValuesOfAnotherKindZeroTheirStoreOnly) {
  Field f(etPositive);
  f.TypeAndLeave("12");
  f.model.SetAsFloat(2.5L);
  EXPECT_EQ(f.control.text, "12");
  EXPECT_EQ(f.model.AsInteger(), 12);
  EXPECT_EQ(f.model.AsFloat(), 12);
  f.model.SetAsCurrency(500);
  EXPECT_EQ(f.model.AsInteger(), 0);
  EXPECT_EQ(f.control.text, "12");

  Field text(etString);
  text.TypeAndLeave("4.25 apples");
  EXPECT_EQ(text.control.text, "4.25 apples");
  text.model.SetAsInteger(3);
  EXPECT_EQ(text.control.text, "4.25 apples");
  text.control.text = "4.25";
  EXPECT_EQ(text.model.AsFloat(), 4.25L);
}

TEST(EditFieldModel, WholeFieldsPadAndGroupAndReadTheirGroupedTextBack) {
  Field f(etPositive);
  f.model.SetZeroPad(true);
  f.model.SetAsInteger(42);
  EXPECT_EQ(f.control.text, "");
  f.control.max_length = 5;
  f.model.Redisplay();
  EXPECT_EQ(f.control.text, "00042");
  f.TypeAndLeave("00042");
  EXPECT_EQ(f.model.AsInteger(), 42);
  f.model.SetZeroPad(false);
  EXPECT_EQ(f.control.text, "42");

  f.model.SetCommas(true);
  f.TypeAndLeave("1234567");
  EXPECT_EQ(f.control.text, "1,234,567");
  EXPECT_EQ(f.model.AsInteger(), 1234567);
  f.TypeAndLeave(f.control.text);
  EXPECT_EQ(f.control.text, "1,234,567");
  EXPECT_EQ(f.model.AsInteger(), 1234567);

  f.TypeAndLeave("99999999999999999999");
  EXPECT_EQ(f.model.AsInteger(), 2147483647);
  EXPECT_EQ(f.control.text, "2,147,483,647");
}

TEST(EditFieldModel, ChangingTheKindConvertsTheHeldValue) {
  struct Case {
    TEditType from;
    const char* typed;
    TEditType to;
    const char* shown;
    Real as_float;
  } cases[] = {
      {etReal, "2.5", etInteger, "2", 2},
      {etReal, "3.5", etInteger, "4", 4},
      {etReal, "-3.5", etInteger, "-4", -4},
      {etReal, "1e20", etInteger, "2147483647", 2147483647},
      {etCurrency, "12.34", etReal, "12.3400", 12.34L},
      {etPositive, "1234", etCurrency, "12.34", 12.34L},
      {etCurrency, "12.34", etInteger, "1234", 1234},
      {etInteger, "-7", etPosReal, "0.0000", 0},
      {etReal, "-1.96", etPositive, "0", 0},
      {etReal, "-5", etPosReal, "0.0000", 0},
      {etInteger, "-5", etPositive, "0", 0},
      {etReal, "0.125", etCurrency, "0.12", 0.12L},
      {etReal, "45000.5", etDate, "3/15/2023", 45000},
      {etDate, "3/15/2023", etReal, "45000.0000", 45000},
      {etTime, "12:00", etInteger, "0", 0},
      {etPositive, "17", etString, "17", 17},
      {etString, "17", etPositive, "0", 0},
  };
  for (const Case& c : cases) {
    Field f(c.from);
    f.TypeAndLeave(c.typed);
    f.model.SetEditType(c.to);
    EXPECT_EQ(f.control.text, c.shown) << c.typed << " to kind " << int(c.to);
    EXPECT_EQ(f.model.AsFloat(), c.as_float) << c.typed << " to kind " << int(c.to);
  }
}

TEST(EditFieldModel, MoneyDatesAndTimesShowTheirCanonicalForms) {
  Field money(etCurrency);
  money.TypeAndLeave("$1,234.5");
  EXPECT_EQ(money.control.text, "1234.50");
  EXPECT_EQ(money.model.AsCurrency(), 123450);
  money.model.SetMonetary(true);
  EXPECT_EQ(money.control.text, "$1234.50");
  money.model.SetCommas(true);
  EXPECT_EQ(money.control.text, "$1,234.50");
  money.TypeAndLeave(money.control.text);
  EXPECT_EQ(money.model.AsCurrency(), 123450);

  Field date(etDate);
  date.TypeAndLeave("3-15-2023");
  EXPECT_EQ(date.control.text, "3/15/2023");
  EXPECT_EQ(date.model.AsDateTime(), 45000);
  Field time(etTime);
  time.TypeAndLeave("2.05 pm");
  EXPECT_EQ(time.control.text, "14:05");
  time.model.SetUseValues(false);
  time.TypeAndLeave("anything");
  EXPECT_EQ(time.control.text, "anything");
  EXPECT_EQ(time.model.AsDateTime(), 0);
}

TEST(EditFieldModel, SecondLocaleReadsAndWritesWithItsSeparators) {
  LocaleScope scope(GermanLikeLocale());
  Field f(etReal);
  f.model.SetDecimals(2);
  f.TypeAndLeave("3,14159");
  EXPECT_EQ(f.control.text, "3,14");
  EXPECT_EQ(f.model.AsFloat(), 3.14L);
  Field whole(etPositive);
  whole.model.SetCommas(true);
  whole.TypeAndLeave("1234567");
  EXPECT_EQ(whole.control.text, "1.234.567");
  whole.TypeAndLeave(whole.control.text);
  EXPECT_EQ(whole.model.AsInteger(), 1234567);
}

}  // namespace
}  // namespace zudira
