#include "numeric/statistical_table_text.h"

#include <algorithm>
#include <cmath>

#include "numeric/conversions.h"
#include "numeric/locale_provider.h"

namespace zudira {
namespace {

std::string Utf8FromLatin1(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string Replaced(std::string_view text, char from, char to) {
  std::string out(text);
  std::replace(out.begin(), out.end(), from, to);
  return out;
}

std::string CellText(const StatTable& table, int row, int column, bool point) {
  const Real v = table.Cell(row, column);
  if (std::isnan(v)) return kNoCellText;
  const std::string text = SafeFloatToFixed(v, table.decimals);
  return Utf8FromLatin1(point ? Replaced(text, CurrentLocale().decimal_separator, '.') : text);
}

std::vector<std::vector<std::string>> Grid(const StatTable& table, bool point) {
  std::vector<std::vector<std::string>> grid;
  auto heading = [point](const std::string& h) { return point ? h : LocalHeading(h); };
  for (int line = 0; line < static_cast<int>(table.heading_lines.size()); ++line) {
    std::vector<std::string> fields{CornerText(table, line)};
    for (const std::string& h : table.heading_lines[static_cast<size_t>(line)].texts)
      fields.push_back(heading(h));
    grid.push_back(std::move(fields));
  }
  for (int r = 0; r < table.Rows(); ++r) {
    std::vector<std::string> fields{heading(table.row_headings[static_cast<size_t>(r)])};
    for (int c = 0; c < table.Columns(); ++c) fields.push_back(CellText(table, r, c, point));
    grid.push_back(std::move(fields));
  }
  return grid;
}

std::string CsvField(const std::string& field) {
  if (field.find_first_of(",\"\n") == std::string::npos) return field;
  std::string out = "\"";
  for (const char ch : field) {
    if (ch == '"') out += '"';
    out += ch;
  }
  return out + "\"";
}

bool IsListSeparator(char ch, char decimal) {
  return ch == ';' || ch == ' ' || ch == '\t' || (ch == ',' && decimal != ',');
}

}  // namespace

bool ReadTypedList(std::string_view text, std::vector<Real>& values, std::string& error) {
  const char decimal = CurrentLocale().decimal_separator;
  std::vector<Real> read;
  size_t i = 0;
  while (i < text.size()) {
    if (IsListSeparator(text[i], decimal)) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < text.size() && !IsListSeparator(text[end], decimal)) ++end;
    const std::string_view item = text.substr(i, end - i);
    const RealTextReading reading = ReadRealText(item);
    if (reading.kind != RealTextKind::kNumber) {
      error = Utf8FromLatin1(NotANumberMessage(item)) + ".";
      return false;
    }
    read.push_back(reading.value);
    i = end;
  }
  if (read.empty()) {
    error = "Type at least one value.";
    return false;
  }
  values = std::move(read);
  return true;
}

bool ReadTypedNumber(std::string_view text, const char* name, Real& value, std::string& error) {
  const RealTextReading reading = ReadRealText(text);
  if (reading.kind != RealTextKind::kNumber) {
    error = std::string(name) + ": " + Utf8FromLatin1(NotANumberMessage(text)) + ".";
    return false;
  }
  value = reading.value;
  return true;
}

bool ReadTypedCount(std::string_view text, const char* name, int& value, std::string& error) {
  if (TrimBlanks(text).empty() || !IsWholeNumberText(text)) {
    error =
        std::string(name) + ": " + Utf8FromLatin1(NotANumberMessage(text, "a whole number")) + ".";
    return false;
  }
  value = SafeStrToInt(text);
  return true;
}

int TypedDecimals(std::string_view text) {
  const std::string_view t = TrimBlanks(text);
  const size_t point = t.find(CurrentLocale().decimal_separator);
  if (point == std::string_view::npos) return 0;
  int digits = 0;
  for (size_t i = point + 1; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) ++digits;
  return std::min(digits, kMaxTableDecimals);
}

std::string TypedListText(const std::vector<Real>& values) {
  std::string out;
  for (const Real v : values) {
    if (!out.empty()) out += "; ";
    // The shortest of 0 to 10 decimals that gives the value back.
    int d = 0;
    while (d < kMaxTableDecimals && SafeStrToFloat(SafeFloatToFixed(v, d)) != v) ++d;
    out += Utf8FromLatin1(SafeFloatToFixed(v, d));
  }
  return out;
}

std::string TableCellText(const StatTable& table, int row, int column) {
  return CellText(table, row, column, false);
}

std::string LocalHeading(std::string_view heading) {
  return Replaced(heading, '.', CurrentLocale().decimal_separator);
}

std::string CornerText(const StatTable& table, int line) {
  const std::string& label = table.heading_lines[static_cast<size_t>(line)].label;
  if (line > 0 || table.row_label.empty() || label == table.row_label) return label;
  if (label.empty()) return table.row_label;
  return table.row_label + " \\ " + label;
}

std::vector<std::vector<std::string>> TableTextGrid(const StatTable& table) {
  return Grid(table, false);
}

std::string TableClipboardText(const StatTable& table) {
  std::string out;
  for (const auto& fields : Grid(table, false)) {
    for (size_t i = 0; i < fields.size(); ++i) out += (i == 0 ? "" : "\t") + fields[i];
    out += '\n';
  }
  return out;
}

std::string TableCsvText(const StatTable& table) {
  std::string out;
  for (const auto& fields : Grid(table, true)) {
    for (size_t i = 0; i < fields.size(); ++i) out += (i == 0 ? "" : ",") + CsvField(fields[i]);
    out += '\n';
  }
  return out;
}

}  // namespace zudira
