#include "window_rules/unicode_text.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <algorithm>

namespace zudira {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Each character's simple case folding, in UTF-16 code units as QString compares them.
std::u16string FoldedUtf16(std::string_view text) {
  std::u16string out;
  for (char32_t c : DecodeUtf8(text)) {
    UChar units[2];
    int32_t length = 0;
    U16_APPEND_UNSAFE(units, length, u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
    out.append(units, units + length);
  }
  return out;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  const auto length = static_cast<int32_t>(text.size());
  for (int32_t i = 0; i < length;) {
    UChar32 c = 0;
    U8_NEXT_OR_FFFD(bytes, i, length, c);
    out += static_cast<char32_t>(c);
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    const UChar32 point =
        c > 0x10FFFF || U_IS_SURROGATE(c) ? kReplacement : static_cast<UChar32>(c);
    char units[U8_MAX_LENGTH];
    int32_t size = 0;
    U8_APPEND_UNSAFE(units, size, point);
    out.append(units, static_cast<size_t>(size));
  }
  return out;
}

bool IsUnicodeSpace(char32_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

std::string TrimmedText(std::string_view text) {
  // Every white space character is its own UTF-8 sequence, so trimming works on whole ones.
  const std::u32string points = DecodeUtf8(text);
  auto first = std::find_if_not(points.begin(), points.end(), IsUnicodeSpace);
  auto last = std::find_if_not(points.rbegin(), std::make_reverse_iterator(first), IsUnicodeSpace);
  return EncodeUtf8(std::u32string(first, last.base()));
}

bool IsLetterOrNumber(char32_t c) {
  return (U_GET_GC_MASK(static_cast<UChar32>(c)) & (U_GC_L_MASK | U_GC_N_MASK)) != 0;
}

std::u32string LowerCase(std::u32string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (c < 0x80) {
      out += (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
      continue;
    }
    // One character at a time, so no rule of context (the final sigma) applies.
    UChar source[2];
    int32_t length = 0;
    U16_APPEND_UNSAFE(source, length, static_cast<UChar32>(c));
    UChar lowered[8];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t size = u_strToLower(lowered, 8, source, length, "", &status);
    if (U_FAILURE(status)) {
      out += c;
      continue;
    }
    for (int32_t k = 0; k < size;) {
      UChar32 point = 0;
      U16_NEXT(lowered, k, size, point);
      out += static_cast<char32_t>(point);
    }
  }
  return out;
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
  const std::u16string fa = FoldedUtf16(a);
  const std::u16string fb = FoldedUtf16(b);
  return fa.compare(fb);
}

}  // namespace zudira
