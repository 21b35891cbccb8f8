// The keystroke filter of the numeric edit field: which typed characters each entry kind
// accepts, and what becomes of one key.
#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

#include "numeric/edit_type.h"
#include "numeric/locale_provider.h"

namespace zudira {

// One bit per 8-bit character code.
using CharSet = std::bitset<256>;

// The key code FilterKey takes for Enter (the character code of carriage return).
inline constexpr unsigned kEnterKey = 13;

// Governs Enter in every field: true, so Enter moves the focus to the next control.
extern bool EnterMovesFocus;

// The characters a kind accepts, with the locale's separators as they are now. etChoice
// keeps the previous set.
CharSet ValidCharsFor(TEditType type, const LocaleSettings& locale, const CharSet& previous);

enum class KeyVerdict {
  kPass,       // the key goes on to the control
  kRefuse,     // the key is dropped with a beep
  kMoveFocus,  // Enter: the key is dropped and the focus moves to the next control
};

// The text that stays beside a typed key: the selection it replaces (Start, Length, clipped
// to the text) is cut out, so a selected "0.0000000" leaves room for a new separator.
std::string TextKeptByKey(std::string_view text, std::size_t start, std::size_t length);

// Judges one typed character (its code; codes above 255 are in no set). `text` is the text
// that stays beside the key (TextKeptByKey), not the part the key replaces; the key lands at
// its end.
KeyVerdict FilterKey(TEditType type, const CharSet& valid, unsigned key, std::string_view text,
                     char decimal_separator);

// Judges text that arrives at once between `before` and `after`, the kept text on either side:
// a typed key, a paste, a drop or an input-method commit. Each character meets the typed-key
// rule in turn, and one refused character refuses the whole insertion. Real kinds also take
// one E or e after a mantissa digit, with an optional sign right after it, and no separator
// in the exponent.
KeyVerdict FilterInsertion(TEditType type, const CharSet& valid, std::u16string_view inserted,
                           std::string_view before, std::string_view after, char decimal_separator);

}  // namespace zudira

namespace zudira {

// The hint for a refused key that is the other usual decimal separator ("." where the locale
// writes ",", or the reverse) in a field of a real kind; empty for any other key.
std::string ForeignSeparatorHint(TEditType type, unsigned key, char decimal_separator);

}  // namespace zudira
