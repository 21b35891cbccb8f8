#include "numeric/key_filter.h"

namespace zudira {

bool EnterMovesFocus = true;

namespace {

void Add(CharSet& set, std::string_view chars) {
  for (char c : chars) set.set(static_cast<unsigned char>(c));
}

void Add(CharSet& set, char c) {
  set.set(static_cast<unsigned char>(c));
}

}  // namespace

CharSet ValidCharsFor(TEditType type, const LocaleSettings& locale, const CharSet& previous) {
  CharSet set;
  constexpr std::string_view kDigits = "0123456789";
  switch (type) {
    case etPositive:
      Add(set, kDigits);
      break;
    case etInteger:
      Add(set, "0123456789+-");
      break;
    case etPosReal:
      Add(set, "0123456789Ee");
      Add(set, locale.decimal_separator);
      break;
    case etReal:
      Add(set, "0123456789+-Ee");
      Add(set, locale.decimal_separator);
      break;
    case etDate:
      Add(set, "0123456789-/@");
      Add(set, locale.date_separator);
      break;
    case etTime:
      Add(set, "0123456789.:@");
      Add(set, locale.time_separator);
      break;
    case etCurrency:
      Add(set, "0123456789$()+-");
      Add(set, locale.thousand_separator);
      Add(set, locale.decimal_separator);
      break;
    case etHex:
      Add(set, "0123456789ABCDEFabcdef");
      break;
    case etAVETMISS:
      Add(set, "0123456789@");
      break;
    case etString:
      for (unsigned c = 32; c < 256; ++c) set.set(c);
      break;
    case etChoice:
      return previous;
  }
  return set;
}

std::string TextKeptByKey(std::string_view text, std::size_t start, std::size_t length) {
  std::string kept(text);
  if (start < kept.size()) kept.erase(start, length);
  return kept;
}

KeyVerdict FilterKey(TEditType type, const CharSet& valid, unsigned key, std::string_view text,
                     char decimal_separator) {
  if (key == kEnterKey && EnterMovesFocus) return KeyVerdict::kMoveFocus;
  if (key > 0xFFFF) return valid.none() ? KeyVerdict::kPass : KeyVerdict::kRefuse;
  const char16_t typed[1] = {static_cast<char16_t>(key)};
  return FilterInsertion(type, valid, std::u16string_view(typed, 1), text, {}, decimal_separator);
}

KeyVerdict FilterInsertion(TEditType type, const CharSet& valid, std::u16string_view inserted,
                           std::string_view before, std::string_view after,
                           char decimal_separator) {
  if (valid.none()) return KeyVerdict::kPass;
  const bool one_separator_only = type == etPosReal || type == etReal || type == etCurrency;
  const bool exponent_allowed = IsRealKind(type);
  auto is_exponent = [](char c) { return c == 'E' || c == 'e'; };
  std::string left(before);
  for (const char16_t code : inserted) {
    if (code <= 32) {
      left.push_back(static_cast<char>(code));
      continue;
    }
    if (code > 255) return KeyVerdict::kRefuse;
    const char c = static_cast<char>(code);
    const bool exponent_sign =
        exponent_allowed && (c == '+' || c == '-') && !left.empty() && is_exponent(left.back());
    if (!valid.test(code) && !exponent_sign) return KeyVerdict::kRefuse;
    const auto holds = [&](auto test) {
      for (char k : left)
        if (test(k)) return true;
      for (char k : after)
        if (test(k)) return true;
      return false;
    };
    if (one_separator_only && c == decimal_separator) {
      if (holds([&](char k) { return k == decimal_separator; })) return KeyVerdict::kRefuse;
      if (exponent_allowed && left.find_first_of("Ee") != std::string::npos)
        return KeyVerdict::kRefuse;  // no fraction in the exponent
    }
    if (exponent_allowed && is_exponent(c)) {
      const bool mantissa_before = left.find_first_of("0123456789") != std::string::npos;
      if (!mantissa_before || holds(is_exponent) ||
          after.find(decimal_separator) != std::string_view::npos)
        return KeyVerdict::kRefuse;
    }
    left.push_back(c);
  }
  return KeyVerdict::kPass;
}

}  // namespace zudira

namespace zudira {

std::string ForeignSeparatorHint(TEditType type, unsigned key, char decimal_separator) {
  if (!IsRealKind(type) || (key != '.' && key != ',') ||
      key == static_cast<unsigned char>(decimal_separator))
    return {};
  return std::string("This field takes \"") + decimal_separator +
         "\" as its decimal separator, not \"" + static_cast<char>(key) + "\"";
}

}  // namespace zudira
