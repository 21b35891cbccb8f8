// The pop-up calculator's engine: an operand stack and an operator stack evaluated with
// precedence (operator-precedence parsing, one key at a time), the number being typed, a
// memory register, the inverse mode and the angle unit. The window only maps buttons and
// keys to commands and shows the two display texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stats/real.h"

namespace zudira {

// Every key of the calculator. The last four act on the window (clipboard, closing); the
// engine ignores them.
enum class CalcCommand {
  ccDigit0,
  ccDigit1,
  ccDigit2,
  ccDigit3,
  ccDigit4,
  ccDigit5,
  ccDigit6,
  ccDigit7,
  ccDigit8,
  ccDigit9,
  ccPoint,
  ccChangeSign,
  ccAdd,
  ccSubtract,
  ccMultiply,
  ccDivide,
  ccPower,
  ccEquals,
  ccLeftBracket,
  ccRightBracket,
  ccAllClear,
  ccClear,
  ccBackSpace,
  ccMemoryClear,
  ccMemoryAdd,
  ccMemorySubtract,
  ccMemoryRecall,
  ccPi,
  ccE,
  ccSquare,
  ccSqRoot,
  ccInverse,
  ccLog,
  ccLn,
  ccSin,
  ccCos,
  ccTan,
  ccInv,
  ccRad,
  ccCopy,
  ccPaste,
  ccExit,
  ccCancel,
};

inline constexpr int kCalcMaxDecimals = 18;
inline constexpr int kCalcDefaultDecimals = 4;
// The displays show at most this many characters of a value's text.
inline constexpr int kCalcDisplayWidth = 16;
inline constexpr const char* CalcErrorText = "Error!";

// What a key asks of the window besides the new display texts.
struct CalcOutcome {
  bool beep = false;
  // An error that the key does not handle itself (only ")"): after "Error!" is shown, the
  // window hands this text to the program's general error report.
  std::string uncaught_error;
};

// The three stored settings as texts; a missing value is nullopt.
struct CalcStoredSettings {
  std::optional<std::string> radians;
  std::optional<std::string> decimals;
  std::optional<std::string> memory;
};

class CalcEngine {
 public:
  // `decimal_separator` is the character the point key types into the entry; the entry is
  // read with the locale of the conversions, so pass the locale's separator.
  explicit CalcEngine(char decimal_separator);

  // Shows `value` and makes it the only operand (the value the window opened with).
  void Start(Real value);

  // Runs one key. Never throws: errors end in AC with "Error!" shown.
  CalcOutcome Press(CalcCommand command);

  // The paste key with the clipboard's text (0 for text that is no number).
  void PasteText(std::string_view text);

  // The value handed back when the window closes: the entry when a number is being typed,
  // else the value the display shows (0 after AC or C) at full precision, else (after an
  // error) `fallback`.
  Real Result(Real fallback) const;

  const std::string& Display() const { return display_; }
  std::string MemoryDisplay() const;

  int Decimals() const { return decimals_; }
  // Brought into 0..18; re-shows the entry, else the top operand, else 0.
  void SetDecimals(int decimals);

  Real Memory() const { return memory_; }
  void SetMemory(Real memory) { memory_ = memory; }
  bool Radians() const { return radians_; }
  bool InverseMode() const { return inverse_mode_; }
  const std::string& Entry() const { return entry_; }
  const std::vector<Real>& Operands() const { return operands_; }
  std::size_t PendingOperators() const { return operators_.size(); }
  char DecimalSeparator() const { return decimal_separator_; }

  // Each present setting replaces the current one. An angle unit or decimals text that is no
  // whole number keeps the current value; a memory text that is no number reads as 0.
  void ApplyStoredSettings(const CalcStoredSettings& stored);
  CalcStoredSettings StoredSettings() const;

 private:
  void ShowValue(Real x);
  void ShowTopOrZero();
  void ShowZero();
  Real EntryValue() const;
  Real Argument() const;
  bool HasValue() const { return !entry_.empty() || !operands_.empty(); }
  void PushEntry();
  void PushResult(Real r);
  void ApplyTopOperator();
  void AllClear();
  void ShowError();

  void StartEntry();
  void TypeDigit(char digit);
  void TypePoint(CalcOutcome& outcome);
  void BackSpace();
  void PushOperator(char op);
  void EvaluateAll();
  void LeftBracket();
  void RightBracket(CalcOutcome& outcome);
  void Function(CalcCommand command);
  void MemoryKey(CalcCommand command);

  // The keys of Press by group; each returns whether the key was one of its own.
  bool EntryKey(CalcCommand command, CalcOutcome& outcome);
  bool OperatorKey(CalcCommand command, CalcOutcome& outcome);
  bool ValueKey(CalcCommand command);
  // Inv and Rad; every other key is left alone.
  void ModeKey(CalcCommand command);

  char decimal_separator_;
  std::vector<Real> operands_;
  std::vector<char> operators_;
  std::string entry_;
  std::string display_ = "0";
  Real shown_ = 0;  // the value behind display_
  bool error_shown_ = false;
  Real memory_ = 0;
  bool inverse_mode_ = false;
  bool radians_ = true;
  int decimals_ = kCalcDefaultDecimals;
};

// The key a typed character stands for: digits, the decimal separator, + - * / ( ), Enter
// ("\r"), Backspace ("\b"), Escape (Exit), capital A (AC) and capital C (C).
std::optional<CalcCommand> CalcCommandForCharacter(char32_t ch, char decimal_separator);

// General float text with 15 significant digits and the locale's decimal separator, the way
// the memory is stored: 0, 2.5, 1E25, 1.5E-7.
std::string FloatToGeneralText(Real x, char decimal_separator);

}  // namespace zudira
