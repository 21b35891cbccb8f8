#include "numeric/calc_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "numeric/locale_provider.h"

namespace zudira {
namespace {

using C = CalcCommand;

// Key names as they read on the calculator's face.
C KeyNamed(const std::string& name) {
  static const std::map<std::string, C> keys = {
      {"0", C::ccDigit0},
      {"1", C::ccDigit1},
      {"2", C::ccDigit2},
      {"3", C::ccDigit3},
      {"4", C::ccDigit4},
      {"5", C::ccDigit5},
      {"6", C::ccDigit6},
      {"7", C::ccDigit7},
      {"8", C::ccDigit8},
      {"9", C::ccDigit9},
      {".", C::ccPoint},
      {"+-", C::ccChangeSign},
      {"+", C::ccAdd},
      {"-", C::ccSubtract},
      {"*", C::ccMultiply},
      {"/", C::ccDivide},
      {"^", C::ccPower},
      {"=", C::ccEquals},
      {"(", C::ccLeftBracket},
      {")", C::ccRightBracket},
      {"AC", C::ccAllClear},
      {"C", C::ccClear},
      {"<-", C::ccBackSpace},
      {"MC", C::ccMemoryClear},
      {"M+", C::ccMemoryAdd},
      {"M-", C::ccMemorySubtract},
      {"MR", C::ccMemoryRecall},
      {"pi", C::ccPi},
      {"e", C::ccE},
      {"x2", C::ccSquare},
      {"sqrt", C::ccSqRoot},
      {"1/x", C::ccInverse},
      {"log", C::ccLog},
      {"ln", C::ccLn},
      {"sin", C::ccSin},
      {"cos", C::ccCos},
      {"tan", C::ccTan},
      {"inv", C::ccInv},
      {"rad", C::ccRad},
  };
  return keys.at(name);
}

struct Sequence {
  const char* name;
  const char* keys;                // key names separated by spaces
  std::vector<std::string> shown;  // the display after each key
};

std::vector<std::string> KeyNames(const std::string& keys) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start < keys.size()) {
    std::size_t end = keys.find(' ', start);
    if (end == std::string::npos) end = keys.size();
    if (end > start) names.push_back(keys.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

// The display after every key, from a fresh engine with 4 decimals and no operand.
TEST(CalcEngineTest, KeySequencesShowTheExpectedDisplayAfterEachKey) {
  const Sequence sequences[] = {
      {"precedence", "2 + 3 * 4 =", {"2.0000", "2.0000", "3.0000", "3.0000", "4.0000", "14.0000"}},
      {"brackets",
       "( 2 + 3 ) * 4 =",
       {"0", "2.0000", "2.0000", "3.0000", "5.0000", "5.0000", "4.0000", "20.0000"}},
      {"power groups from the left",
       "2 ^ 3 ^ 2 =",
       {"2.0000", "2.0000", "3.0000", "8.0000", "2.0000", "64.0000"}},
      {"subtraction groups from the left",
       "8 - 3 - 2 =",
       {"8.0000", "8.0000", "3.0000", "5.0000", "2.0000", "3.0000"}},
      {"division by zero", "7 / 0 =", {"7.0000", "7.0000", "0.0000", "Error!"}},
      {"square root", "9 sqrt", {"9.0000", "3.0000"}},
      {"inverse square is the root", "9 inv x2", {"9.0000", "9.0000", "3.0000"}},
      {"inverse root is the square", "9 inv sqrt", {"9.0000", "9.0000", "81.0000"}},
      {"degrees",
       "rad 3 0 sin 0 . 5 inv sin 6 0 cos inv cos 4 5 tan inv tan",
       {"0", "3.0000", "30.0000", "0.5000", "0.0000", "0.0000", "0.5000", "0.5000", "30.0000",
        "6.0000", "60.0000", "0.5000", "0.5000", "60.0000", "4.0000", "45.0000", "1.0000", "1.0000",
        "45.0000"}},
      {"a bracket discards the digits before it",
       "1 2 ( 3 =",
       {"1.0000", "12.0000", "0", "3.0000", "3.0000"}},
      {"the later operand wins", "5 = 3 =", {"5.0000", "5.0000", "3.0000", "3.0000"}},
      {"a digit clears inv", "inv 5 ln inv ln", {"0", "5.0000", "1.6094", "1.6094", "5.0000"}},
      {"inverse power is the root",
       "8 inv ^ 3 =",
       {"8.0000", "8.0000", "8.0000", "3.0000", "2.0000"}},
      {"logarithms",
       "1 0 0 log inv log ln",
       {"1.0000", "10.0000", "100.0000", "2.0000", "2.0000", "100.0000", "4.6052"}},
      {"backspace", "1 2 <- <-", {"1.0000", "12.0000", "1.0000", "0.0000"}},
      {"clear keeps the pending sum",
       "5 + 3 C 2 =",
       {"5.0000", "5.0000", "3.0000", "0", "2.0000", "7.0000"}},
      {"all clear drops the pending sum",
       "5 + 3 AC 2 =",
       {"5.0000", "5.0000", "3.0000", "0", "2.0000", "2.0000"}},
      {"change sign", "5 +- + 7 =", {"5.0000", "-5.0000", "-5.0000", "7.0000", "2.0000"}},
      {"constants", "pi e * =", {"3.1416", "2.7183", "2.7183", "8.5397"}},
      {"memory",
       "5 M+ M+ MR M- MR",
       {"5.0000", "5.0000", "5.0000", "10.0000", "10.0000", "0.0000"}},
      {"reciprocal", "4 1/x 0 1/x", {"4.0000", "0.2500", "0.0000", "Error!"}},
      {"reciprocal of nothing", "1/x", {"Error!"}},
      {"negative root", "4 +- sqrt", {"4.0000", "-4.0000", "Error!"}},
      {"logarithm of zero", "0 ln", {"0.0000", "Error!"}},
      {"arcsine beyond one", "2 inv sin", {"2.0000", "2.0000", "Error!"}},
      {"fractional power of a negative",
       "2 +- ^ . 5 =",
       {"2.0000", "-2.0000", "-2.0000", "0.0000", "0.5000", "Error!"}},
      {"negative whole power", "2 ^ 2 +- =", {"2.0000", "2.0000", "2.0000", "-2.0000", "0.2500"}},
      {"zero to a negative power",
       "0 ^ 1 +- =",
       {"0.0000", "0.0000", "1.0000", "-1.0000", "Error!"}},
      {"overflow",
       "1 0 ^ 5 0 0 0 =",
       {"1.0000", "10.0000", "10.0000", "5.0000", "50.0000", "500.0000", "5000.0000", "Error!"}},
      // Operators with fewer than two operands end in AC and "Error!".
      {"operator first", "+ 5 = 2 =", {"0", "5.0000", "Error!", "2.0000", "2.0000"}},
      {"two operators in a row", "2 * *", {"2.0000", "2.0000", "Error!"}},
      {"equals after an operator", "2 - =", {"2.0000", "2.0000", "Error!"}},
      {"unclosed brackets are dropped",
       "( ( 2 + 3 =",
       {"0", "0", "2.0000", "2.0000", "3.0000", "5.0000"}},
  };
  for (const Sequence& seq : sequences) {
    const std::vector<std::string> keys = KeyNames(seq.keys);
    ASSERT_EQ(keys.size(), seq.shown.size()) << seq.name;
    CalcEngine engine('.');
    for (std::size_t i = 0; i < keys.size(); ++i) {
      engine.Press(KeyNamed(keys[i]));
      EXPECT_EQ(engine.Display(), seq.shown[i])
          << seq.name << ", step " << i + 1 << " (" << keys[i] << ")";
    }
  }
}

TEST(CalcEngineTest, ErrorsClearTheStacksButKeepTheMemory) {
  CalcEngine engine('.');
  engine.SetMemory(0);
  for (C c : {C::ccDigit3, C::ccMemoryAdd, C::ccDigit7, C::ccDivide, C::ccDigit0, C::ccEquals})
    engine.Press(c);
  EXPECT_EQ(engine.Display(), "Error!");
  EXPECT_TRUE(engine.Operands().empty());
  EXPECT_EQ(engine.PendingOperators(), 0u);
  EXPECT_TRUE(engine.Entry().empty());
  EXPECT_EQ(engine.Memory(), 3);
  EXPECT_EQ(engine.MemoryDisplay(), "3.0000");
}

TEST(CalcEngineTest, OnlyTheRightBracketPassesItsErrorOn) {
  struct {
    std::vector<C> keys;
    std::string error;
  } cases[] = {
      {{C::ccLeftBracket, C::ccDigit7, C::ccDivide, C::ccDigit0, C::ccRightBracket},
       "Division by Zero"},
      {{C::ccDigit2, C::ccAdd, C::ccRightBracket}, "Missing Operand"},
      {{C::ccDigit2, C::ccAdd, C::ccDigit3, C::ccRightBracket}, ""},
      // The arithmetic faults speak with the library's texts.
      {{C::ccLeftBracket, C::ccDigit0, C::ccPower, C::ccDigit1, C::ccChangeSign, C::ccRightBracket},
       "Floating point division by zero"},
      {{C::ccLeftBracket, C::ccDigit9, C::ccPower, C::ccDigit9, C::ccDigit9, C::ccDigit9,
        C::ccDigit9, C::ccDigit9, C::ccRightBracket},
       "Floating point overflow"},
      {{C::ccLeftBracket, C::ccDigit2, C::ccChangeSign, C::ccPower, C::ccPoint, C::ccDigit5,
        C::ccRightBracket},
       "Invalid floating point operation"},
  };
  for (const auto& c : cases) {
    CalcEngine engine('.');
    CalcOutcome last;
    for (C key : c.keys) last = engine.Press(key);
    EXPECT_EQ(last.uncaught_error, c.error);
    EXPECT_EQ(engine.Display(), c.error.empty() ? "5.0000" : "Error!");
  }
  // Division by zero at "=" is handled by the key itself.
  CalcEngine engine('.');
  CalcOutcome last;
  for (C key : {C::ccDigit7, C::ccDivide, C::ccDigit0, C::ccEquals}) last = engine.Press(key);
  EXPECT_EQ(last.uncaught_error, "");
}

TEST(CalcEngineTest, SecondDecimalSeparatorBeepsAndIsNotTyped) {
  CalcEngine engine('.');
  EXPECT_FALSE(engine.Press(C::ccDigit1).beep);
  EXPECT_FALSE(engine.Press(C::ccPoint).beep);
  EXPECT_TRUE(engine.Press(C::ccPoint).beep);
  engine.Press(C::ccDigit5);
  EXPECT_EQ(engine.Entry(), "1.5");
  EXPECT_EQ(engine.Display(), "1.5000");
}

TEST(CalcEngineTest, CommaLocaleTypesAndReadsTheComma) {
  LocaleSettings comma;
  comma.decimal_separator = ',';
  comma.thousand_separator = '.';
  SetLocaleProvider(std::make_shared<FixedLocaleProvider>(comma));
  CalcEngine engine(',');
  for (C key : {C::ccDigit2, C::ccPoint, C::ccDigit5, C::ccMultiply, C::ccDigit2, C::ccEquals})
    engine.Press(key);
  EXPECT_EQ(engine.Display(), "5,0000");
  engine.SetMemory(2.5L);
  EXPECT_EQ(engine.StoredSettings().memory, "2,5");
  CalcEngine restored(',');
  restored.ApplyStoredSettings({std::nullopt, std::nullopt, std::string("1,25")});
  EXPECT_EQ(restored.Memory(), 1.25L);
  SetLocaleProvider(nullptr);
}

TEST(CalcEngineTest, ResultIsTheEntryElseTheTopOperandElseTheOpeningValue) {
  CalcEngine engine('.');
  engine.Start(2.5L);
  EXPECT_EQ(engine.Display(), "2.5000");
  EXPECT_EQ(engine.Result(-1), 2.5L);
  engine.Press(C::ccDigit7);
  EXPECT_EQ(engine.Result(-1), 7);
  engine.Press(C::ccAllClear);
  EXPECT_EQ(engine.Result(-1), 0);  // what the display shows
  // Changing the sign of nothing gives 0, not a negative zero.
  engine.Press(C::ccChangeSign);
  EXPECT_FALSE(std::signbit(engine.Result(-1)));
  engine.Press(C::ccAllClear);
  // Full precision, not the display's rounding.
  engine.Press(C::ccDigit2);
  engine.Press(C::ccDigit0);
  engine.Press(C::ccSqRoot);
  EXPECT_EQ(engine.Display(), "4.4721");
  EXPECT_EQ(engine.Result(-1), std::sqrt(20.0L));
}

// The opening value is the first operand only while no number is typed over it; after an
// error the opening value goes back.
TEST(CalcEngineTest, ATypedNumberReplacesTheOpeningValue) {
  const struct {
    std::vector<std::string> keys;
    const char* shown;
    Real result;
  } cases[] = {
      {{"4", "*", "="}, "Error!", 2.5L},  // as on a calculator opened on 0
      {{"4", "*", "5", "="}, "20.0000", 20},
      {{"3", "+", "="}, "Error!", 2.5L},
      {{"+", "3", "="}, "5.5000", 5.5L},
      {{"*", "(", "1", "+", "1", ")", "="}, "5.0000", 5},
      {{".", "5", "*", "2", "="}, "1.0000", 1},
      {{"4", "sqrt", "1", "+", "1", "="}, "2.0000", 2},
      {{"AC"}, "0", 0},
      {{"C"}, "0", 0},
  };
  for (const auto& c : cases) {
    CalcEngine engine('.');
    engine.Start(2.5L);
    std::string trace;
    for (const std::string& key : c.keys) {
      engine.Press(KeyNamed(key));
      trace += key + " ";
    }
    EXPECT_EQ(engine.Display(), c.shown) << trace;
    EXPECT_EQ(engine.Result(2.5L), c.result) << trace;
  }
}

TEST(CalcEngineTest, DecimalsReshowTheValueAndTheDisplayKeepsSixteenCharacters) {
  CalcEngine engine('.');
  engine.Press(C::ccPi);
  engine.SetDecimals(18);
  EXPECT_EQ(engine.Display(), "3.14159265358979");
  engine.SetDecimals(25);
  EXPECT_EQ(engine.Decimals(), 18);
  engine.SetDecimals(0);
  EXPECT_EQ(engine.Display(), "3");
  engine.Press(C::ccDigit1);
  engine.Press(C::ccPoint);
  engine.Press(C::ccDigit6);
  engine.SetDecimals(2);
  EXPECT_EQ(engine.Display(), "1.60");
  engine.Press(C::ccAllClear);
  engine.SetDecimals(1);
  EXPECT_EQ(engine.Display(), "0.0");
}

TEST(CalcEngineTest, LongScientificValuesKeepTheirExponentInTheDisplays) {
  struct {
    Real value;
    const char* shown;
  } cases[] = {
      {3.14159265358979323846e30L, "3.14159265358E30"},
      {-3.98679762981171071e19L, "-3.9867976298E19"},
      {-1.5e30L, "-1.5E30"},
      {1e4000L, "1E4000"},
      {-1.234567890123456789e4000L, "-1.23456789E4000"},
      {123456789012345678.0L, "1234567890123456"},
  };
  for (const auto& c : cases) {
    CalcEngine engine('.');
    engine.SetMemory(c.value);
    engine.Start(c.value);
    EXPECT_EQ(engine.Display(), c.shown);
    EXPECT_EQ(engine.MemoryDisplay(), c.shown);
  }
}

// References computed with mpmath at 30 digits.
TEST(CalcEngineTest, SineAndCosineOfHugeArgumentsHaveTheirTrueValue) {
  struct {
    Real x;
    Real sine;
    Real cosine;
  } cases[] = {
      {18446744073709551616.0L, 0.02359850990443955863436592L, -0.9997215163885841204112952L},
      {1e22L, -0.8522008497671888017727059L, 0.5232147853951389454975945L},
      {27670116110564327424.0L, -0.9993734482285213076304801L, -0.03539365728255617343606043L},
  };
  for (const auto& c : cases) {
    for (bool negative : {false, true}) {
      const Real x = negative ? -c.x : c.x;
      CalcEngine sine('.');
      sine.Start(x);
      sine.Press(C::ccSin);
      EXPECT_NEAR(sine.Result(0), negative ? -c.sine : c.sine, 1e-17L) << static_cast<double>(x);
      CalcEngine cosine('.');
      cosine.Start(x);
      cosine.Press(C::ccCos);
      EXPECT_NEAR(cosine.Result(0), c.cosine, 1e-17L) << static_cast<double>(x);
    }
  }
  // In degrees a whole turn is removed exactly: 390 degrees is 30 degrees.
  CalcEngine degrees('.');
  degrees.Press(C::ccRad);
  degrees.Start(390 + 360 * 1e15L);
  degrees.Press(C::ccSin);
  EXPECT_NEAR(degrees.Result(0), 0.5L, 1e-18L);
}

TEST(CalcEngineTest, HugeWholePowersFinishAtOnce) {
  struct {
    Real base;
    Real exponent;
    std::string display;
  } cases[] = {
      {1, 2147483647, "1.0000"},    {-1, 2147483647, "-1.0000"}, {2, 2147483647, "Error!"},
      {0.5L, 2147483647, "0.0000"}, {10, -5000, "0.0000"},       {2, 10, "1024.0000"},
  };
  for (const auto& c : cases) {
    CalcEngine engine('.');
    engine.Start(c.base);
    engine.Press(C::ccPower);
    engine.Start(c.exponent);
    engine.Press(C::ccEquals);
    EXPECT_EQ(engine.Display(), c.display)
        << static_cast<double>(c.base) << " ^ " << static_cast<double>(c.exponent);
  }
}

TEST(CalcEngineTest, ThousandsOfDigitsStaySafe) {
  CalcEngine engine('.');
  for (int i = 0; i < 6000; ++i) {
    engine.Press(C::ccDigit9);
    ASSERT_LE(engine.Display().size(), 16u);
  }
  EXPECT_EQ(engine.Entry().size(), 6000u);
  // Beyond the extended range the entry reads as 0, never as INF.
  EXPECT_EQ(engine.Display(), "0.0000");
  engine.Press(C::ccBackSpace);
  EXPECT_EQ(engine.Entry().size(), 5999u);
  engine.Press(C::ccEquals);
  EXPECT_TRUE(std::isfinite(engine.Result(1)));
}

TEST(CalcEngineTest, StoredSettingsAreReadWithFallbacks) {
  struct {
    CalcStoredSettings stored;
    bool radians;
    int decimals;
    Real memory;
  } cases[] = {
      {{}, true, 4, 0},
      {{"0", "7", "2.5"}, false, 7, 2.5L},
      {{"1", "25", "1E25"}, true, 18, 1e25L},
      {{"x", "-3", "-1.5E-7"}, true, 0, -1.5e-7L},
      {{"0", "four", "not a number"}, false, 4, 0},
      {{"5", "", "1E99999"}, true, 4, 0},
  };
  for (const auto& c : cases) {
    CalcEngine engine('.');
    engine.ApplyStoredSettings(c.stored);
    EXPECT_EQ(engine.Radians(), c.radians);
    EXPECT_EQ(engine.Decimals(), c.decimals);
    EXPECT_EQ(engine.Memory(), c.memory);
  }
}

TEST(CalcEngineTest, StoredSettingsWriteTheGeneralFloatForm) {
  struct {
    Real memory;
    std::string text;
  } cases[] = {
      {0, "0"},
      {2.5L, "2.5"},
      {1e25L, "1E25"},
      {-1.5e-7L, "-1.5E-7"},
      {1.0L / 3, "0.333333333333333"},
      {123456789012345678.0L, "1.23456789012346E17"},
  };
  for (const auto& c : cases) {
    CalcEngine engine('.');
    engine.SetMemory(c.memory);
    engine.Press(C::ccRad);
    engine.SetDecimals(9);
    const CalcStoredSettings s = engine.StoredSettings();
    EXPECT_EQ(s.memory, c.text);
    EXPECT_EQ(s.radians, "0");
    EXPECT_EQ(s.decimals, "9");
  }
}

TEST(CalcEngineTest, TypedCharactersMapToTheirKeys) {
  struct {
    char32_t ch;
    char separator;
    std::optional<C> key;
  } cases[] = {
      {U'0', '.', C::ccDigit0},      {U'9', '.', C::ccDigit9},       {U'.', '.', C::ccPoint},
      {U',', '.', std::nullopt},     {U',', ',', C::ccPoint},        {U'.', ',', std::nullopt},
      {U'*', '.', C::ccMultiply},    {U'/', '.', C::ccDivide},       {U'\r', '.', C::ccEquals},
      {U'\b', '.', C::ccBackSpace},  {U'\x1b', '.', C::ccExit},      {U'A', '.', C::ccAllClear},
      {U'a', '.', std::nullopt},     {U'C', '.', C::ccClear},        {U'c', '.', std::nullopt},
      {U'(', '.', C::ccLeftBracket}, {U')', '.', C::ccRightBracket}, {U'=', '.', std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CalcCommandForCharacter(c.ch, c.separator), c.key) << static_cast<int>(c.ch);
  }
}

// The window's own keys pass through the engine without touching its state.
TEST(CalcEngineTest, WindowKeysLeaveTheEngineAlone) {
  for (const C key : {C::ccCopy, C::ccPaste, C::ccExit, C::ccCancel}) {
    CalcEngine engine('.');
    engine.Start(3);
    for (const C typed : {C::ccAdd, C::ccDigit4, C::ccPoint, C::ccMemoryAdd, C::ccInv, C::ccRad})
      engine.Press(typed);
    const std::string display = engine.Display(), entry = engine.Entry();
    const std::vector<Real> operands = engine.Operands();
    const CalcOutcome outcome = engine.Press(key);
    EXPECT_FALSE(outcome.beep) << static_cast<int>(key);
    EXPECT_TRUE(outcome.uncaught_error.empty()) << static_cast<int>(key);
    EXPECT_EQ(engine.Display(), display) << static_cast<int>(key);
    EXPECT_EQ(engine.Entry(), entry) << static_cast<int>(key);
    EXPECT_EQ(engine.Operands(), operands) << static_cast<int>(key);
    EXPECT_EQ(engine.PendingOperators(), 1u) << static_cast<int>(key);
    EXPECT_TRUE(engine.InverseMode()) << static_cast<int>(key);
    EXPECT_FALSE(engine.Radians()) << static_cast<int>(key);
    EXPECT_EQ(engine.Memory(), 4) << static_cast<int>(key);
  }
}

TEST(CalcEngineTest, RandomKeySequencesNeverThrowNorShowInfinities) {
  std::mt19937 random(20261208);
  const int engine_keys = static_cast<int>(C::ccRad) + 1;
  std::uniform_int_distribution<int> pick(0, engine_keys - 1);
  for (int run = 0; run < 200; ++run) {
    CalcEngine engine('.');
    engine.Start(run - 100);
    for (int i = 0; i < 300; ++i) {
      const C key = static_cast<C>(pick(random));
      ASSERT_NO_THROW(engine.Press(key));
      const std::string& shown = engine.Display();
      ASSERT_LE(shown.size(), 16u);
      ASSERT_EQ(shown.find("INF"), std::string::npos);
      ASSERT_EQ(shown.find("NAN"), std::string::npos);
      for (Real v : engine.Operands()) ASSERT_TRUE(std::isfinite(v));
      ASSERT_TRUE(std::isfinite(engine.Memory()));
    }
  }
}

}  // namespace
}  // namespace zudira
