#include "numeric/calc_engine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "numeric/calc_arithmetic.h"
#include "numeric/conversions.h"
#include "stats/constants.h"

namespace zudira {

namespace {

constexpr char kRootOperator = 'r';

int Level(char op) {
  switch (op) {
    case '+':
    case '-':
      return 1;
    case '*':
    case '/':
      return 2;
    case '^':
    case kRootOperator:
      return 3;
    default:
      return 0;
  }
}

// Equal levels do not bind tighter, so operators of one level group from the left.
bool BindsTighter(char new_op, char stacked) {
  return stacked == '(' || Level(new_op) > Level(stacked);
}

bool IsDigitChar(char32_t ch) {
  return ch >= U'0' && ch <= U'9';
}

// A stored whole number: an optional sign and decimal digits, nothing else.
std::optional<std::int32_t> StoredInteger(std::string_view text) {
  text = TrimBlanks(text);
  std::string_view digits = text;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
  if (digits.empty()) return std::nullopt;
  for (char c : digits) {
    if (!IsDigitChar(static_cast<unsigned char>(c))) return std::nullopt;
  }
  return SafeStrToInt(text);
}

// The first sixteen characters of the fixed-point text. A scientific form that is longer
// keeps its exponent and loses mantissa digits instead: cutting "3.14159265358979324E30"
// to "3.14159265358979" would show, and copy, a number 10^30 times too small.
std::string DisplayText(Real x, int decimals) {
  const std::string text = SafeFloatToFixed(x, decimals);
  const std::size_t width = kCalcDisplayWidth;
  const std::size_t e = text.find('E');
  if (text.size() <= width || e == std::string::npos) return LeftText(text, kCalcDisplayWidth);
  const std::string exponent = text.substr(e);
  std::string mantissa = text.substr(0, std::min(e, width - exponent.size()));
  while (!mantissa.empty() && !IsDigitChar(static_cast<unsigned char>(mantissa.back()))) {
    mantissa.pop_back();
  }
  return mantissa + exponent;
}

}  // namespace

CalcEngine::CalcEngine(char decimal_separator) : decimal_separator_(decimal_separator) {
  operands_.reserve(10);
  operators_.reserve(10);
}

void CalcEngine::Start(Real value) {
  if (!std::isfinite(value)) value = 0;
  ShowValue(value);
  operands_.push_back(value);
}

void CalcEngine::ShowValue(Real x) {
  display_ = DisplayText(x, decimals_);
  shown_ = x;
  error_shown_ = false;
}

void CalcEngine::ShowZero() {
  display_ = "0";
  shown_ = 0;
  error_shown_ = false;
}

void CalcEngine::ShowTopOrZero() {
  if (operands_.empty()) {
    ShowZero();
  } else {
    ShowValue(operands_.back());
  }
}

std::string CalcEngine::MemoryDisplay() const {
  return DisplayText(memory_, decimals_);
}

void CalcEngine::SetDecimals(int decimals) {
  decimals_ = std::clamp(decimals, 0, kCalcMaxDecimals);
  if (!entry_.empty()) {
    ShowValue(EntryValue());
  } else if (!operands_.empty()) {
    ShowValue(operands_.back());
  } else {
    ShowValue(0);
  }
}

Real CalcEngine::EntryValue() const {
  return SafeStrToFloat(entry_);
}

Real CalcEngine::Argument() const {
  if (!entry_.empty()) return EntryValue();
  if (!operands_.empty()) return operands_.back();
  return 0;
}

Real CalcEngine::Result(Real fallback) const {
  if (!entry_.empty()) return EntryValue();
  // What the display shows, at full precision; "Error!" shows no value.
  return error_shown_ ? fallback : shown_;
}

void CalcEngine::PushEntry() {
  if (entry_.empty()) return;
  operands_.push_back(EntryValue());
  entry_.clear();
}

void CalcEngine::PushResult(Real r) {
  ShowValue(r);
  entry_.clear();
  operands_.push_back(r);
}

void CalcEngine::AllClear() {
  operands_.clear();
  operators_.clear();
  entry_.clear();
  ShowZero();
}

void CalcEngine::ShowError() {
  AllClear();
  display_ = CalcErrorText;
  error_shown_ = true;
}

void CalcEngine::ApplyTopOperator() {
  if (operators_.empty()) return;
  const char op = operators_.back();
  operators_.pop_back();
  if (op == '(') return;
  // An operator typed first or twice in a row has nothing to work on.
  if (operands_.size() < 2) CalcRaise(kCalcMissingOperand);
  const Real b = operands_.back();
  const Real a = operands_[operands_.size() - 2];
  Real r = 0;
  switch (op) {
    case '+':
      r = FiniteResult(a + b);
      break;
    case '-':
      r = FiniteResult(a - b);
      break;
    case '*':
      r = FiniteResult(a * b);
      break;
    case '/':
      if (b == 0) CalcRaise(kCalcDivisionByZero);
      r = FiniteResult(a / b);
      break;
    case '^':
      r = CalcPower(a, b);
      break;
    case kRootOperator:
      r = CalcRoot(a, b);
      break;
    default:
      throw EInvalidOp();
  }
  operands_.pop_back();
  operands_.back() = r;
}

void CalcEngine::StartEntry() {
  if (!entry_.empty()) return;
  // A number typed after a finished value (the opening value, a result, a function's answer)
  // replaces it, as on any calculator: only the operands that pending operators wait on stay.
  const auto waiting = static_cast<std::size_t>(
      std::count_if(operators_.begin(), operators_.end(), [](char op) { return op != '('; }));
  if (operands_.size() > waiting) operands_.resize(waiting);
}

void CalcEngine::TypeDigit(char digit) {
  StartEntry();
  entry_.push_back(digit);
  ShowValue(EntryValue());
  inverse_mode_ = false;
}

void CalcEngine::TypePoint(CalcOutcome& outcome) {
  StartEntry();
  if (entry_.find(decimal_separator_) != std::string::npos) {
    outcome.beep = true;
  } else {
    entry_.push_back(decimal_separator_);
  }
  ShowValue(EntryValue());
  inverse_mode_ = false;
}

void CalcEngine::BackSpace() {
  if (!entry_.empty()) {
    entry_.pop_back();
    ShowValue(EntryValue());
  }
  inverse_mode_ = false;
}

void CalcEngine::PushOperator(char op) {
  try {
    PushEntry();
    while (!operators_.empty() && !BindsTighter(op, operators_.back())) ApplyTopOperator();
    operators_.push_back(op);
    ShowTopOrZero();
  } catch (const std::exception&) {
    ShowError();
  }
  inverse_mode_ = false;
}

void CalcEngine::EvaluateAll() {
  try {
    PushEntry();
    while (!operators_.empty()) ApplyTopOperator();
    if (operands_.size() > 1) {
      const Real top = operands_.back();
      operands_.assign(1, top);
    }
    ShowTopOrZero();
    inverse_mode_ = false;
  } catch (const std::exception&) {
    ShowError();
  }
}

void CalcEngine::LeftBracket() {
  entry_.clear();
  operators_.push_back('(');
  ShowTopOrZero();
}

void CalcEngine::RightBracket(CalcOutcome& outcome) {
  try {
    PushEntry();
    while (!operators_.empty() && operators_.back() != '(') ApplyTopOperator();
    if (!operators_.empty()) operators_.pop_back();
    ShowTopOrZero();
  } catch (const std::exception& e) {
    ShowError();
    outcome.uncaught_error = e.what();
  }
}

void CalcEngine::Function(CalcCommand command) {
  try {
    // x², √ and 1/x read and clear the inverse mode before they compute.
    if (command == CalcCommand::ccSquare || command == CalcCommand::ccSqRoot) {
      if (inverse_mode_) {
        command = command == CalcCommand::ccSquare ? CalcCommand::ccSqRoot : CalcCommand::ccSquare;
      }
      inverse_mode_ = false;
    } else if (command == CalcCommand::ccInverse) {
      inverse_mode_ = false;
    }
    const bool has_value = HasValue();
    const Real x = Argument();
    const bool inv = inverse_mode_;
    Real r = 0;
    switch (command) {
      case CalcCommand::ccSquare:
        r = FiniteResult(x * x);
        break;
      case CalcCommand::ccSqRoot:
        if (x < 0) CalcRaise(kCalcSquareRootOfNegative);
        r = std::sqrt(x);
        break;
      case CalcCommand::ccInverse:
        if (!has_value) CalcRaise(kCalcInvalidInverse);
        if (x == 0) CalcRaise(kCalcDivisionByZero);
        r = FiniteResult(1 / x);
        break;
      case CalcCommand::ccLog:
        r = inv ? CalcPower(10, x) : CalcLogarithm(x, true);
        break;
      case CalcCommand::ccLn:
        r = inv ? FiniteResult(std::exp(x)) : CalcLogarithm(x, false);
        break;
      case CalcCommand::ccSin:
        r = inv ? CalcArcSin(x, radians_) : CalcSin(x, radians_);
        break;
      case CalcCommand::ccCos:
        r = inv ? CalcArcCos(x, radians_) : CalcCos(x, radians_);
        break;
      case CalcCommand::ccTan:
        r = inv ? CalcArcTan(x, radians_) : CalcTan(x, radians_);
        break;
      default:
        return;
    }
    PushResult(r);
    inverse_mode_ = false;
  } catch (const std::exception&) {
    ShowError();
  }
}

void CalcEngine::MemoryKey(CalcCommand command) {
  try {
    if (command == CalcCommand::ccMemoryClear) {
      memory_ = 0;
    } else if (HasValue()) {
      const Real v = Argument();
      memory_ = FiniteResult(command == CalcCommand::ccMemoryAdd ? memory_ + v : memory_ - v);
    }
  } catch (const std::exception&) {
    // The register keeps its value; the failed key ends like every other computing key.
    ShowError();
  }
  inverse_mode_ = false;
}

void CalcEngine::PasteText(std::string_view text) {
  PushResult(SafeStrToFloat(text));
}

CalcOutcome CalcEngine::Press(CalcCommand command) {
  CalcOutcome outcome;
  try {
    // Each group handles its own keys and passes on the rest; the window's keys fall through.
    if (!EntryKey(command, outcome) && !OperatorKey(command, outcome) && !ValueKey(command)) {
      ModeKey(command);
    }
  } catch (const std::exception&) {
    // Only an allocation failure can reach here; the key ends like any failed one.
    ShowError();
  }
  return outcome;
}

bool CalcEngine::EntryKey(CalcCommand command, CalcOutcome& outcome) {
  switch (command) {
    case CalcCommand::ccDigit0:
    case CalcCommand::ccDigit1:
    case CalcCommand::ccDigit2:
    case CalcCommand::ccDigit3:
    case CalcCommand::ccDigit4:
    case CalcCommand::ccDigit5:
    case CalcCommand::ccDigit6:
    case CalcCommand::ccDigit7:
    case CalcCommand::ccDigit8:
    case CalcCommand::ccDigit9:
      TypeDigit(static_cast<char>(
          '0' + (static_cast<int>(command) - static_cast<int>(CalcCommand::ccDigit0))));
      return true;
    case CalcCommand::ccPoint:
      TypePoint(outcome);
      return true;
    case CalcCommand::ccChangeSign: {
      // No negative zero: it would travel back to the caller's field as "-0".
      const Real r = -Argument();
      PushResult(r == 0 ? 0 : r);
      return true;
    }
    case CalcCommand::ccAllClear:
      AllClear();
      return true;
    case CalcCommand::ccClear:
      entry_.clear();
      ShowZero();
      return true;
    case CalcCommand::ccBackSpace:
      BackSpace();
      return true;
    default:
      return false;
  }
}

bool CalcEngine::OperatorKey(CalcCommand command, CalcOutcome& outcome) {
  switch (command) {
    case CalcCommand::ccAdd:
      PushOperator('+');
      return true;
    case CalcCommand::ccSubtract:
      PushOperator('-');
      return true;
    case CalcCommand::ccMultiply:
      PushOperator('*');
      return true;
    case CalcCommand::ccDivide:
      PushOperator('/');
      return true;
    case CalcCommand::ccPower:
      PushOperator(inverse_mode_ ? kRootOperator : '^');
      return true;
    case CalcCommand::ccEquals:
      EvaluateAll();
      return true;
    case CalcCommand::ccLeftBracket:
      LeftBracket();
      return true;
    case CalcCommand::ccRightBracket:
      RightBracket(outcome);
      return true;
    default:
      return false;
  }
}

bool CalcEngine::ValueKey(CalcCommand command) {
  switch (command) {
    case CalcCommand::ccMemoryClear:
    case CalcCommand::ccMemoryAdd:
    case CalcCommand::ccMemorySubtract:
      MemoryKey(command);
      return true;
    case CalcCommand::ccMemoryRecall:
      PushResult(memory_);
      inverse_mode_ = false;
      return true;
    case CalcCommand::ccPi:
      PushResult(kPi);
      return true;
    case CalcCommand::ccE:
      PushResult(std::exp(1.0L));
      return true;
    case CalcCommand::ccSquare:
    case CalcCommand::ccSqRoot:
    case CalcCommand::ccInverse:
    case CalcCommand::ccLog:
    case CalcCommand::ccLn:
    case CalcCommand::ccSin:
    case CalcCommand::ccCos:
    case CalcCommand::ccTan:
      Function(command);
      return true;
    default:
      return false;
  }
}

void CalcEngine::ModeKey(CalcCommand command) {
  if (command == CalcCommand::ccInv) inverse_mode_ = !inverse_mode_;
  if (command == CalcCommand::ccRad) radians_ = !radians_;
}

void CalcEngine::ApplyStoredSettings(const CalcStoredSettings& stored) {
  if (stored.radians) {
    if (const auto v = StoredInteger(*stored.radians)) radians_ = *v != 0;
  }
  if (stored.decimals) {
    if (const auto v = StoredInteger(*stored.decimals)) {
      decimals_ = std::clamp(static_cast<int>(*v), 0, kCalcMaxDecimals);
    }
  }
  // Text that is no number (or beyond the extended range) reads as 0, so a damaged value
  // never keeps the calculator from opening.
  if (stored.memory) memory_ = SafeStrToFloat(*stored.memory);
}

CalcStoredSettings CalcEngine::StoredSettings() const {
  CalcStoredSettings s;
  s.radians = radians_ ? "1" : "0";
  s.decimals = std::to_string(decimals_);
  s.memory = FloatToGeneralText(memory_, decimal_separator_);
  return s;
}

std::optional<CalcCommand> CalcCommandForCharacter(char32_t ch, char decimal_separator) {
  if (IsDigitChar(ch)) {
    return static_cast<CalcCommand>(static_cast<int>(CalcCommand::ccDigit0) +
                                    static_cast<int>(ch - U'0'));
  }
  if (ch == static_cast<unsigned char>(decimal_separator)) return CalcCommand::ccPoint;
  switch (ch) {
    case U'+':
      return CalcCommand::ccAdd;
    case U'-':
      return CalcCommand::ccSubtract;
    case U'*':
      return CalcCommand::ccMultiply;
    case U'/':
      return CalcCommand::ccDivide;
    case U'(':
      return CalcCommand::ccLeftBracket;
    case U')':
      return CalcCommand::ccRightBracket;
    case U'\r':
      return CalcCommand::ccEquals;
    case U'\b':
      return CalcCommand::ccBackSpace;
    case U'\x1b':
      return CalcCommand::ccExit;
    case U'A':
      return CalcCommand::ccAllClear;
    case U'C':
      return CalcCommand::ccClear;
    default:
      return std::nullopt;
  }
}

std::string FloatToGeneralText(Real x, char decimal_separator) {
  if (x == 0 || !std::isfinite(x)) return "0";
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
  std::string text(buf, res.ptr);
  // The general form writes "1e+25" and "1.5e-07"; the stored form is "1E25" and "1.5E-7".
  const std::size_t e = text.find('e');
  if (e != std::string::npos) {
    std::string mantissa = text.substr(0, e);
    std::string_view exponent = std::string_view(text).substr(e + 1);
    std::string sign;
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
      if (exponent.front() == '-') sign = "-";
      exponent.remove_prefix(1);
    }
    while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
    text = mantissa + "E" + sign + std::string(exponent);
  }
  std::replace(text.begin(), text.end(), '.', decimal_separator);
  return text;
}

}  // namespace zudira
