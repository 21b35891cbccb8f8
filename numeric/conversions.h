// Conversions between numbers and text that never raise: a text that is no number reads as
// 0 and a number that cannot be written gives the empty text. Every conversion reads the
// locale's separators afresh (numeric/locale_provider.h). Texts are 8-bit (Latin-1) strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "stats/real.h"

namespace zudira {

// An amount of money as a count of hundredths: 1234 is 12.34.
using Cents = std::int32_t;

// The date-time value: whole days since 30 December 1899, the time of day as the fraction.
using DateTimeValue = double;

// Process-wide settings, fixed at start.
extern char PadCharacter;        // pad of IntToPaddedStr, initially a space
extern bool NegativeInBrackets;  // cents formatters write (1.50) instead of -1.50

// The text without its leading and trailing spaces and tabs.
std::string_view TrimBlanks(std::string_view text);

// Leading spaces, an optional sign, then decimal digits, or hexadecimal digits after "$" or
// "0x". Values beyond the 32-bit range clamp to its ends, however long the digit string;
// anything else (the empty text too) gives 0.
std::int32_t SafeStrToInt(std::string_view text);
std::string SafeIntToStr(std::int32_t n);

// Fixed-point text of X with Decimals (0..18; more count as 18) digits after the locale's
// decimal separator. X is first cut to 18 significant digits, then rounded half up in
// magnitude at the last kept decimal. Integer parts of more than 18 digits are written in
// scientific form (1.5E30); infinities give "INF" ("-INF" below zero), not-a-number "NAN".
std::string SafeFloatToFixed(Real x, int decimals);

// Surrounding spaces, an optional sign, digits with at most one locale decimal separator
// and an optional exponent; thousands separators are refused. No match, the empty text and
// results outside the extended range give 0.
Real SafeStrToFloat(std::string_view text);

// The reading behind SafeStrToFloat, telling its three outcomes apart: a number (`value`), a
// well-formed number too large for the extended range (`value` is its sign, ±1), or no number.
enum class RealTextKind { kNumber, kTooLarge, kNotANumber };
struct RealTextReading {
  RealTextKind kind = RealTextKind::kNotANumber;
  Real value = 0;
};
RealTextReading ReadRealText(std::string_view text);

// True when SafeStrToInt reads the text as it is written (the empty text reads as 0); false
// for text that is no whole number, which SafeStrToInt reads as 0.
bool IsWholeNumberText(std::string_view text);

// The plain words for a field text that is no number: "'1-2' is not a number". A long text is
// cut, so that the message stays readable.
std::string NotANumberMessage(std::string_view text, std::string_view what = "a number");

std::string LeftText(std::string_view text, int n);
std::string RepeatChar(char ch, int n);
std::string PadLeftWith(std::string_view text, char ch, int width);
// The decimal text of N cut to its first Width characters, then padded on the left.
std::string IntToPaddedStr(std::int32_t n, int width);
std::string IntToZeroPaddedStr(std::int32_t n, int width);
// Decimal text with the locale's thousands separator between groups of three digits.
std::string IntToGroupedStr(std::int32_t n);
std::string ReplaceChar(std::string_view text, char from, char to);

// The locale's short-date text of D when D >= 1; empty below 1 or outside years 1..9999.
std::string DateToTextOrBlank(DateTimeValue d);
// Hours, the locale's time separator and two-digit minutes of the time of day of T (9:05).
std::string TimeToHoursMinutes(DateTimeValue t);
// Hours, minutes, optional seconds and an optional AM/PM designator of the locale, with "."
// and ":" standing for the time separator; gives the fraction of a day, 0 on failure.
DateTimeValue TextToTime(std::string_view text);
// Day, month and year (or only day and month, in the current year) in the order of the
// locale's short date format, with "-" and "/" standing for the date separator; gives the
// whole-day value, 0 on failure. Years of one or two digits fall within 50 years of today.
DateTimeValue TextToDate(std::string_view text);

// Units, the locale's decimal separator and two cent digits; the money forms put the
// locale's currency symbol directly before the digits.
std::string CentsToStr(Cents amount);
std::string CentsToGroupedStr(Cents amount);
std::string CentsToMoneyStr(Cents amount);
std::string CentsToGroupedMoneyStr(Cents amount);
// Reads units and cents, skipping every character that is neither a digit, the decimal
// separator, "(" nor "-". Cents are rounded half up at the second decimal and the result
// clamps to the 32-bit range.
Cents StrToCents(std::string_view text);

}  // namespace zudira
