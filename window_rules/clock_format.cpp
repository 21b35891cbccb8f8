#include "window_rules/clock_format.h"

#include "window_rules/unicode_text.h"

namespace zudira {

namespace {

// Removes each run of seconds ("ss", with its fraction ".zzz") together with the separator
// before it, as the regular expression [^Hhmapt ]?s+(\.z+)? would.
std::u32string WithoutSeconds(const std::u32string& format) {
  static constexpr std::u32string_view kNoSeparator = U"Hhmapt ";
  std::u32string out;
  const size_t n = format.size();
  for (size_t i = 0; i < n;) {
    size_t at = 0;
    if (kNoSeparator.find(format[i]) == std::u32string_view::npos && i + 1 < n &&
        format[i + 1] == U's')
      at = i + 1;
    else if (format[i] == U's')
      at = i;
    else {
      out += format[i++];
      continue;
    }
    while (at < n && format[at] == U's') ++at;
    if (at + 1 < n && format[at] == U'.' && format[at + 1] == U'z') {
      ++at;
      while (at < n && format[at] == U'z') ++at;
    }
    i = at;
  }
  return out;
}

}  // namespace

ClockFormat ClockFormatFor(std::string_view short_time_format) {
  // Some locales' short time (the C locale's "HH:mm:ss") carries seconds; the clock leaves
  // them out.
  return {"ddd dd MMM yyyy",
          TrimmedText(EncodeUtf8(WithoutSeconds(DecodeUtf8(short_time_format))))};
}

}  // namespace zudira
