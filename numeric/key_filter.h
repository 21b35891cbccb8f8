// The keystroke filter of the numeric edit field: which typed characters each entry kind
// accepts, and what becomes of one key.
#pragma once

#include <bitset>
#include <string_view>

#include "numeric/edit_type.h"
#include "numeric/locale_provider.h"

namespace zudira {

// One bit per 8-bit character code.
using CharSet = std::bitset<256>;

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

// Judges one typed character (its code; codes above 255 are in no set). `text` is the
// field's whole current text, selected part included.
KeyVerdict FilterKey(TEditType type, const CharSet& valid, unsigned key, std::string_view text,
                     char decimal_separator);

}  // namespace zudira
