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
      Add(set, kDigits);
      Add(set, locale.decimal_separator);
      break;
    case etReal:
      Add(set, "0123456789+-");
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
  if (key == 13 && EnterMovesFocus) return KeyVerdict::kMoveFocus;
  if (valid.none()) return KeyVerdict::kPass;
  if (key < 256 && valid.test(key)) {
    const bool one_separator_only = type == etPosReal || type == etReal || type == etCurrency;
    if (one_separator_only && key == static_cast<unsigned char>(decimal_separator) &&
        text.find(decimal_separator) != std::string_view::npos)
      return KeyVerdict::kRefuse;
    return KeyVerdict::kPass;
  }
  return key <= 32 ? KeyVerdict::kPass : KeyVerdict::kRefuse;
}

}  // namespace zudira
