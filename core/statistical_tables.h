// The statistical tables of a textbook (standard normal, t, chi-squared and F critical values,
// binomial and Poisson probabilities) and a table of the main window's distribution: which rows
// and columns each has and every cell, always from the precise functions.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/request.h"
#include "stats/real.h"

namespace zudira {

// The order of the window's list of tables.
enum class TableKind {
  kStandardNormal = 0,
  kStudentT,
  kChiSquared,
  kF,
  kBinomial,
  kPoisson,
  kCurrent,
};
inline constexpr int kTableKindCount = 7;

// Φ(z) in the classic layout, or P(0 ≤ Z ≤ z) for z ≥ 0.
enum class NormalForm { kCumulative, kFromZero };
// P(X = k) or P(X ≤ k).
enum class DiscreteCells { kMass, kCumulative };

// The upper-tail α of the four F tables, in the window's order, as they are headed.
inline constexpr const char* kFAlphaTexts[] = {"0.10", "0.05", "0.025", "0.01"};
inline constexpr int kFAlphaCount = 4;

inline constexpr int kMaxTableDecimals = 10;
inline constexpr int kMaxBinomialN = 1547;
inline constexpr int kMaxTableRows = 10000;
inline constexpr int kMaxTypedColumns = 30;

// Everything a table depends on, as plain values.
struct TableSettings {
  TableKind kind = TableKind::kStandardNormal;
  int decimals = 4;
  NormalForm normal_form = NormalForm::kCumulative;
  int f_alpha = 1;  // index into kFAlphaTexts
  int binomial_n = 10;
  std::vector<Real> binomial_p;  // empty: 0.05, 0.10 ... 0.95
  DiscreteCells binomial_cells = DiscreteCells::kMass;
  std::vector<Real> poisson_lambda;  // empty: 0.5, 1 ... 10
  DiscreteCells poisson_cells = DiscreteCells::kMass;
  // The current distribution: the main window's kind and parameter fields, and the rows.
  DistributionKind current_kind = dkNormal;
  FieldValue current_mean{0, 0};
  FieldValue current_sdev{1, 1};
  FieldValue current_third{0, 0};
  Real start = -3;
  Real step = 0.5;
  int count = 13;
  int axis_decimals = 1;  // decimals of the x headings
};

// A heading line across the columns: its label (over the row headings) and one text per column.
struct TableHeadingLine {
  std::string label;
  std::vector<std::string> texts;
};

// One table: headings as texts with "." for the decimal point and "∞" for infinity (UTF-8),
// cells as numbers, not-a-number where the functions cannot give a value.
struct StatTable {
  std::string title;                            // the table's name and parameters
  std::string note;                             // what a cell is, in one line
  std::string row_label;                        // what the rows are ("df", "z", "k")
  std::vector<TableHeadingLine> heading_lines;  // at least one
  std::vector<std::string> row_headings;
  std::vector<Real> cells;  // row-major, rows × columns
  int decimals = 4;

  int Rows() const { return static_cast<int>(row_headings.size()); }
  int Columns() const {
    return heading_lines.empty() ? 0 : static_cast<int>(heading_lines.front().texts.size());
  }
  Real Cell(int row, int column) const {
    return cells[static_cast<size_t>(row) * static_cast<size_t>(Columns()) +
                 static_cast<size_t>(column)];
  }
};

// The list's text for each kind ("Standard Normal").
std::string TableKindName(TableKind kind);

// Why the settings cannot give a table, in plain words naming the value; empty when they can.
std::string CheckTableSettings(const TableSettings& settings);

// The table for the settings, which must pass CheckTableSettings. A cell that the functions
// refuse is not-a-number; the table still comes out.
StatTable BuildStatTable(const TableSettings& settings);

// The last row k of a Poisson table: the first k at which every column's P(X > k) is below
// half a unit of the last shown decimal. -1 when that takes more than kMaxTableRows rows.
std::int64_t PoissonLastRow(const std::vector<Real>& lambdas, int decimals);

// The rows a current-distribution table starts with: about the middle of the distribution
// (mean ± 3 standard deviations, or every k that the mass is not negligible on).
struct TableRows {
  Real start = 0;
  Real step = 1;
  int count = 1;
};
TableRows DefaultCurrentRows(DistributionKind kind, const FieldValue& mean, const FieldValue& sdev,
                             const FieldValue& third = {});

// A number in a table's title: up to 10 significant digits.
std::string TableNumber(Real x);

// Parameters that give no distribution get neutral rows; the table then says what is wrong.
inline bool UsableScale(Real v) {
  return std::isfinite(v) && v > 0;
}

// The critical values, shared with the tests: df = ∞ is kInfiniteDf.
inline constexpr std::int32_t kInfiniteDf = -1;
Real TCritical(std::int32_t df, Real alpha);
Real ChiSquaredCritical(std::int32_t df, Real alpha);
Real FCritical(std::int32_t df1, std::int32_t df2, Real alpha);

}  // namespace zudira
