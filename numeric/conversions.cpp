#include "numeric/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "numeric/locale_provider.h"

namespace zudira {

char PadCharacter = ' ';
bool NegativeInBrackets = false;

namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
// Beyond this magnitude every reading clamps, so accumulating stops growing here.
constexpr std::int64_t kSaturation = std::int64_t{1} << 40;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::int32_t ClampToInt32(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp(v, kInt32Min, kInt32Max));
}

std::string Digits(std::int64_t magnitude) {
  return std::to_string(magnitude);
}

std::string GroupDigits(const std::string& digits, char separator) {
  std::string out;
  std::size_t head = digits.size() % 3;
  if (head == 0) head = 3;
  out.append(digits, 0, head);
  for (std::size_t i = head; i < digits.size(); i += 3) {
    out.push_back(separator);
    out.append(digits, i, 3);
  }
  return out;
}

// Significant digits and decimal exponent: value = 0.d1d2...d18 * 10^point.
struct DecimalDigits {
  std::string digits;
  int point = 0;
};

DecimalDigits EighteenDigits(Real magnitude) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 17);
  std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  DecimalDigits out;
  std::size_t e = text.find('e');
  for (std::size_t i = 0; i < e; ++i)
    if (IsDigit(text[i])) out.digits.push_back(text[i]);
  int exponent = 0;
  std::string_view exp_text = text.substr(e + 1);
  if (!exp_text.empty() && exp_text.front() == '+') exp_text.remove_prefix(1);
  std::from_chars(exp_text.data(), exp_text.data() + exp_text.size(), exponent);
  out.point = exponent + 1;
  return out;
}

// About the decimal exponent of a plain number text ("-0.00012e-3" gives -6): the count of
// integer digits, or minus the zeros after the point, plus the exponent.
std::int64_t DecimalMagnitude(std::string_view plain) {
  if (!plain.empty() && plain.front() == '-') plain.remove_prefix(1);
  const std::size_t e = plain.find('e');
  std::string_view mantissa = plain.substr(0, e);
  std::int64_t exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = plain.substr(e + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
      digits.remove_prefix(1);
    for (char c : digits)
      if (exponent < kSaturation) exponent = exponent * 10 + (c - '0');
    if (negative) exponent = -exponent;
  }
  while (!mantissa.empty() && mantissa.front() == '0') mantissa.remove_prefix(1);
  const std::size_t point = mantissa.find('.');
  const std::int64_t whole_digits =
      static_cast<std::int64_t>(point == std::string_view::npos ? mantissa.size() : point);
  if (whole_digits > 0) return whole_digits + exponent;
  const std::size_t first = mantissa.find_first_not_of("0", point + 1);
  if (first == std::string_view::npos) return std::numeric_limits<std::int64_t>::min() / 2;
  return exponent - static_cast<std::int64_t>(first - point - 1);
}

std::string CentsText(Cents amount, bool grouped, bool money) {
  LocaleSettings loc = CurrentLocale();
  std::int64_t a = amount;
  bool negative = a < 0;
  if (negative) a = -a;
  std::string units =
      grouped ? GroupDigits(Digits(a / 100), loc.thousand_separator) : Digits(a / 100);
  std::string body = units;
  body.push_back(loc.decimal_separator);
  body.push_back(static_cast<char>('0' + (a % 100) / 10));
  body.push_back(static_cast<char>('0' + a % 10));
  if (money) body = loc.currency_symbol + body;
  if (NegativeInBrackets) return negative ? "(" + body + ")" : body + " ";
  return negative ? "-" + body : body;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::int32_t SafeStrToInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return 0;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    int d = base == 16 ? HexDigitValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
    if (d < 0) return 0;
    if (value < kSaturation) value = value * base + d;
  }
  return ClampToInt32(negative ? -value : value);
}

bool IsWholeNumberText(std::string_view text) {
  if (text.empty()) return true;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == text.size()) return false;
  for (; i < text.size(); ++i)
    if (hex ? HexDigitValue(text[i]) < 0 : !IsDigit(text[i])) return false;
  return true;
}

std::string NotANumberMessage(std::string_view text, std::string_view what) {
  constexpr std::size_t kShown = 40;
  std::string shown(text.substr(0, kShown));
  if (text.size() > kShown) shown += "...";
  return "'" + shown + "' is not " + std::string(what);
}

std::string SafeIntToStr(std::int32_t n) {
  return std::to_string(n);
}

