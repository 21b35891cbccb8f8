// The status bar clock's format: short day name, date, short month name and year, then the
// locale's short time without its seconds. Formats are Qt's date and time format strings, UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace zudira {

struct ClockFormat {
  std::string date;  // "ddd dd MMM yyyy"
  std::string time;  // the locale's short time, its seconds left out
};

// The clock's format for a locale whose short time format is `short_time_format`.
ClockFormat ClockFormatFor(std::string_view short_time_format);

}  // namespace zudira
