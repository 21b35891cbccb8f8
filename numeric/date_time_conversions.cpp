// The date and time conversions of numeric/conversions.h: a reader and writer driven by the
// locale's short date format and its time separator and designators.
#include <chrono>
#include <cmath>
#include <vector>

#include "numeric/conversions.h"
#include "numeric/locale_provider.h"

namespace zudira {
namespace {

// The date-time value of 1 January 1970.
constexpr int kUnixEpochSerial = 25569;
constexpr double kFirstSerial = -693593;  // 1 January of year 1
constexpr double kLastSerial = 2958466;   // the day after 31 December 9999
constexpr long long kMsPerDay = 86400000;

// Howard Hinnant's days_from_civil / civil_from_days (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

struct Civil {
  long long year;
  unsigned month;
  unsigned day;
};

Civil CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<long long>(yoe) + era * 400 + (m <= 2), m, d};
}

unsigned DaysInMonth(long long year, unsigned month) {
  static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

int CurrentYear() {
  using namespace std::chrono;
  return static_cast<int>(year_month_day(floor<days>(system_clock::now())).year());
}

std::string Number(long long v, int min_width) {
  std::string s = std::to_string(v);
  if (static_cast<int>(s.size()) < min_width) s.insert(0, min_width - s.size(), '0');
  return s;
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.empty() || text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (Lower(text[i]) != Lower(prefix[i])) return false;
  return true;
}

// Order of the day ('d'), month ('M') and year ('y') fields in the short date format.
std::string FieldOrder(const std::string& format) {
  std::string order;
  for (char c : format) {
    char f = c == 'd' ? 'd' : c == 'M' ? 'M' : Lower(c) == 'y' ? 'y' : 0;
    if (f != 0 && order.find(f) == std::string::npos) order.push_back(f);
  }
  return order.size() == 3 ? order : "Mdy";
}

}  // namespace

std::string DateToTextOrBlank(DateTimeValue d) {
  if (!(d >= 1.0) || d >= kLastSerial) return {};
  const LocaleSettings loc = CurrentLocale();
  const Civil c = CivilFromDays(static_cast<long long>(std::floor(d)) - kUnixEpochSerial);
  std::string out;
  const std::string& f = loc.short_date_format;
  for (std::size_t i = 0; i < f.size();) {
    std::size_t run = 1;
    while (i + run < f.size() && f[i + run] == f[i]) ++run;
    const char ch = f[i];
    if (ch == 'd') {
      out += Number(c.day, run >= 2 ? 2 : 1);
    } else if (ch == 'M') {
      out += Number(c.month, run >= 2 ? 2 : 1);
    } else if (Lower(ch) == 'y') {
      out += run <= 2 ? Number(c.year % 100, 2) : Number(c.year, 4);
    } else if (ch == ' ') {
      out.append(run, ' ');  // "yyyy. MM. dd." and the like keep their blanks
    } else if (!IsLetter(ch) && ch != '\'') {
      out.append(run, loc.date_separator);
    }
    i += run;
  }
  return out;
}

std::string TimeToHoursMinutes(DateTimeValue t) {
  if (!std::isfinite(t) || t <= kFirstSerial || t >= kLastSerial) return {};
  const long long ms = std::llround(std::fabs(t) * kMsPerDay) % kMsPerDay;
  const long long minutes = ms / 60000;
  return std::to_string(minutes / 60) + CurrentLocale().time_separator + Number(minutes % 60, 2);
}

DateTimeValue TextToTime(std::string_view text) {
  const LocaleSettings loc = CurrentLocale();
  const std::string s =
      ReplaceChar(ReplaceChar(text, '.', loc.time_separator), ':', loc.time_separator);
  std::size_t i = 0;
  auto skip_blanks = [&] {
    while (i < s.size() && s[i] == ' ') ++i;
  };
  auto read_number = [&](long long& v) {
    std::size_t start = i;
    v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - start < 9) v = v * 10 + (s[i++] - '0');
    return i > start;
  };
  long long parts[3] = {0, 0, 0};
  int count = 0;
  skip_blanks();
  while (count < 3) {
    if (!read_number(parts[count])) return 0;
    ++count;
    if (i < s.size() && s[i] == loc.time_separator && count < 3) {
      ++i;
    } else {
      break;
    }
  }
  skip_blanks();
  int designator = 0;  // 1 morning, 2 afternoon
  std::string_view rest = std::string_view(s).substr(i);
  for (const auto& [word, kind] :
       {std::pair{loc.time_am, 1}, std::pair{loc.time_pm, 2}, std::pair{std::string("AM"), 1},
        std::pair{std::string("PM"), 2}}) {
    if (designator == 0 && StartsWithNoCase(rest, word)) {
      designator = kind;
      i += word.size();
    }
  }
  skip_blanks();
  if (i != s.size() || (count == 1 && designator == 0)) return 0;
  long long hours = parts[0];
  if (designator != 0) {
    if (hours > 12) return 0;
    if (hours == 12) hours = 0;
    if (designator == 2) hours += 12;
  }
  if (hours > 23 || parts[1] > 59 || parts[2] > 59) return 0;
  return static_cast<double>(hours * 3600 + parts[1] * 60 + parts[2]) / 86400.0;
}

DateTimeValue TextToDate(std::string_view text) {
  const LocaleSettings loc = CurrentLocale();
  const std::string s =
      ReplaceChar(ReplaceChar(text, '-', loc.date_separator), '/', loc.date_separator);
  std::vector<long long> values;
  std::vector<int> widths;
  std::size_t i = 0;
  while (true) {
    while (i < s.size() && s[i] == ' ') ++i;
    std::size_t start = i;
    long long v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - start < 9) v = v * 10 + (s[i++] - '0');
    if (i == start) return 0;
    values.push_back(v);
    widths.push_back(static_cast<int>(i - start));
    const std::size_t before_blanks = i;
    while (i < s.size() && s[i] == ' ') ++i;
    if (i == s.size()) break;
    if (s[i] == loc.date_separator) {
      ++i;
      if (values.size() < 3) continue;
      // A separator may close the date, as formats such as "yyyy. MM. dd." write it.
      while (i < s.size() && s[i] == ' ') ++i;
      if (i == s.size()) break;
      return 0;
    }
    // Blanks alone separate the fields of formats such as "d MMM yyyy".
    if (i == before_blanks || values.size() == 3) return 0;
  }
  if (values.size() < 2) return 0;
  std::string order = FieldOrder(loc.short_date_format);
  long long year = CurrentYear();
  long long month = 0;
  long long day = 0;
  if (values.size() == 2) order.erase(order.find('y'), 1);
  for (std::size_t k = 0; k < values.size(); ++k) {
    if (order[k] == 'd') day = values[k];
    if (order[k] == 'M') month = values[k];
    if (order[k] == 'y') {
      year = values[k];
      if (widths[k] <= 2) {
        // A 50-year window around today: with 2026, 30 is 2030 and 80 is 1980.
        const long long base = CurrentYear() - 50;
        year += base / 100 * 100;
        if (year < base) year += 100;
      }
    }
  }
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, static_cast<unsigned>(month)))
    return 0;
  return static_cast<double>(
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
      kUnixEpochSerial);
}

}  // namespace zudira