std::string SafeFloatToFixed(Real x, int decimals) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
  decimals = std::clamp(decimals, 0, 18);
  const char sep = CurrentLocale().decimal_separator;
  const bool negative = std::signbit(x);
  DecimalDigits d = EighteenDigits(std::fabs(x));

  if (d.point > 18) {
    std::string sig = d.digits;
    while (sig.size() > 1 && sig.back() == '0') sig.pop_back();
    std::string out = negative ? "-" : "";
    out.push_back(sig[0]);
    if (sig.size() > 1) {
      out.push_back(sep);
      out.append(sig, 1);
    }
    return out + "E" + std::to_string(d.point - 1);
  }

  // Place the digits so that the first int_count of them are the integer part.
  std::string all = d.digits;
  int int_count = d.point;
  if (int_count <= 0) {
    all.insert(0, static_cast<std::size_t>(std::min(-int_count, decimals + 1)), '0');
    int_count = 0;
  }
  const std::size_t keep = static_cast<std::size_t>(int_count + decimals);
  const char cut = keep < all.size() ? all[keep] : '0';
  all.resize(keep, '0');
  if (cut >= '5') {
    std::size_t i = all.size();
    while (i > 0 && all[i - 1] == '9') all[--i] = '0';
    if (i == 0) {
      all.insert(all.begin(), '1');
      ++int_count;
    } else {
      ++all[i - 1];
    }
  }
  std::string int_part = all.substr(0, static_cast<std::size_t>(int_count));
  std::string frac_part = all.substr(static_cast<std::size_t>(int_count));
  std::size_t nz = int_part.find_first_not_of('0');
  int_part = nz == std::string::npos ? "0" : int_part.substr(nz);
  const bool all_zero = all.find_first_not_of('0') == std::string::npos;

  std::string out = negative && !all_zero ? "-" : "";
  out += int_part;
  if (decimals > 0) {
    out.push_back(sep);
    out += frac_part;
  }
  return out;
}

Real SafeStrToFloat(std::string_view text) {
  const RealTextReading reading = ReadRealText(text);
  return reading.kind == RealTextKind::kNumber ? reading.value : 0;
}

RealTextReading ReadRealText(std::string_view text) {
  constexpr RealTextReading kNoNumber{};
  const char sep = CurrentLocale().decimal_separator;
  text = TrimBlanks(text);
  // Rewritten with "." so that the reading does not depend on the C library's locale.
  std::string plain;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') plain.push_back('-');
    ++i;
  }
  int mantissa_digits = 0;
  bool seen_separator = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      plain.push_back(text[i]);
      ++mantissa_digits;
    } else if (text[i] == sep && !seen_separator) {
      plain.push_back('.');
      seen_separator = true;
    } else {
      break;
    }
  }
  if (mantissa_digits == 0) return kNoNumber;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    plain.push_back('e');
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain.push_back(text[i++]);
    int exponent_digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++exponent_digits) plain.push_back(text[i]);
    if (exponent_digits == 0) return kNoNumber;
  }
  if (i != text.size()) return kNoNumber;
  Real value = 0;
  auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (res.ptr != plain.data() + plain.size()) return kNoNumber;
  if (res.ec == std::errc::result_out_of_range) {
    // Too small a magnitude reads as 0; too large a one keeps its sign for the caller's clamp.
    if (DecimalMagnitude(plain) <= 0) return {RealTextKind::kNumber, 0};
    return {RealTextKind::kTooLarge, plain.front() == '-' ? Real(-1) : Real(1)};
  }
  if (res.ec != std::errc() || !std::isfinite(value)) return kNoNumber;
  return {RealTextKind::kNumber, value};
}

std::string LeftText(std::string_view text, int n) {
  if (n <= 0) return {};
  return std::string(text.substr(0, static_cast<std::size_t>(n)));
}

std::string RepeatChar(char ch, int n) {
  return n <= 0 ? std::string() : std::string(static_cast<std::size_t>(n), ch);
}

std::string PadLeftWith(std::string_view text, char ch, int width) {
  const int missing = width - static_cast<int>(text.size());
  return RepeatChar(ch, missing) + std::string(text);
}

std::string IntToPaddedStr(std::int32_t n, int width) {
  return PadLeftWith(LeftText(SafeIntToStr(n), width), PadCharacter, width);
}

std::string IntToZeroPaddedStr(std::int32_t n, int width) {
  return PadLeftWith(LeftText(SafeIntToStr(n), width), '0', width);
}

std::string IntToGroupedStr(std::int32_t n) {
  std::int64_t v = n;
  std::string grouped = GroupDigits(Digits(v < 0 ? -v : v), CurrentLocale().thousand_separator);
  return v < 0 ? "-" + grouped : grouped;
}

std::string ReplaceChar(std::string_view text, char from, char to) {
  std::string out(text);
  if (from != to) std::replace(out.begin(), out.end(), from, to);
  return out;
}

std::string CentsToStr(Cents amount) {
  return CentsText(amount, false, false);
}
std::string CentsToGroupedStr(Cents amount) {
  return CentsText(amount, true, false);
}
std::string CentsToMoneyStr(Cents amount) {
  return CentsText(amount, false, true);
}
std::string CentsToGroupedMoneyStr(Cents amount) {
  return CentsText(amount, true, true);
}

Cents StrToCents(std::string_view text) {
  const char sep = CurrentLocale().decimal_separator;
  text = TrimBlanks(text);
  std::int64_t units = 0;
  std::int64_t cents = 0;
  int cent_digits = 0;
  bool past_separator = false;
  bool negative = false;
  for (char c : text) {
    if (c == sep) {
      past_separator = true;
    } else if (IsDigit(c)) {
      const int d = c - '0';
      if (!past_separator) {
        if (units < kSaturation) units = units * 10 + d;
      } else {
        // The third decimal decides the rounding of the cents; later ones are dropped.
        if (cent_digits == 0)
          cents = 10 * d;
        else if (cent_digits == 1)
          cents += d;
        else if (cent_digits == 2 && d >= 5)
          cents += 1;
        ++cent_digits;
      }
    } else if ((c == '(' || c == '-') && cents == 0) {
      negative = true;
    }
  }
  const std::int64_t total = units * 100 + cents;
  return ClampToInt32(negative ? -total : total);
}

}  // namespace zudira
