// Text as the windows' rules handle it: UTF-8 in std::string, with Unicode's white space,
// letters, numbers and case as Qt's QString applies them, so a rule moved off QString keeps its
// results. Letters, numbers and case come from ICU.
#pragma once

#include <string>
#include <string_view>

namespace zudira {

// The code points of UTF-8 text; a malformed sequence reads as U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);

// White space as QChar::isSpace: the separators and the control characters \t..\r and U+0085.
bool IsUnicodeSpace(char32_t c);
// `text` without white space at either end.
std::string TrimmedText(std::string_view text);

// A letter or a number in Unicode's general categories (\p{L} or \p{N}).
bool IsLetterOrNumber(char32_t c);
// Each character's full lower case, without regard to its neighbours.
std::u32string LowerCase(std::u32string_view text);
// Below, equal to or above zero as `a` sorts before, with or after `b` when case is set aside:
// the simple case folding of each character, compared in UTF-16 code units.
int CompareIgnoringCase(std::string_view a, std::string_view b);

}  // namespace zudira
