// The statistical tables as text: the typed lists read with the fields' conversions, and a table
// written for the grid, the clipboard (tab-separated) and a CSV file. Pure code: no Qt.
// Typed texts are 8-bit (Latin-1) like the fields'; everything returned is UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/statistical_tables.h"
#include "stats/real.h"

namespace zudira {

// Shown in a cell that the functions cannot give.
inline constexpr const char* kNoCellText = "—";

// Reads a list of numbers separated by ";" or blanks (and "," where the decimal separator is
// not ","). On text that is no number, returns false and says which in `error`.
bool ReadTypedList(std::string_view text, std::vector<Real>& values, std::string& error);
// Reads one number, or one whole number.
bool ReadTypedNumber(std::string_view text, const char* name, Real& value, std::string& error);
bool ReadTypedCount(std::string_view text, const char* name, int& value, std::string& error);
// The decimals a typed number shows ("0.25" has 2), at most kMaxTableDecimals.
int TypedDecimals(std::string_view text);

// A list written back for its field: "0.5; 1; 2", with the locale's decimal separator.
std::string TypedListText(const std::vector<Real>& values);

// A cell with the table's decimals and the locale's separator, or kNoCellText.
std::string TableCellText(const StatTable& table, int row, int column);
// A heading with the locale's decimal separator.
std::string LocalHeading(std::string_view heading);
// The corner over the row headings on heading line `line` ("df \ α one tail").
std::string CornerText(const StatTable& table, int line);

// The whole table as lines of fields: the heading lines, then one line per row, every line
// starting with its corner or row heading.
std::vector<std::vector<std::string>> TableTextGrid(const StatTable& table);
// Tab-separated, with the locale's decimal separator, for pasting into a spreadsheet.
std::string TableClipboardText(const StatTable& table);
// Comma-separated, "." in numbers, fields quoted where they hold a comma or a quote.
std::string TableCsvText(const StatTable& table);

}  // namespace zudira
